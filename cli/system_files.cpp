// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's stocks: regular files, and standard input, each read with the
// same limit.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "cli/input_files.h"
#include "cli/options.h"
#include "strings/terminal.h"

namespace cli {

namespace {

// One byte beyond the limit is enough for the parser to refuse a stock.
constexpr std::size_t Enough = LargestStock + 1;

std::string fromStandardInput(std::string_view called) {
    std::string text(Enough, '\0');
    std::size_t read = 0;
    while (read < text.size()) {
        const std::size_t got = std::fread(text.data() + read, 1, text.size() - read, stdin);
        if (got == 0) {
            break;
        }
        read += got;
    }
    if (std::ferror(stdin) != 0) {
        complain("impossible de lire " + std::string(called) + " sur l'entrée standard.");
    }
    text.resize(read);
    return text;
}

std::string fromFile(const std::string& path, std::string_view called) {
    const std::string named = strings::quoted(path);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        complain("impossible de lire " + std::string(called) + " " + named + ".");
    }
    // Checked before opening: a FIFO would block the open itself.
    if (!std::filesystem::is_regular_file(status)) {
        complain(std::string(called) + " " + named + " n'est pas un fichier ordinaire.");
    }
    std::ifstream file(path, std::ios::binary);
    std::string text(Enough, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (file.bad() || (!file && !file.eof())) {
        complain("impossible de lire " + std::string(called) + " " + named + ".");
    }
    text.resize(static_cast<std::size_t>(file.gcount()));
    return text;
}

class SystemFiles : public InputFiles {
public:
    [[nodiscard]] std::string read(const std::string& path,
                                   std::string_view called) const override {
        return path == StandardInput ? fromStandardInput(called) : fromFile(path, called);
    }
};

}  // namespace

const InputFiles& systemFiles() {
    static const SystemFiles files;
    return files;
}

}  // namespace cli
