// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the calculator model from standard input, one action a line, and
// prints what the user would see after each, as JSON: the native side of the
// comparison with the WebAssembly build behind the page.
//   expose | select LIST ROW | choose RADIO
#include <iostream>
#include <sstream>
#include <string>

#include "logic/form.h"
#include "logic/snapshot.h"

int main() {
    logic::TForm1 form;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string action;
        std::string name;
        int row = -1;
        words >> action >> name >> row;
        if (action == "expose") {
            form.expose();
        } else if (action == "select") {
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
