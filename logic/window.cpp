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

void Window::settle() {
    while (PaintBox* box = repaints_.takeNext()) {
        guarded([box] { box->repaint(); });
    }
}

void Window::userSelect(ListBox& list, int index) {
    guarded([&] { list.userSelect(index); });
    settle();
}

void Window::userChoose(RadioButton& button) {
    guarded([&] { button.userChoose(); });
    settle();
}

void Window::userType(Edit& edit, std::string_view text) {
    edit.userType(text);
    settle();
}

void Window::userChooseMenuItem(MenuItem& item) {
    guarded([&] {
        if (item.OnClick) {
            item.OnClick(item);
        }
    });
    settle();
}

void Window::expose() {
    repaints_.requestAll();
    settle();
}

}  // namespace logic
