// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/verbs/etiquettes_sheet.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>
#include <variant>

#include "cli/readers.h"
#include "labelling/sticker_sheets.h"
#include "notation/french.h"
#include "notation/reading.h"
#include "strings/terminal.h"
#include "strings/text.h"

namespace cli {

namespace {

// A length in millimetres: "5", "2,5", "2.5", and with `signed` "-0,5".
double millimetres(std::string_view text, std::string_view what, bool negative = false) {
    text = strings::trimmed(text);
    const bool minus = negative && text.starts_with('-');
    const notation::Read<notation::Decimal> read =
        notation::readNumber(strings::trimmed(minus ? text.substr(1) : text));
    if (const auto* problem = std::get_if<notation::ReadProblem>(&read)) {
        if (*problem == notation::ReadProblem::Zero) {
            return 0;
        }
        complain(std::string(what) + " illisible " + strings::quoted(text) + " : " +
                 reasonFor(*problem, Quantity::Number) + ".");
    }
    const auto amount = static_cast<double>(std::get<notation::Decimal>(read).amount());
    return minus ? -amount : amount;
}

// "3x8", "48x17", "48,5 × 16,9": two numbers, the first across.
std::pair<std::string_view, std::string_view> acrossAndDown(std::string_view text,
                                                            std::string_view option) {
    for (const std::string_view times : {"x", "X", "×"}) {
        if (const std::size_t at = text.find(times); at != std::string_view::npos) {
            return {text.substr(0, at), text.substr(at + times.size())};
        }
    }
    complain(std::string(option) + " " + strings::quoted(text) + " : deux nombres séparés par x, " +
             (option == "--grille" ? "colonnes puis lignes : 3x8." : "en mm : 48x17."));
}

std::pair<double, double> lengths(const std::string& text, std::string_view option) {
    const auto [across, down] = acrossAndDown(text, option);
    return {millimetres(across, option), millimetres(down, option)};
}

// "3x8": columns then rows, each a whole number of two digits at most; 0
// where it is none, for the layout to refuse.
std::pair<int, int> countsOf(const std::string& grid) {
    const auto [across, down] = acrossAndDown(grid, "--grille");
    const auto whole = [&](std::string_view text) {
        const notation::Read<notation::Decimal> read = notation::readNumber(strings::trimmed(text));
        const auto* number = std::get_if<notation::Decimal>(&read);
        return number != nullptr && number->exponent() >= 0 && number->digits() <= 2
                   ? static_cast<int>(number->amount())
                   : 0;
    };
    return {whole(across), whole(down)};
}

labelling::PageSize pageOf(const CommandLine& line) {
    // The table of verbs lets through only its choices.
    return line.option("--page") == "Letter" ? labelling::Letter : labelling::A4;
}

std::string sheetCodes() {
    std::string codes;
    for (const labelling::StickerSheet& sheet : labelling::stickerSheets()) {
        codes += (codes.empty() ? "" : ", ") + std::string(sheet.code);
    }
    return codes;
}

labelling::SheetLayout namedSheet(const CommandLine& line) {
    const std::string code = *line.option("--planche");
    for (const std::string_view other :
         {"--page", "--grille", "--taille", "--pas", "--origine", "--marges"}) {
        if (line.has(other)) {
            complain("--planche ne va pas avec " + std::string(other) +
                     " : la planche a ses propres mesures.");
        }
    }
    const labelling::StickerSheet* sheet = labelling::stickerSheetNamed(code);
    if (sheet == nullptr) {
        complain("planche inconnue " + strings::quoted(code) + ". Planches : " + sheetCodes() +
                 " (--planches les décrit).");
    }
    return sheet->layout();
}

// A sheet as measured on it: the labels' size, their pitch (the size where
// not given), the first label's corner (the block centred where not given),
// as many as the paper holds or --grille's count.
labelling::SheetLayout measuredSheet(const CommandLine& line, labelling::PageSize page) {
    if (!line.has("--taille")) {
        complain(
            "--pas et --origine vont avec --taille, la taille d'une étiquette : "
            "--taille 63,5x38,1 --pas 66,04x38,1 --origine 7,21x15,15.");
    }
    if (line.has("--marges")) {
        complain(
            "--marges ne va pas avec --pas ni --origine : --origine place la première "
            "étiquette.");
    }
    const auto [width, height] = lengths(*line.option("--taille"), "--taille");
    const auto [pitchAcross, pitchDown] =
        line.has("--pas") ? lengths(*line.option("--pas"), "--pas") : std::pair{width, height};
    const auto [columns, rows] =
        line.has("--grille") ? countsOf(*line.option("--grille")) : std::pair{0, 0};
    if (line.has("--grille") && (columns < 1 || rows < 1)) {
        complain("--grille " + strings::quoted(*line.option("--grille")) + " : de 1 à " +
                 std::to_string(labelling::MostAcross) + " colonnes et de 1 à " +
                 std::to_string(labelling::MostAcross) + " lignes.");
    }
    labelling::SheetMeasures measures{width, height, pitchAcross, pitchDown, 0, 0};
    if (line.has("--origine")) {
        std::tie(measures.left, measures.top) = lengths(*line.option("--origine"), "--origine");
    } else if (const auto fits = labelling::measuredLayout(page, measures, columns, rows);
               const auto* block = std::get_if<labelling::SheetLayout>(&fits)) {
        measures.left = (page.width - (block->xOf(block->columns - 1) + width)) / 2;
        measures.top = (page.height - (block->yOf(block->perPage() - 1) + height)) / 2;
    }
    const auto layout = labelling::measuredLayout(page, measures, columns, rows);
    if (const auto* problem = std::get_if<labelling::SheetProblem>(&layout)) {
        switch (*problem) {
            case labelling::SheetProblem::TooSmall:
                complain("--taille " + strings::quoted(*line.option("--taille")) +
                         " : une étiquette a au moins " +
                         notation::frenchNumber(labelling::SmallestLabelSide) + " mm de côté.");
            case labelling::SheetProblem::PitchBelowSize:
                complain("--pas " + strings::quoted(line.option("--pas").value_or("")) +
                         " : le pas va d'une étiquette à la suivante, il est au moins sa taille (" +
                         *line.option("--taille") + ").");
            case labelling::SheetProblem::OffThePaper:
                complain("ces étiquettes ne tiennent pas sur " + std::string(page.name) +
                         " : la dernière dépasse du papier, ou la première commence avant lui.");
        }
    }
    return std::get<labelling::SheetLayout>(layout);
}

}  // namespace

labelling::SheetLayout sheetLayoutOf(const CommandLine& line) {
    if (line.has("--planche")) {
        return namedSheet(line);
    }
    const labelling::PageSize page = pageOf(line);
    if (line.has("--pas") || line.has("--origine")) {
        return measuredSheet(line, page);
    }
    const double margin = millimetres(line.option("--marges").value_or("0"), "--marges");
    if (line.has("--grille") && line.has("--taille")) {
        complain(
            "--grille ne va pas avec --taille seule : l'une ou l'autre, ou les deux avec "
            "--pas et --origine.");
    }
    if (const std::optional<std::string> size = line.option("--taille")) {
        const auto [width, height] = lengths(*size, "--taille");
        if (std::min(width, height) < labelling::SmallestLabelSide) {
            complain("--taille " + strings::quoted(*size) + " : une étiquette a au moins " +
                     notation::frenchNumber(labelling::SmallestLabelSide) + " mm de côté.");
        }
        const std::optional<labelling::SheetLayout> layout =
            labelling::sizedLayout(page, width, height, margin);
        if (!layout) {
            complain("--taille " + strings::quoted(*size) +
                     " : pas une étiquette de cette taille ne tient sur " + std::string(page.name) +
                     " dans ces marges.");
        }
        return *layout;
    }
    const std::string grid = line.option("--grille").value_or("3x8");
    const auto [columns, rows] = countsOf(grid);
    const std::optional<labelling::SheetLayout> layout =
        labelling::gridLayout(page, columns, rows, margin);
    if (!layout) {
        complain("--grille " + strings::quoted(grid) + " : de 1 à " +
                 std::to_string(labelling::MostAcross) + " colonnes et de 1 à " +
                 std::to_string(labelling::MostAcross) + " lignes, qui tiennent sur " +
                 std::string(page.name) + " dans ces marges.");
    }
    return *layout;
}

labelling::SheetOptions sheetOptionsOf(const CommandLine& line,
                                       const labelling::SheetLayout& layout) {
    labelling::SheetOptions options;
    options.outlines = line.has("--contours");
    options.skipped = line.count("--debut", 0, "--debut");
    if (options.skipped >= layout.perPage()) {
        complain("--debut " + std::to_string(options.skipped) + " : la planche n'a que " +
                 std::to_string(layout.perPage()) + " étiquettes ; --debut en saute de 0 à " +
                 std::to_string(layout.perPage() - 1) + ".");
    }
    if (const std::optional<std::string> shift = line.option("--decalage")) {
        // "1,5x-0,5", or "1.5,-0.5" where the numbers have decimal points.
        const std::size_t comma = shift->find(',');
        const bool pointed = comma != std::string::npos &&
                             shift->find(',', comma + 1) == std::string::npos &&
                             shift->find_first_of("xX") == std::string::npos;
        const auto [across, down] = pointed ? std::pair{std::string_view(*shift).substr(0, comma),
                                                        std::string_view(*shift).substr(comma + 1)}
                                            : acrossAndDown(*shift, "--decalage");
        options.shiftAcross = millimetres(across, "--decalage", true);
        options.shiftDown = millimetres(down, "--decalage", true);
        if (std::max(std::abs(options.shiftAcross), std::abs(options.shiftDown)) > 20) {
            complain("--decalage " + strings::quoted(*shift) +
                     " : un décalage d'imprimante va de -20 à 20 mm de chaque côté.");
        }
    }
    if (const std::optional<std::string> edge = line.option("--bord-imprimante")) {
        options.printerEdge = millimetres(*edge, "--bord-imprimante");
    }
    if (!labelling::contentFits(layout, options)) {
        complain("une étiquette de " + notation::frenchNumber(layout.labelWidth) + " × " +
                 notation::frenchNumber(layout.labelHeight) +
                 " mm n'a pas la place de son contenu : il reste " +
                 notation::frenchNumber(labelling::SafeInset) +
                 " mm à l'intérieur de ses bords et " +
                 notation::frenchNumber(options.printerEdge) +
                 " mm des bords du papier (--bord-imprimante).");
    }
    return options;
}

std::string stickerSheetLine(const labelling::StickerSheet& sheet) {
    std::string code(sheet.code);
    code.resize(std::max<std::size_t>(code.size(), 7), ' ');
    std::string page(sheet.page.name);
    page.resize(std::max<std::size_t>(page.size(), 7), ' ');
    return code + page + std::to_string(sheet.columns) + " × " + std::to_string(sheet.rows) +
           " étiquettes de " + std::string(sheet.size);
}

std::string stickerSheetList() {
    std::string list = "Planches (--planche CODE) :\n";
    for (const labelling::StickerSheet& sheet : labelling::stickerSheets()) {
        list += "  " + stickerSheetLine(sheet) + "\n";
    }
    return list;
}

}  // namespace cli
