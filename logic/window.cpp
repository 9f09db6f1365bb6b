// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/window.h"

#include <exception>

#include "logic/edit.h"
#include "logic/list_box.h"
#include "logic/paint_box.h"
#include "logic/radio_button.h"
#include "logic/static_controls.h"

namespace logic {

template <typename Action>
void Window::guarded(const Action& action) {
    try {
        action();
    } catch (const std::exception& error) {
        if (reportError_) {
            reportError_(error.what());
        }
    } catch (...) {
        if (reportError_) {
            reportError_("unknown error");
        }
    }
}

void Window::processRepaints() {
    while (PaintBox* box = repaints_.takeNext()) {
        guarded([box] { box->repaint(); });
    }
}

void Window::userSelect(ListBox& list, int index) {
    guarded([&] { list.userSelect(index); });
    processRepaints();
}

void Window::userChoose(RadioButton& button) {
    guarded([&] { button.userChoose(); });
    processRepaints();
}

void Window::userType(Edit& edit, std::string_view text) {
    edit.userType(text);
    processRepaints();
}

void Window::userChooseMenuItem(MenuItem& item) {
    guarded([&] {
        if (item.OnClick) {
            item.OnClick(item);
        }
    });
    processRepaints();
}

void Window::expose() {
    repaints_.requestAll();
    processRepaints();
}

void Window::expose(PaintBox& box) {
    repaints_.request(box);
    processRepaints();
}

}  // namespace logic
