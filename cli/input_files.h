// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files a command reads, a stock or a bill of materials, and the limits
// within which any of them is read.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// A stock is a short list typed by a person: anything larger is not one (a
// device, a log, a disc image). A reader need read no more than one byte
// beyond LargestStock for the parser to refuse it.
inline constexpr std::size_t LargestStock = 1 << 20;
inline constexpr std::size_t LongestStockLine = 256;
// A bill of materials may list two hundred references on a line; anything
// longer is no bill.
inline constexpr std::size_t LongestBillLine = 4096;
// The name that stands for standard input.
inline constexpr std::string_view StandardInput = "-";

// Where the text of a --stock or a --nomenclature comes from: files and
// standard input for the tool, what the person pasted or picked for the page.
// Problems are complaints that call the file `called`: "le stock",
// "la nomenclature".
class InputFiles {
public:
    InputFiles() = default;
    InputFiles(const InputFiles&) = delete;
    InputFiles& operator=(const InputFiles&) = delete;
    virtual ~InputFiles() = default;
    [[nodiscard]] virtual std::string read(const std::string& path,
                                           std::string_view called) const = 0;
};

// Regular files of the file system, and standard input for "-".
const InputFiles& systemFiles();

}  // namespace cli
