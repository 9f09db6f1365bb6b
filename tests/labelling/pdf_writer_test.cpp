// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "cli/run.h"
#include "labelling/drawing.h"
#include "labelling/sheet_layout.h"
#include "notation/colour_code.h"
#include "notation/quantity.h"
#include "notation/reading.h"

namespace {

// What a command prints, and its exit status.
std::pair<std::string, int> shell(const std::string& command) {
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    for (int c = pipe != nullptr ? std::fgetc(pipe) : EOF; c != EOF; c = std::fgetc(pipe)) {
        text += static_cast<char>(c);
    }
    return {text, pipe != nullptr ? pclose(pipe) : -1};
}

// A page rendered by pdftoppm at `dpi`: a channel of the colour at a point in millimetres.
std::function<int(double, double, std::size_t)> rendered(const std::string& path, double dpi) {
    std::ifstream file(path, std::ios::binary);
    std::string magic;
    std::size_t width = 0;
    int height = 0;
    int maximum = 0;
    file >> magic >> width >> height >> maximum;
    file.get();
    const auto rgb = std::make_shared<std::string>(std::istreambuf_iterator<char>(file),
                                                   std::istreambuf_iterator<char>());
    return [=](double x, double y, std::size_t channel) {
        const auto pixel = static_cast<std::size_t>(y / 25.4 * dpi) * width +
                           static_cast<std::size_t>(x / 25.4 * dpi);
        return static_cast<unsigned char>(rgb->at(pixel * 3 + channel));
    };
}

// The PDF as poppler reads it back (its texts are the SVG's, checked beside
// it): a page a sheet, one font embedded, and on the rendered page each band
// of each label painted with the colour the colour code gives that value,
// where the drawing puts it.
TEST(LabelSheets, ThePdfReadsBackWithItsFontAndItsBandColours) {
    const std::vector<std::string> values{"1",    "4,7", "12",  "100", "680", "4k7",
                                          "4k99", "10k", "68k", "2M2", "7M5", "22M"};
    std::string list;
    for (const std::string& value : values) {
        list += (list.empty() ? "" : ";") + value;
    }
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> arguments{"etiquettes", "--valeurs", list,    "--format",
                                             "pdf",        "--grille",  "3x4",   "--marges",
                                             "8",          "--page",    "Letter"};
    ASSERT_EQ(cli::run(arguments, out, err), 0) << err.str();
    const std::string folder = testing::TempDir();
    const std::string pdf = folder + "labels.pdf";
    std::ofstream(pdf, std::ios::binary) << out.str();

    const auto [info, infoStatus] = shell("pdfinfo " + pdf);
    ASSERT_EQ(infoStatus, 0) << info;
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
    // One font, embedded, subset, with its text: no other row.
    EXPECT_EQ(
        shell("pdffonts " + pdf + " | tail -n +3 | grep -v '+LiberationSans .*yes yes yes'").first,
        "");
    ASSERT_EQ(shell("pdftoppm -r 300 -f 1 -l 1 " + pdf + " " + folder + "labels").second, 0);
    const auto page = rendered(folder + "labels-1.ppm", 300);
    const labelling::SheetLayout layout = *labelling::gridLayout(labelling::Letter, 3, 4, 8);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const notation::Value value = std::get<notation::Value>(notation::readValue(values[i]));
        std::vector<std::string> expected;
        for (const auto& [bands, tolerance] : {std::pair{4, 500}, std::pair{5, 100}}) {
            const notation::Encoded encoded = notation::encode(value, bands, tolerance);
            if (const auto* colours = std::get_if<std::vector<notation::Colour>>(&encoded)) {
                for (const notation::Colour colour : *colours) {
                    expected.emplace_back(notation::swatchOf(colour));
                }
            }
        }
        // The drawing of this label alone, at the place the layout gives it.
        const labelling::LabelContent label = labelling::labelOf(value, {});
        const std::vector<labelling::Page> drawn = labelling::drawSheet({&label, 1}, layout);
        const double dx = layout.xOf(static_cast<int>(i)) - layout.xOf(0);
        const double dy = layout.yOf(static_cast<int>(i)) - layout.yOf(0);
        std::vector<std::string> painted;
        for (const labelling::Shape& shape : drawn.front()) {
            // Bands are the narrow painted boxes; a strip's body is wide.
            if (shape.kind != labelling::Shape::Kind::Box || shape.paint.empty() ||
                shape.width > layout.labelWidth / 8) {
                continue;
            }
            painted.push_back(shape.paint);
            const double x = shape.x + dx + shape.width / 2;
            const double y = shape.y + dy + shape.height / 2;
            for (std::size_t c = 0; c < 3; ++c) {
                EXPECT_NEAR(page(x, y, c), std::stoi(shape.paint.substr(1 + 2 * c, 2), nullptr, 16),
                            8)
                    << value.french() << " " << shape.paint;
            }
        }
        EXPECT_EQ(painted, expected) << value.french();
    }
}

}  // namespace
