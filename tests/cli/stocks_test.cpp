// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "run_support.h"

namespace {

using cli_test::Outcome;
using cli_test::run;

// Whatever file is given as a stock ends at once: a message, or the values.
TEST(Stocks, AnyFileEndsAtOnceInBoundedMemory) {
    const std::string folder = testing::TempDir();
    const std::string fifo = folder + "stock.fifo";
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::ofstream(folder + "long.txt") << std::string(3 << 20, '7');
    std::ofstream(folder + "line.txt") << "4k7\n" << std::string(300, '7');
    std::ofstream(folder + "binary.txt") << "4k7\n\x1B]0;\xC3\x28\x01\n";
    std::ofstream(folder + "bom.txt") << "\xEF\xBB\xBF"
                                         "4k7\r\n";
    const std::vector<std::pair<std::string, std::string>> rows{
        {"/dev/zero", "le stock « /dev/zero » n'est pas un fichier ordinaire."},
        {fifo, "le stock « " + fifo + " » n'est pas un fichier ordinaire."},
        {folder, "le stock « " + folder + " » n'est pas un fichier ordinaire."},
        {folder + "line.txt", folder + "line.txt, ligne 2 : ligne de plus de 256 octets ; un "
                                       "stock donne une valeur par ligne."},
        {folder + "long.txt", "le stock « " + folder +
                                  "long.txt » dépasse 1 Mio : ce n'est pas une liste "
                                  "de valeurs."},
        {folder + "binary.txt", folder + "binary.txt, ligne 2 : valeur illisible « "
                                         "\\x1B]0;\\xC3(\\x01 » : un caractère "
                                         "inattendu."},
        {folder + "bom.txt", ""},
    };
    for (const auto& [path, message] : rows) {
        const Outcome outcome = run({"combiner", "4k7", "--stock", path});
        EXPECT_EQ(outcome.err, message.empty() ? "" : "resistances-code : " + message + "\n");
        EXPECT_EQ(outcome.status, message.empty() ? 0 : 2) << path;
    }
    // The same stocks on standard input, read with the same limit.
    std::setvbuf(stdin, nullptr, _IONBF, 0);
    const int kept = dup(STDIN_FILENO);
    const auto fromStandardInput = [&](const std::string& path) {
        const int file = open(path.c_str(), O_RDONLY);
        dup2(file, STDIN_FILENO);
        close(file);
        std::clearerr(stdin);
        return run({"combiner", "4k7", "--stock", "-"});
    };
    EXPECT_EQ(fromStandardInput(folder + "long.txt").err,
              "resistances-code : le stock « entrée standard » dépasse 1 Mio : ce n'est pas une "
              "liste de valeurs.\n");
    const Outcome piped = fromStandardInput(folder + "bom.txt");
    EXPECT_EQ(piped.out.substr(0, piped.out.find('\n')),
              "4,7 kΩ avec le stock lu sur l'entrée standard :");
    dup2(kept, STDIN_FILENO);
    close(kept);
}

}  // namespace
