// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's side of a command: stock files from the file system, read with
// limits, and the answer written to streams.
#include <filesystem>
#include <fstream>
#include <ostream>

#include "cli/commands.h"
#include "cli/support.h"

namespace cli {

namespace {

// A stock is a short list typed by a person: anything larger is not one, and
// reading it whole (a device, a log, a disc image) would never end.
constexpr std::size_t LargestStock = 1 << 20;

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
        text.resize(static_cast<std::size_t>(file.gcount()));
        if (text.size() > LargestStock) {
            complain("le stock " + named +
                     " d\u00E9passe 1 Mio : ce n'est pas une liste de valeurs.");
        }
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
