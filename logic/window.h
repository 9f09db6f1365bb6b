// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "logic/control.h"
#include "logic/repaint.h"

namespace logic {

class Edit;
class ListBox;
class MenuItem;
class PaintBox;
class RadioButton;

// What every window does for its controls: it owns the repaint queue and takes
// the user's input. After each input it serves the repaints the handlers asked
// for until none is left, as the message loop would.
class Window : public Control {
public:
    using Control::Control;

    [[nodiscard]] RepaintQueue& repaints() { return repaints_; }
    [[nodiscard]] const RepaintQueue& repaints() const { return repaints_; }

    void userSelect(ListBox& list, int index);
    void userChoose(RadioButton& button);
    void userType(Edit& edit, std::string_view text);
    void userChooseMenuItem(MenuItem& item);
    // The whole window is drawn: first show, restore, a resize or an uncovering.
    void expose();
    // Only the area of one box is drawn anew.
    void expose(PaintBox& box);

    // Serves the repaints asked for so far, in paint order, until none is left.
    void processRepaints();

    // An error escaping a handler goes here (to be shown in a message box), and
    // the program goes on.
    using ErrorReporter = std::function<void(const std::string& message)>;
    void setErrorReporter(ErrorReporter reporter) { reportError_ = std::move(reporter); }

    // A modal message box; it returns once the user has closed it. Meanwhile
    // the window is still exposed, so paint handlers may run inside it.
    static constexpr int InformationBox = 64;  // information icon, one OK button
    using MessageBoxShower =
        std::function<void(const std::string& text, const std::string& caption, int flags)>;
    void setMessageBoxShower(MessageBoxShower shower) { showMessageBox_ = std::move(shower); }
    void MessageBox(const std::string& text, const std::string& caption, int flags) const {
        if (showMessageBox_) {
            showMessageBox_(text, caption, flags);
        }
    }

private:
    template <typename Action>
    void guarded(const Action& action);

    RepaintQueue repaints_;
    ErrorReporter reportError_;
    MessageBoxShower showMessageBox_;
};

}  // namespace logic
