// SPDX-License-Identifier: GPL-3.0-or-later
// resistances-code: the colour code from the command line.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/run.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return cli::run(arguments, std::cout, std::cerr, isatty(STDOUT_FILENO) == 1);
}
