// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a verb writes: plain UTF-8 text, built without iostreams, whose
// locales would triple the size of the tools page's WebAssembly.
#include <concepts>
#include <string>
#include <string_view>

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

private:
    std::string text_;
};

}  // namespace cli
