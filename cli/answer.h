// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a verb writes: plain UTF-8 text, built without iostreams, whose
// locales would triple the size of the tools page's WebAssembly.
#include <concepts>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cli {

class Answer {
public:
    Answer& operator<<(std::string_view text) {
        text_ += text;
        return *this;
    }
    Answer& operator<<(char c) {
        text_ += c;
        return *this;
    }
    template <std::integral Number>
    requires(!std::same_as<Number, char> && !std::same_as<Number, bool>) Answer& operator<<(
        Number number) {
        text_ += std::to_string(number);
        return *this;
    }

    [[nodiscard]] const std::string& text() const { return text_; }
    [[nodiscard]] bool empty() const { return text_.empty(); }

    // A remark for the error stream that does not stop the answer: the
    // lines of a bill of materials that were not resistors.
    void note(std::string line) { notes_.push_back(std::move(line)); }
    [[nodiscard]] const std::vector<std::string>& notes() const { return notes_; }

    // Where the answer goes: the file named on the command line; standard
    // output when empty.
    void sendTo(std::string path) { destination_ = std::move(path); }
    [[nodiscard]] const std::string& destination() const { return destination_; }
    // Bytes for a file, a PDF, that a terminal must never be given.
    void markBinary() { binary_ = true; }
    [[nodiscard]] bool isBinary() const { return binary_; }

private:
    std::string text_;
    std::vector<std::string> notes_;
    std::string destination_;
    bool binary_ = false;
};

}  // namespace cli
