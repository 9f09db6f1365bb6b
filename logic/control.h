// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <utility>

namespace logic {

// Every control of the window has its layout name. Controls are owned by their
// window for its whole life and are never copied: handlers refer to them.
class Control {
public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    Control(Control&&) = delete;
    Control& operator=(Control&&) = delete;

    [[nodiscard]] const std::string& name() const { return name_; }

private:
    std::string name_;
};

// An event handler receives the control that raised the event (the sender).
using Handler = std::function<void(Control& sender)>;

}  // namespace logic
