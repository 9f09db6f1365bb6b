// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's side of a command: the answer and the complaints written to
// streams.
#include <ostream>

#include "cli/commands.h"
#include "cli/stocks.h"

namespace cli {

int run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
    Answer answer;
    Answer complaint;
    const int status = run(arguments, answer, complaint, systemStocks());
    out << answer.text();
    err << complaint.text();
    return status;
}

}  // namespace cli
