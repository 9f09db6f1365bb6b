// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: two information messages, one after the other.
#include <string>

#include "logic/form.h"

namespace logic {

void TForm1::proposde1Click(Control& /*Sender*/) {
    const std::string caption = "à propos de...";
    MessageBox("     " + std::string(AuthorAddress), caption, InformationBox);
    MessageBox("", caption, InformationBox);
}

}  // namespace logic
