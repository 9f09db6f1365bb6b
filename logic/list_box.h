// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "logic/control.h"

namespace logic {

// A single-selection list. Items stay in the order they were appended.
class ListBox : public Control {
public:
    using Control::Control;

    [[nodiscard]] const std::vector<std::string>& items() const { return items_; }
    void appendItem(std::string_view text) { items_.emplace_back(text); }
    [[nodiscard]] int count() const { return static_cast<int>(items_.size()); }

    // -1 means no selection.
    [[nodiscard]] int itemIndex() const { return itemIndex_; }
    // Never runs OnClick. An index that names no item leaves the list without
    // selection, as a native list box does.
    void setItemIndex(int index) { itemIndex_ = (index >= 0 && index < count()) ? index : -1; }

    [[nodiscard]] bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

    // Runs after the user selected an item, with itemIndex() already holding it.
    Handler OnClick;

    // The user clicks item `index`: ignored on a disabled list or off the items.
    // Clicking the item already selected runs OnClick again.
    void userSelect(int index) {
        if (!enabled_ || index < 0 || index >= count()) {
            return;
        }
        setItemIndex(index);
        if (OnClick) {
            OnClick(*this);
        }
    }

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    bool enabled_ = true;
};

}  // namespace logic
