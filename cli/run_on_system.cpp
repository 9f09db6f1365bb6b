// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's side of a command: the answer and the complaints written to
// streams, or the answer to the file it was asked to write.
#include <fstream>
#include <ostream>

#include "cli/input_files.h"
#include "cli/options.h"
#include "cli/run.h"
#include "strings/terminal.h"

namespace cli {

namespace {

bool written(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

}  // namespace

int run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err,
        bool outIsTerminal) {
    Answer answer;
    Answer complaint;
    int status = run(arguments, answer, complaint, systemFiles());
    const std::string& file = answer.destination();
    const bool answered = status != BadInput;
    if (answered && !file.empty() && file != StandardInput) {
        if (!written(file, answer.text())) {
            complaint << Program << " : impossible d'écrire " << strings::quoted(file) << ".\n";
            status = BadInput;
        }
    } else if (answered && answer.isBinary() && outIsTerminal) {
        complaint << Program
                  << " : un PDF ne s'écrit pas dans un terminal : --sortie FICHIER, ou la "
                     "sortie redirigée vers un fichier.\n";
        status = BadInput;
    } else {
        out << answer.text();
    }
    err << complaint.text();
    return status;
}

}  // namespace cli
