// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/stock.h"

#include <algorithm>

#include "cli/input_files.h"
#include "cli/options.h"
#include "cli/readers.h"
#include "cli/wording.h"
#include "notation/reading.h"
#include "strings/terminal.h"
#include "strings/text.h"

namespace cli {

std::vector<notation::Value> stockValues(std::string_view text, std::string_view name) {
    if (text.size() > LargestStock) {
        complain("le stock " + strings::quoted(name) + " dépasse " + mebibytes(LargestStock) +
                 " : ce n'est pas une liste de valeurs.");
    }
    text = strings::withoutByteOrderMark(text);
    std::vector<notation::Value> values;
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::string where = strings::printable(name) + ", ligne " + std::to_string(number);
        if (line.size() > LongestStockLine) {
            complain(where + " : ligne de plus de " + std::to_string(LongestStockLine) +
                     " octets ; un stock donne une valeur par ligne.");
        }
        const std::string_view value = strings::trimmed(line.substr(0, line.find('#')));
        if (value.empty()) {
            continue;
        }
        const notation::Read<notation::Value> read = notation::readValue(value);
        if (const auto* problem = std::get_if<notation::ReadProblem>(&read)) {
            complain(where + " : valeur illisible " + strings::quoted(value) + " : " +
                     reasonFor(*problem, Quantity::Resistance) + ".");
        }
        values.push_back(std::get<notation::Value>(read));
    }
    if (values.empty()) {
        complain("le stock " + strings::quoted(name) + " ne contient aucune valeur.");
    }
    return values;
}

}  // namespace cli
