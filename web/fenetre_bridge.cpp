// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator model for the page: the same window as the Qt program, driven
// by the page's clicks, keys and exposures, and read back as JSON after each.
// Only functions with C names cross into JavaScript.
#include <string>
#include <vector>

#include "logic/form.h"
#include "logic/json_string.h"
#include "logic/snapshot.h"

namespace {

// The page's one window, for the life of the page.
class Session {
public:
    Session() {
        form_.setMessageBoxShower(
            [this](const std::string& text, const std::string& caption, int /*flags*/) {
                messages_.push_back({text, caption});
            });
        form_.setErrorReporter([this](const std::string& message) { error_ = message; });
    }

    logic::TForm1& form() { return form_; }

    // Starts an action: what the last one said is forgotten.
    void begin() {
        messages_.clear();
        error_.clear();
    }

    const char* state() {
        std::string messages;
        for (const auto& [text, caption] : messages_) {
            messages += (messages.empty() ? "" : ",") + std::string("[") + logic::jsonString(text) +
                        "," + logic::jsonString(caption) + "]";
        }
        text_ = "{\"controls\":" + logic::snapshot(form_) + ",\"messages\":[" + messages +
                "],\"error\":" + logic::jsonString(error_) + "}";
        return text_.c_str();
    }

private:
    struct Message {
        std::string text;
        std::string caption;
    };
    logic::TForm1 form_;
    std::vector<Message> messages_;
    std::string error_;
    std::string text_;
};

Session& session() {
    static Session theSession;
    return theSession;
}

template <typename Control>
Control* named(const char* name) {
    return dynamic_cast<Control*>(session().form().findControl(name));
}

}  // namespace

extern "C" {

const char* resistances_state() {
    return session().state();
}

void resistances_expose() {
    session().begin();
    session().form().expose();
}

void resistances_select(const char* list, int row) {
    session().begin();
    if (auto* control = named<logic::ListBox>(list)) {
        session().form().userSelect(*control, row);
    }
}

void resistances_choose(const char* radio) {
    session().begin();
    if (auto* control = named<logic::RadioButton>(radio)) {
        session().form().userChoose(*control);
    }
}

// The whole text of the field after the user's keystroke, as the Qt window
// reports an edit.
void resistances_type(const char* edit, const char* text) {
    session().begin();
    if (auto* control = named<logic::Edit>(edit)) {
        session().form().userType(*control, text);
    }
}

void resistances_menu(const char* item) {
    session().begin();
    if (auto* control = named<logic::MenuItem>(item)) {
        session().form().userChooseMenuItem(*control);
    }
}

}  // extern "C"
