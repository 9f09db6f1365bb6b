// SPDX-License-Identifier: GPL-3.0-or-later
// etiquettes (labels): a sheet of labels for parts drawers or a kit, from a
// series, a stock or a bill of materials, as SVG or PDF.
#include <algorithm>
#include <optional>
#include <utility>
#include <variant>

#include "cli/part_source.h"
#include "cli/readers.h"
#include "cli/run.h"
#include "cli/verbs/etiquettes_sheet.h"
#include "cli/verbs/verbs.h"
#include "cli/wording.h"
#include "labelling/bill_of_materials.h"
#include "labelling/reactive_labels.h"
#include "labelling/writers.h"
#include "notation/colour_code.h"
#include "notation/french.h"
#include "notation/series.h"
#include "reactive/inductor_code.h"
#include "reactive/quantities.h"
#include "strings/encoding.h"
#include "strings/terminal.h"
#include "strings/text.h"

namespace cli {

namespace {

// The tolerances a series' parts are sold at: its own where its strip has
// that colour, else the usual gold of 4 bands and brown of 5.
labelling::StripTolerances tolerancesOf(const notation::Series* series) {
    labelling::StripTolerances tolerances;
    if (series != nullptr && series->toleranceBasisPoints <= notation::WidestBandTolerance) {
        tolerances.four = series->toleranceBasisPoints;
    }
    if (series != nullptr && series->toleranceBasisPoints <= 200) {
        tolerances.five = series->toleranceBasisPoints;
    }
    return tolerances;
}

// The bill as notes and complaints name it.
std::string billName(const std::string& path) {
    return path == StandardInput ? "entrée standard" : strings::printable(path);
}

// The bill's size and lines are checked as a stock's are.
void checkBillText(std::string_view text, const std::string& path) {
    if (text.size() > LargestStock) {
        complain("la nomenclature " + strings::quoted(path) + " dépasse " +
                 mebibytes(LargestStock) + " : ce n'est pas une nomenclature.");
    }
    for (int number = 1; !text.empty(); ++number) {
        // Old Mac files end their lines with a lone CR.
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        if (end > LongestBillLine) {
            complain(billName(path) + ", ligne " + std::to_string(number) + " : ligne de plus de " +
                     std::to_string(LongestBillLine) + " octets ; ce n'est pas une nomenclature.");
        }
        const bool crlf = text.substr(end).starts_with("\r\n");
        text.remove_prefix(std::min(end + (crlf ? 2 : 1), text.size()));
    }
}

// The tolerances of a label's strips: the bill's where it writes one with a
// band colour, else the usual gold and brown.
labelling::StripTolerances tolerancesFrom(std::optional<int> written) {
    const std::vector<int> colours = notation::codeTolerances();
    if (!written || std::find(colours.begin(), colours.end(), *written) == colours.end() ||
        *written > notation::WidestBandTolerance) {
        return {};
    }
    return {*written, *written};
}

// "2 résistances non montées", "1 réseau de résistances": a count and its noun.
std::string counted(int count, std::string_view one, std::string_view several) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : several);
}

// What the bill holds that gets no label, one note a reason.
void noteLeftOut(const labelling::Bom& bill, const std::string& named, Answer& out) {
    for (const labelling::BomUnreadable& line : bill.unreadable) {
        out.note(named + ", ligne " + std::to_string(line.line) + " : valeur illisible " +
                 strings::quoted(line.value) + " pour " + strings::printable(line.references) +
                 ", sans étiquette.");
    }
    if (bill.notFitted > 0) {
        out.note(named + " : " +
                 counted(bill.notFitted, "résistance non montée (DNP)",
                         "résistances non montées (DNP)") +
                 ", sans étiquette.");
    }
    if (bill.notFixed.any()) {
        std::vector<std::string> kinds;
        const labelling::NotFixedResistors& parts = bill.notFixed;
        if (parts.potentiometers > 0) {
            kinds.push_back(counted(parts.potentiometers, "potentiomètre ou ajustable",
                                    "potentiomètres ou ajustables"));
        }
        if (parts.networks > 0) {
            kinds.push_back(
                counted(parts.networks, "réseau de résistances", "réseaux de résistances"));
        }
        if (parts.thermistors > 0) {
            kinds.push_back(counted(parts.thermistors, "thermistance ou photorésistance",
                                    "thermistances ou photorésistances"));
        }
        out.note(named + " : pas de résistance fixe, sans étiquette : " +
                 strings::joined(kinds, ", ") + ".");
    }
    if (bill.skipped > 0) {
        out.note(named + " : " +
                 counted(bill.skipped, "ligne ignorée, qui n'est pas une résistance.",
                         "lignes ignorées, qui ne sont pas des résistances."));
    }
}

// One label a value and tolerance, in the order the bill first gives it,
// with every part that carries it; what was not labelled is noted on the
// error stream.
labelling::Bom billOf(const std::string& path, const InputFiles& files) {
    const std::optional<std::string> text = strings::utf8Of(files.read(path, "la nomenclature"));
    if (!text) {
        complain("la nomenclature " + strings::quoted(path) +
                 " n'est ni en UTF-8, ni en UTF-16, ni en Windows-1252 : enregistrez-la en "
                 "UTF-8 (« CSV UTF-8 » dans un tableur).");
    }
    checkBillText(*text, path);
    const auto read = labelling::readBillOfMaterials(*text);
    if (const auto* fault = std::get_if<labelling::BomFault>(&read)) {
        complain("la nomenclature " + strings::quoted(path) +
                 (*fault == labelling::BomFault::UnclosedQuote
                      ? " a un guillemet jamais refermé."
                      : " n'a pas de ligne d'en-tête nommant les repères (Reference, "
                        "Designator, Ref, Part) et les valeurs (Value, Comment, Designation) "
                        "ou leur description."));
    }
    return std::get<labelling::Bom>(read);
}

std::vector<labelling::LabelContent> billLabels(const std::string& path, const InputFiles& files,
                                                Answer& out) {
    const labelling::Bom bill = billOf(path, files);
    noteLeftOut(bill, billName(path), out);
    if (bill.resistors.empty()) {
        complain("la nomenclature " + strings::quoted(path) +
                 " ne donne aucune résistance lisible.");
    }
    // Several lines of one part (two footprints, say) share its label; the
    // same value at another tolerance is another part.
    struct Group {
        const labelling::PartValue* part;
        std::vector<labelling::Reference> references;
        int count = 0;
        std::vector<std::string> details;  // packages, then powers, each once
    };
    std::vector<Group> groups;
    for (const labelling::BomResistor& line : bill.resistors) {
        auto group = std::find_if(groups.begin(), groups.end(), [&](const Group& seen) {
            return seen.part->resistance == line.value.resistance &&
                   seen.part->tolerance == line.value.tolerance;
        });
        if (group == groups.end()) {
            group = groups.insert(groups.end(), Group{&line.value, {}, 0, {}});
        }
        group->references.insert(group->references.end(), line.references.begin(),
                                 line.references.end());
        group->count += line.count;
        for (const std::string& detail : {line.value.package, line.value.power}) {
            if (!detail.empty() && std::find(group->details.begin(), group->details.end(),
                                             detail) == group->details.end()) {
                group->details.push_back(detail);
            }
        }
    }
    std::vector<labelling::LabelContent> labels;
    for (const Group& group : groups) {
        labelling::LabelContent label =
            labelling::labelOf(group.part->resistance, tolerancesFrom(group.part->tolerance),
                               labelling::compactReferences(group.references), group.count);
        label.details = strings::printable(strings::joined(group.details, ", "));
        labels.push_back(std::move(label));
    }
    return labels;
}

}  // namespace

std::string etiquettesUsage() {
    return "  etiquettes [--serie E12] [--de 10] [--a 1M] | --valeurs 4k7,10k,220\n"
           "      | --stock FICHIER | --nomenclature (--bom) FICHIER.csv\n"
           "      [--format svg|pdf] [--sortie (--output) FICHIER]\n"
           "      [--planche L7160 | [--page A4|Letter] [--grille 3x8 | --taille 48x17] [--marges "
           "0]\n"
           "      | --taille 63,5x38,1 [--pas 66,04x38,1] [--origine 7,21x15,15] [--grille 3x7]]\n"
           "      [--debut N] [--decalage DX,DY] [--bord-imprimante 4] [--contours] (en mm)\n"
           "                                   (labels) étiquettes des tiroirs ou d'un kit : la "
           "valeur,\n"
           "                                   ses bagues en 4 et 5 avec l'initiale de chaque "
           "couleur,\n"
           "                                   ses marquages CMS et, d'une nomenclature (CSV "
           "exporté\n"
           "                                   par un logiciel de CAO), ses repères et leur "
           "nombre.\n"
           "                                   Le PDF ne s'écrit jamais dans un terminal\n"
           "  etiquettes --sorte condensateur|inductance [--serie E6] [--de 10p] [--a 10µ]\n"
           "      | --valeurs 100n,4n7,10µ | --nomenclature FICHIER\n"
           "                                   étiquettes de condensateurs (valeur, code, en "
           "clair) ou\n"
           "                                   d'inductances (valeur, bagues, code militaire, "
           "code)\n"
           "  etiquettes --planches            les planches connues de --planche\n"
           "  etiquettes --essai [la planche]  une page de contours, de croix et de règles\n"
           "                                   pour régler l'imprimante sur une planche\n";
}

namespace {

// The capacitors or inductors of a bill, one label a value, voltage and
// tolerance, in the order the bill first gives it.
std::vector<labelling::LabelContent> reactiveBillLabels(const labelling::Bom& bill, bool capacitors,
                                                        const std::string& path) {
    const std::vector<labelling::BomReactive>& lines =
        capacitors ? bill.capacitors : bill.inductors;
    if (lines.empty()) {
        complain("la nomenclature " + strings::quoted(path) + " ne donne aucun" +
                 (capacitors ? " condensateur lisible (repères C)."
                             : "e inductance lisible (repères L)."));
    }
    struct Group {
        const labelling::ReactiveValue* part;
        std::vector<labelling::Reference> references;
        int count = 0;
        std::vector<std::string> details;
    };
    std::vector<Group> groups;
    for (const labelling::BomReactive& line : lines) {
        auto group = std::find_if(groups.begin(), groups.end(), [&](const Group& seen) {
            return seen.part->amount == line.value.amount &&
                   seen.part->voltage == line.value.voltage &&
                   seen.part->tolerance == line.value.tolerance;
        });
        if (group == groups.end()) {
            group = groups.insert(groups.end(), Group{&line.value, {}, 0, {}});
            if (line.value.tolerance) {
                group->details.push_back(notation::frenchTolerance(*line.value.tolerance));
            }
        }
        group->references.insert(group->references.end(), line.references.begin(),
                                 line.references.end());
        group->count += line.count;
        for (const std::string& detail :
             {line.value.voltage, line.value.dielectric, line.value.package}) {
            if (!detail.empty() && std::find(group->details.begin(), group->details.end(),
                                             detail) == group->details.end()) {
                group->details.push_back(detail);
            }
        }
    }
    std::vector<labelling::LabelContent> labels;
    for (const Group& group : groups) {
        const notation::Decimal& amount = group.part->amount;
        labelling::LabelContent label =
            capacitors ? labelling::capacitorLabel({amount.significand(), amount.exponent()})
                       : labelling::inductorLabel({amount.significand(), amount.exponent()},
                                                  group.part->tolerance.value_or(1000));
        label.parts = labelling::compactReferences(group.references);
        label.count = group.count;
        label.details = strings::printable(strings::joined(group.details, ", "));
        labels.push_back(std::move(label));
    }
    return labels;
}

// --valeurs of capacitors or inductors: "100n,4n7,10µ", or with semicolons
// where the values have decimal commas: "0,1µ;4,7µ".
// A capacitance or an inductance of --valeurs, --de or --a; a complaint
// that names `what` where it does not read.
notation::Decimal amountOf(const std::string& text, bool capacitors, std::string_view what) {
    // The quantity read, as a plain decimal of farads or henries.
    const auto plain = [](const auto& read) -> notation::Read<notation::Decimal> {
        if (const auto* why = std::get_if<notation::ReadProblem>(&read)) {
            return *why;
        }
        return notation::Decimal(std::get<0>(read));
    };
    const notation::Read<notation::Decimal> read =
        capacitors ? plain(reactive::readCapacitance(text)) : plain(reactive::readInductance(text));
    if (const auto* why = std::get_if<notation::ReadProblem>(&read)) {
        complain(
            std::string(what) + " : valeur illisible " + strings::quoted(text) + " : " +
            reasonFor(*why, Quantity::Number) +
            (capacitors ? ". Exemples : 100n, 4n7, 10µ, 0,1µF." : ". Exemples : 4µ7, 100µ, 10mH."));
    }
    return std::get<notation::Decimal>(read);
}

// The values of --valeurs, "100n,4n7,10µ", or with semicolons where they
// have decimal commas, "0,1µ;4,7µ"; or of a series from --de to --a.
std::vector<notation::Decimal> amountsOf(const CommandLine& line, bool capacitors,
                                         const notation::Series*& series) {
    std::vector<notation::Decimal> amounts;
    if (const std::optional<std::string> list = line.option("--valeurs")) {
        for (const std::string_view other : {"--serie", "--de", "--a"}) {
            if (line.has(other)) {
                complain("--valeurs ne va pas avec " + std::string(other) + ".");
            }
        }
        const char separator = list->find(';') != std::string::npos ? ';' : ',';
        for (std::size_t start = 0; start <= list->size();) {
            const std::size_t end = std::min(list->find(separator, start), list->size());
            const std::string piece(
                strings::trimmed(std::string_view(*list).substr(start, end - start)));
            start = end + 1;
            if (!piece.empty()) {
                amounts.push_back(amountOf(piece, capacitors, "--valeurs"));
            }
        }
        if (amounts.empty()) {
            complain("--valeurs ne contient aucune valeur.");
        }
        return amounts;
    }
    // A kit of the series capacitors and inductors are sold in: E6 by default.
    const std::string name = line.option("--serie").value_or("E6");
    series = notation::seriesNamed(strings::asciiUppered(name));
    if (series == nullptr) {
        complain("série inconnue " + strings::quoted(name) + ". Séries : " + seriesNames() + ".");
    }
    const notation::Decimal low =
        amountOf(line.option("--de").value_or(capacitors ? "10p" : "1µ"), capacitors, "--de");
    const notation::Decimal high =
        amountOf(line.option("--a").value_or(capacitors ? "10µ" : "10m"), capacitors, "--a");
    // The series are figures, the same for every unit.
    for (const notation::Value& figures : notation::valuesBetween(
             *series, {low.significand(), low.exponent()}, {high.significand(), high.exponent()})) {
        amounts.emplace_back(figures.significand(), figures.exponent());
    }
    if (amounts.empty()) {
        complain("aucune valeur de la série " + std::string(series->name) + " entre --de et --a.");
    }
    return amounts;
}

// Labels of capacitors or inductors: from a bill, a list or a series.
std::vector<labelling::LabelContent> reactiveLabels(const CommandLine& line, std::string_view kind,
                                                    const InputFiles& files) {
    const bool capacitors = kind == "condensateur";
    if (line.has("--stock")) {
        complain("--sorte " + std::string(kind) +
                 " ne va pas avec --stock : donnez les valeurs par --valeurs.");
    }
    if (const std::optional<std::string> bill = line.option("--nomenclature")) {
        for (const std::string_view other : {"--serie", "--de", "--a", "--valeurs"}) {
            if (line.has(other)) {
                complain("--nomenclature ne va pas avec " + std::string(other) + ".");
            }
        }
        return reactiveBillLabels(billOf(*bill, files), capacitors, *bill);
    }
    const notation::Series* series = nullptr;
    std::vector<labelling::LabelContent> labels;
    for (const notation::Decimal& amount : amountsOf(line, capacitors, series)) {
        // An inductor's bands take the series' tolerance where it has a colour.
        const int tolerance =
            series != nullptr && reactive::inductorToleranceColour(series->toleranceBasisPoints)
                ? series->toleranceBasisPoints
                : 1000;
        labels.push_back(
            capacitors
                ? labelling::capacitorLabel({amount.significand(), amount.exponent()})
                : labelling::inductorLabel({amount.significand(), amount.exponent()}, tolerance));
    }
    return labels;
}

}  // namespace

int etiquettes(const CommandLine& line, Answer& out, const InputFiles& files) {
    if (line.has("--planches")) {
        out << stickerSheetList();
        return Done;
    }
    if (!line.words().empty()) {
        complain(
            "etiquettes ne prend pas de valeur seule : --serie, --valeurs, --stock ou "
            "--nomenclature.");
    }
    const bool pdf = line.option("--format") == "pdf";
    const labelling::SheetLayout layout = sheetLayoutOf(line);
    const labelling::SheetOptions options = sheetOptionsOf(line, layout);
    std::vector<labelling::Page> pages;
    if (line.has("--essai")) {
        pages.push_back(labelling::testPage(layout, options));
    } else {
        std::vector<labelling::LabelContent> labels;
        const std::string kind = line.option("--sorte").value_or("resistance");
        if (kind != "resistance") {
            labels = reactiveLabels(line, kind, files);
        } else if (const std::optional<std::string> bill = line.option("--nomenclature")) {
            for (const std::string_view other :
                 {"--serie", "--de", "--a", "--valeurs", "--stock"}) {
                if (line.has(other)) {
                    complain("--nomenclature ne va pas avec " + std::string(other) + ".");
                }
            }
            labels = billLabels(*bill, files, out);
        } else {
            const PartSource source = partSourceOf(line, files);
            for (const notation::Value& value : source.values) {
                labels.push_back(labelling::labelOf(value, tolerancesOf(source.series)));
            }
        }
        pages = labelling::drawSheet(labels, layout, options);
    }
    if (pdf) {
        const std::optional<std::string> document = labelling::pdfOf(pages, layout);
        if (!document) {
            complain("impossible de faire le PDF ici ; la feuille en SVG s'imprime aussi.");
        }
        out << *document;
        out.markBinary();
    } else {
        out << labelling::svgOf(pages, layout);
    }
    if (const std::optional<std::string> file = line.option("--sortie")) {
        out.sendTo(*file);
    }
    return Done;
}

}  // namespace cli
