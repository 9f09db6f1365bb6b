// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's side of a command: stock files from the file system, read with
// limits, and the answer written to streams.
#include <filesystem>
#include <fstream>
#include <ostream>

#include "cli/commands.h"
#include "cli/parts.h"
#include "cli/support.h"

namespace cli {

namespace {

class FileSystemStocks : public StockFiles {
public:
    [[nodiscard]] std::string read(const std::string& path) const override {
        const std::string named = cli::quoted(path);
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::status(path, error);
        if (error || !std::filesystem::exists(status)) {
            complain("impossible de lire le stock " + named + ".");
        }
        // Checked before opening: a FIFO would block the open itself.
        if (!std::filesystem::is_regular_file(status)) {
            complain("le stock " + named + " n'est pas un fichier ordinaire.");
        }
        std::ifstream file(path, std::ios::binary);
        std::string text(LargestStock + 1, '\0');
        file.read(text.data(), static_cast<std::streamsize>(text.size()));
        if (file.bad() || (!file && !file.eof())) {
            complain("impossible de lire le stock " + named + ".");
        }
        // One byte beyond the limit is enough for the reader to refuse it.
        text.resize(static_cast<std::size_t>(file.gcount()));
        return text;
    }
};

}  // namespace

int run(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
    Answer answer;
    Answer complaint;
    const int status = run(arguments, answer, complaint, FileSystemStocks());
    out << answer.text();
    err << complaint.text();
    return status;
}

}  // namespace cli
