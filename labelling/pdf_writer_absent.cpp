// SPDX-License-Identifier: GPL-3.0-or-later
// The page's build has no PDF writer: it prints the SVG sheet itself.
#include "labelling/writers.h"

namespace labelling {

std::optional<std::string> pdfOf(std::span<const Page> /*pages*/, const SheetLayout& /*layout*/) {
    return std::nullopt;
}

}  // namespace labelling
