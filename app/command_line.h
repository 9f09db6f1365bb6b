// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// The program's own options, read before any window system is opened, so
// that --help and --version work without a display. Qt's options
// (-platform, -style, -reverse...) are let through for QApplication.
namespace app {

// The exit status when the command line asked for something other than the
// window (--help, --version, a mistake), having printed what it asked for.
std::optional<int> answerCommandLine(int argc, char** argv);

}  // namespace app
