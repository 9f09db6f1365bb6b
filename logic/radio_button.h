// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "logic/control.h"

namespace logic {

class RadioButton;

// A group box. The radio buttons inside one are siblings of each other.
class GroupBox : public Control {
public:
    GroupBox(std::string name, std::string_view caption);

    [[nodiscard]] const std::string& caption() const { return caption_; }
    [[nodiscard]] const std::vector<RadioButton*>& radioButtons() const { return radioButtons_; }

private:
    friend class RadioButton;
    std::string caption_;
    std::vector<RadioButton*> radioButtons_;
};

enum class Checked : bool { no, yes };

// Exclusivity is kept by the buttons themselves, not by the group, so that a
// group may have no button checked at all.
class RadioButton : public Control {
public:
    // `checked` is the state the window is built with; building runs no handler.
    RadioButton(std::string name, std::string_view caption, GroupBox& group, Checked checked);

    [[nodiscard]] const std::string& caption() const { return caption_; }
    [[nodiscard]] bool checked() const { return checked_; }

    // true on an unchecked button checks it, unchecks its siblings without
    // running their handlers, then runs its own OnClick before returning; on a
    // checked button it does nothing. false only unchecks this button.
    void setChecked(bool checked);

    Handler OnClick;

    // The user chooses the button: the same as setChecked(true).
    void userChoose() { setChecked(true); }

private:
    std::string caption_;
    GroupBox& group_;
    bool checked_;
};

}  // namespace logic
