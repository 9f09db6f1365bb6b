// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the calculator model from standard input, one action a line, and
// prints what the user would see after each, as JSON: the native side of the
// comparison with the WebAssembly build behind the page.
//   expose | select LIST ROW | choose RADIO | type EDIT TEXT... | tabs
#include <iostream>
#include <sstream>
#include <string>

#include "logic/form.h"
#include "logic/json_string.h"
#include "logic/snapshot.h"
#include "tables/layout.h"

int main() {
    logic::TForm1 form;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string action;
        std::string name;
        int row = -1;
        words >> action >> name;
        if (action == "type") {
            // The rest of the line, after one blank, is the whole text typed.
            std::string text;
            std::getline(words, text);
            if (auto* edit = dynamic_cast<logic::Edit*>(form.findControl(name))) {
                form.userType(*edit, text.empty() ? text : text.substr(1));
            }
        } else if (action == "tabs") {
            // The window's tab order, for the page's keyboard to follow.
            std::string order;
            for (const std::string_view stop : tables::tabStops()) {
                order += (order.empty() ? "[" : ",") + logic::jsonString(stop);
            }
            std::cout << order << "]\n";
            continue;
        } else if (action == "expose") {
            form.expose();
        } else if (action == "select") {
            words >> row;
            if (auto* list = dynamic_cast<logic::ListBox*>(form.findControl(name))) {
                form.userSelect(*list, row);
            }
        } else if (action == "choose") {
            if (auto* radio = dynamic_cast<logic::RadioButton*>(form.findControl(name))) {
                form.userChoose(*radio);
            }
        } else {
            std::cerr << "model_trace: unknown action " << line << "\n";
            return 2;
        }
        std::cout << logic::snapshot(form) << "\n";
    }
    return 0;
}
