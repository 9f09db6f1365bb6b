// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/radio_button.h"

#include <utility>

namespace logic {

GroupBox::GroupBox(std::string name, std::string_view caption)
    : Control(std::move(name)), caption_(caption) {}

RadioButton::RadioButton(std::string name, std::string_view caption, GroupBox& group,
                         Checked checked)
    : Control(std::move(name)),
      caption_(caption),
      group_(group),
      checked_(checked == Checked::yes) {
    group_.radioButtons_.push_back(this);
}

void RadioButton::setChecked(bool checked) {
    if (!checked) {
        checked_ = false;
        return;
    }
    if (checked_) {
        return;
    }
    checked_ = true;
    for (RadioButton* sibling : group_.radioButtons_) {
        if (sibling != this) {
            sibling->checked_ = false;
        }
    }
    if (OnClick) {
        OnClick(*this);
    }
}

}  // namespace logic
