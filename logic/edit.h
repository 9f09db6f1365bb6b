// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "logic/control.h"

namespace logic {

enum class ReadOnly : bool { no, yes };

// A one-line text field. Code may set its text also when it is read-only; it
// has no change handler.
class Edit : public Control {
public:
    Edit(std::string name, std::string_view text, ReadOnly readOnly)
        : Control(std::move(name)), text_(text), readOnly_(readOnly == ReadOnly::yes) {}

    [[nodiscard]] const std::string& text() const { return text_; }
    void setText(std::string_view text) { text_ = text; }
    [[nodiscard]] bool readOnly() const { return readOnly_; }

    // What the user types replaces the text, unless the field is read-only.
    void userType(std::string_view text) {
        if (!readOnly_) {
            text_ = text;
        }
    }

private:
    std::string text_;
    bool readOnly_;
};

}  // namespace logic
