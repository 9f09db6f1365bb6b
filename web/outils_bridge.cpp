// SPDX-License-Identifier: GPL-3.0-or-later
// The bench tools for the page: resistances-code's own verbs, run on the
// words of the page's forms, their answers returned as JSON. The stock a
// person pasted or picked is the one file the verbs may read. Only functions
// with C names cross into JavaScript; a file's bytes cross as they are, so
// that the tool reads UTF-16 and Windows-1252 as it does on the command line.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/band_reader.h"
#include "cli/options.h"
#include "cli/page_text.h"
#include "cli/run.h"
#include "cli/verbs/etiquettes_sheet.h"
#include "labelling/sticker_sheets.h"
#include "logic/json_string.h"
#include "notation/colour_code.h"
#include "notation/marking.h"
#include "notation/series.h"
#include "strings/encoding.h"
#include "strings/terminal.h"

namespace {

class PastedFile : public cli::InputFiles {
public:
    PastedFile(std::string name, std::string_view text)
        : name_(std::move(name)), text_(text.substr(0, cli::LargestStock + 1)) {}

    [[nodiscard]] std::string read(const std::string& path,
                                   std::string_view called) const override {
        if (path != name_) {
            cli::complain("impossible de lire " + std::string(called) + " " +
                          strings::quoted(path) + ".");
        }
        return text_;
    }

private:
    std::string name_;
    std::string text_;
};

// What went to the error stream, for the page: each note or complaint
// without the program's name or a command line to type; the word the
// complaint is about.
cli::FormComplaint pageComplaints(std::string_view err, const std::vector<std::string>& arguments) {
    cli::FormComplaint all;
    for (std::size_t end = 0; !err.empty(); err.remove_prefix(std::min(end + 1, err.size()))) {
        end = std::min(err.find('\n'), err.size());
        const cli::FormComplaint one = cli::complaintForForm(err.substr(0, end), arguments);
        all.message += (all.message.empty() ? "" : "\n") + one.message;
        all.word = one.word;
    }
    return all;
}

// One command line: its words, the status, what it answered, typeset for
// the page (a document, such as a sheet of labels, as it is), and what it
// complained, with the word it is about.
std::string answered(const std::vector<std::string>& arguments, const cli::InputFiles& files) {
    cli::Answer out;
    cli::Answer err;
    const int status = cli::run(arguments, out, err, files);
    std::string words;
    for (const std::string& word : arguments) {
        words += (words.empty() ? "" : ",") + logic::jsonString(word);
    }
    const bool document = out.text().starts_with("<");
    const cli::FormComplaint complaints = pageComplaints(err.text(), arguments);
    return "{\"arguments\":[" + words + "],\"status\":" + std::to_string(status) + ",\"out\":" +
           logic::jsonString(document ? out.text() : cli::typesetForPage(out.text())) +
           ",\"err\":" + logic::jsonString(complaints.message) +
           ",\"word\":" + std::to_string(status == cli::BadInput ? complaints.word : -1) + "}";
}

std::vector<std::string> lines(std::string_view text) {
    std::vector<std::string> split;
    for (std::size_t end = 0; !text.empty() || end != 0; text.remove_prefix(end + 1)) {
        end = std::min(text.find('\n'), text.size());
        split.emplace_back(text.substr(0, end));
        if (end == text.size()) {
            break;
        }
    }
    return split;
}

// The commands that answer what a person has in hand: colour names (French
// or English; any words without a digit) or a marking ("472", "01C", "4R7")
// are read (`lire`); anything else is a value, given its bands and its
// markings (`trouver`, `trouver --cms`). Words as typed, split at blanks.
std::vector<std::vector<std::string>> commandsForInHand(std::string_view text) {
    const std::vector<std::string> words = cli::wordsOf(text);
    // Words without a digit are colours, even misspelt ones, so that the
    // complaint names the colour; a word that reads as a marking is one.
    const bool colours = !words.empty() && !notation::looksLikeMarking(words.front());
    const bool marking =
        words.size() == 1 && std::holds_alternative<std::vector<notation::Marking>>(
                                 notation::readMarking(words.front()));
    std::vector<std::string> asked{colours || marking ? "lire" : "trouver"};
    asked.insert(asked.end(), words.begin(), words.end());
    // Nothing typed is one complaint, not one for each way of answering.
    if (colours || marking || words.empty()) {
        return {asked};
    }
    std::vector<std::string> markings = asked;
    markings.emplace_back("--cms");
    return {asked, markings};
}

// The paint of a band, the labels' own: a true brown, a gold that reads as
// gold; the window's page keeps the window's paints.
std::string paintOf(notation::Colour colour) {
    return std::string(notation::swatchOf(colour));
}

std::string namesJson(const std::vector<notation::Colour>& colours) {
    std::string names;
    for (const notation::Colour colour : colours) {
        names += (names.empty() ? "" : ",") + logic::jsonString(cli::spokenColour(colour));
    }
    return "[" + names + "]";
}

const char* kept(std::string text) {
    static std::string last;
    last = std::move(text);
    return last.c_str();
}

}  // namespace

extern "C" {

// The words of one command, a line each; the name and bytes of the stock or
// bill picked or pasted, if any.
const char* tools_run(const char* arguments, const char* fileName, const char* bytes, int length) {
    const std::string_view file(bytes, static_cast<std::size_t>(std::max(length, 0)));
    return kept("[" + answered(lines(arguments), PastedFile(fileName, file)) + "]");
}

// A picked file's text as the tool reads it (UTF-8, UTF-16 or Windows-1252),
// to show where it can be read and changed; null where it is none of them.
const char* tools_text_of(const char* bytes, int length) {
    const std::optional<std::string> text =
        strings::utf8Of(std::string_view(bytes, static_cast<std::size_t>(std::max(length, 0))));
    return kept(text ? logic::jsonString(*text) : "null");
}

// What a person has in hand: colours, a marking or a value.
const char* tools_in_hand(const char* text) {
    std::string answers;
    for (const std::vector<std::string>& command : commandsForInHand(text)) {
        answers += (answers.empty() ? "" : ",") + answered(command, PastedFile("", ""));
    }
    return kept("[" + answers + "]");
}

// Each colour's name, as answers write it, and the paint of its swatch.
const char* tools_colours() {
    std::string colours;
    for (const notation::Colour colour : notation::AllColours) {
        colours += (colours.empty() ? "" : ",") + logic::jsonString(notation::nameOf(colour)) +
                   ":" + logic::jsonString(paintOf(colour));
    }
    return kept("{" + colours + "}");
}

// A code tapped in: the colours chosen so far, comma-separated, an empty
// entry for a band still to choose, 3 to 6 entries (4 empty ones otherwise);
// after "inductance;", an inductor's 4 or 5.
// Each band's label, role, choice and allowed colours with their paints;
// what is still to choose, or the tool's reading once every band is chosen.
const char* tools_bands(const char* chosen) {
    std::vector<std::optional<notation::Colour>> colours;
    std::string_view text(chosen);
    // "inductance;jaune,violet,or,argent": an inductor's bands.
    const bool inductor = text.starts_with("inductance;");
    if (inductor) {
        text.remove_prefix(std::string_view("inductance;").size());
    }
    for (std::size_t end = 0;; text.remove_prefix(end + 1)) {
        end = std::min(text.find(','), text.size());
        colours.push_back(notation::parseColour(text.substr(0, end)));
        if (end == text.size()) {
            break;
        }
    }
    if (colours.size() < (inductor ? 4 : 3) || colours.size() > (inductor ? 5 : 6)) {
        colours.assign(4, std::nullopt);
    }
    const std::vector<cli::BandPlace> places =
        cli::bandPlaces(colours, inductor ? cli::BandedPart::Inductor : cli::BandedPart::Resistor);
    std::string json;
    std::vector<std::string> command{inductor ? "inductance" : "lire"};
    for (const cli::BandPlace& place : places) {
        std::string allowed;
        for (const notation::Colour colour : place.allowed) {
            allowed += (allowed.empty() ? "" : ",") + std::string("{\"name\":") +
                       logic::jsonString(cli::spokenColour(colour)) +
                       ",\"paint\":" + logic::jsonString(paintOf(colour)) + "}";
        }
        json += (json.empty() ? "" : ",") + std::string("{\"label\":") +
                logic::jsonString(place.label) + ",\"role\":" + logic::jsonString(place.role) +
                ",\"chosen\":" +
                (place.chosen ? logic::jsonString(cli::spokenColour(*place.chosen)) : "null") +
                ",\"colours\":[" + allowed + "]}";
        if (place.chosen) {
            command.push_back(cli::spokenColour(*place.chosen));
        }
    }
    const std::string missing = cli::stillToChoose(places);
    return kept(
        "{\"places\":[" + json + "],\"missing\":" + logic::jsonString(missing) +
        ",\"answer\":" + (missing.empty() ? answered(command, PastedFile("", "")) : "null") + "}");
}

// The bands to paint for what a person typed: its colours, or the bands the
// tool gives its value; none when it has none.
const char* tools_bands_of(const char* text) {
    return kept(namesJson(cli::bandsOfText(text)));
}

// The sticker sheets the tool knows: each one's code and the line that
// describes it, for the labels' choice of sheet.
const char* tools_sheets() {
    std::string sheets;
    for (const labelling::StickerSheet& sheet : labelling::stickerSheets()) {
        sheets += (sheets.empty() ? "[" : ",[") + logic::jsonString(sheet.code) + "," +
                  logic::jsonString(cli::stickerSheetLine(sheet)) + "]";
    }
    return kept("[" + sheets + "]");
}

// The series' names, coarsest first, for the forms' choices.
const char* tools_series() {
    std::string names;
    for (const notation::Series& series : notation::allSeries()) {
        names += (names.empty() ? "" : ",") + logic::jsonString(series.name);
    }
    return kept("[" + names + "]");
}

}  // extern "C"
