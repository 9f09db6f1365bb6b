// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the tools page: its template with the band reader's first state,
// four bands to choose, as the page's module gives it. The page then draws a
// reader ready to tap from its first frame, before its WebAssembly loads.
//   tools_page TEMPLATE OUTPUT
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

// The page's module, built here natively from the same source.
extern "C" const char* tools_bands(const char* chosen);

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tools_page TEMPLATE OUTPUT\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream page;
    page << in.rdbuf();
    std::string text = page.str();
    const std::string marker = "@LECTEUR@";
    const std::size_t at = text.find(marker);
    if (!in || at == std::string::npos) {
        std::fprintf(stderr, "tools_page: no %s in %s\n", marker.c_str(), argv[1]);
        return 1;
    }
    // Inside a script element: "</" must not close it early.
    std::string state = tools_bands(",,,");
    for (std::size_t slash = state.find("</"); slash != std::string::npos;
         slash = state.find("</", slash + 3)) {
        state.replace(slash, 2, "<\\/");
    }
    text.replace(at, marker.size(), state);
    std::ofstream out(argv[2], std::ios::binary);
    out << text;
    return out ? 0 : 1;
}
