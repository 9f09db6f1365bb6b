// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "logic/control.h"

namespace logic {

// A caption, with the hint shown while the mouse rests on it (empty: none).
class Label : public Control {
public:
    Label(std::string name, std::string_view caption, std::string_view hint = {})
        : Control(std::move(name)), caption_(caption), hint_(hint) {}

    [[nodiscard]] const std::string& caption() const { return caption_; }
    [[nodiscard]] const std::string& hint() const { return hint_; }

private:
    std::string caption_;
    std::string hint_;
};

// A fixed picture; which one is up to the window that draws it.
class Image : public Control {
public:
    using Control::Control;
};

class MenuItem : public Control {
public:
    MenuItem(std::string name, std::string_view caption)
        : Control(std::move(name)), caption_(caption) {}

    [[nodiscard]] const std::string& caption() const { return caption_; }
    Handler OnClick;

private:
    std::string caption_;
};

class PopupMenu : public Control {
public:
    PopupMenu(std::string name, std::vector<MenuItem*> items)
        : Control(std::move(name)), items_(std::move(items)) {}

    [[nodiscard]] const std::vector<MenuItem*>& items() const { return items_; }

private:
    std::vector<MenuItem*> items_;
};

}  // namespace logic
