// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/bill_of_materials.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <span>
#include <utility>

#include "labelling/table_rows.h"
#include "strings/text.h"

namespace labelling {

namespace {

// A header cell as compared with the names below: lower case, blanks and
// line breaks as one space, no colon or hash at the end.
std::string headerName(std::string_view cell) {
    std::string name;
    for (const char c : strings::asciiLowered(cell)) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (!blank) {
            name += c;
        } else if (!name.empty() && name.back() != ' ') {
            name += ' ';
        }
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == ':' || name.back() == '#')) {
        name.pop_back();
    }
    // "Référence", "Quantité", "Repère": the accented capitals are the only others.
    for (const auto& [upper, lower] : {std::pair{"É", "é"}, std::pair{"È", "è"}}) {
        for (std::size_t at = name.find(upper); at != std::string::npos; at = name.find(upper)) {
            name.replace(at, std::string_view(upper).size(), lower);
        }
    }
    return name;
}

// What a column holds, each with its names, the likeliest first: a name
// later in a list is taken only where no earlier one is in the header.
enum class Role : unsigned char {
    References,
    Value,
    Description,
    Count,
    Footprint,
    Library,
    NotFitted,
    Fitted,
    Tolerance,
    Power
};

struct RoleNames {
    Role role;
    std::span<const std::string_view> names;
};

constexpr std::array<std::string_view, 14> ReferenceNames{
    "reference",  "references", "reference(s)", "designator",        "designators",
    "ref",        "refs",       "refdes",       "ref des",           "référence",
    "références", "repère",     "repères",      "customer reference"};
// EAGLE's parts list names its references "Part", and its grouped
// exports "Parts"; in other tools "Part" names the library's part.
constexpr std::array<std::string_view, 2> PartNames{"part", "parts"};
constexpr std::array<std::string_view, 7> ValueNames{"value",       "valeur", "val", "comment",
                                                     "designation", "name",   "nom"};
constexpr std::array<std::string_view, 6> DescriptionNames{"description",
                                                           "desc",
                                                           "part description",
                                                           "product description",
                                                           "manufacturer description",
                                                           "customer description"};
constexpr std::array<std::string_view, 12> CountNames{
    "qty",           "quantity", "qnty", "quantity per pcb",   "qty per pcb",
    "qty per board", "quantité", "qté",  "quantité par carte", "qté par carte",
    "count",         "order qty"};
constexpr std::array<std::string_view, 7> FootprintNames{
    "footprint", "package", "pattern", "case", "case/package", "empreinte", "boîtier"};
constexpr std::array<std::string_view, 7> LibraryNames{"libpart", "lib part", "cmp name", "libref",
                                                       "device",  "symbol",   "part"};
constexpr std::array<std::string_view, 6> NotFittedNames{
    "dnp", "dnf", "do not populate", "do not place", "not fitted", "exclude from board"};
constexpr std::array<std::string_view, 4> FittedNames{"fitted", "populate", "populated", "monté"};
constexpr std::array<std::string_view, 4> ToleranceNames{"tolerance", "tol", "tolérance",
                                                         "précision"};
constexpr std::array<std::string_view, 6> PowerNames{"power",  "wattage",   "power rating",
                                                     "rating", "puissance", "watts"};

struct Columns {
    std::array<std::optional<std::size_t>, 10> at;

    [[nodiscard]] std::optional<std::size_t> of(Role role) const {
        return at[static_cast<std::size_t>(role)];
    }
    [[nodiscard]] bool found() const {
        return of(Role::References) && (of(Role::Value) || of(Role::Description));
    }
};

Columns columnsOf(const Row& row) {
    std::vector<std::string> names;
    names.reserve(row.size());
    for (const std::string& cell : row) {
        names.push_back(headerName(cell));
    }
    std::vector<bool> taken(row.size(), false);
    Columns columns;
    const auto claim = [&](Role role, std::span<const std::string_view> wanted) {
        auto& place = columns.at[static_cast<std::size_t>(role)];
        for (const std::string_view name : wanted) {
            for (std::size_t i = 0; i < names.size() && !place; ++i) {
                if (!taken[i] && names[i] == name) {
                    place = i;
                    taken[i] = true;
                }
            }
        }
    };
    claim(Role::References, ReferenceNames);
    claim(Role::References, PartNames);
    claim(Role::Value, ValueNames);
    claim(Role::Description, DescriptionNames);
    claim(Role::Count, CountNames);
    claim(Role::Footprint, FootprintNames);
    claim(Role::Library, LibraryNames);
    claim(Role::NotFitted, NotFittedNames);
    claim(Role::Fitted, FittedNames);
    claim(Role::Tolerance, ToleranceNames);
    claim(Role::Power, PowerNames);
    return columns;
}

bool isHeader(const Row& row) {
    return columnsOf(row).found();
}

// Whether any of `words` is in `text`, in any case: a word of four letters or
// fewer only as a whole word ("POT" in "R_POT_Small" but not in "SPOT").
bool mentions(std::string_view text, std::span<const std::string_view> words) {
    const std::string low = strings::asciiLowered(text);
    for (const std::string_view word : words) {
        for (std::size_t at = low.find(word); at != std::string::npos;
             at = low.find(word, at + 1)) {
            const auto letterAt = [&](std::size_t i) {
                return i < low.size() && std::isalpha(static_cast<unsigned char>(low[i])) != 0;
            };
            if (word.size() > 4 ||
                ((at == 0 || !letterAt(at - 1)) && !letterAt(at + word.size()))) {
                return true;
            }
        }
    }
    return false;
}

enum class Kind : unsigned char { Fixed, Potentiometer, Network, Thermistor, Other };

// What the parts of a line are, from their references' letters, then from
// what the value, library, footprint and description say.
Kind kindOf(std::span<const Reference> references, std::string_view said) {
    constexpr std::array<std::string_view, 4> PotentiometerLetters{"RV", "VR", "POT", "TRIM"};
    constexpr std::array<std::string_view, 2> NetworkLetters{"RN", "RA"};
    constexpr std::array<std::string_view, 6> ThermistorLetters{"RT",  "TH",  "NTC",
                                                                "PTC", "LDR", "RTH"};
    const auto lettered = [&](std::span<const std::string_view> letters) {
        return std::all_of(references.begin(), references.end(), [&](const Reference& reference) {
            const std::string upper = strings::asciiUppered(reference.letters);
            return std::find(letters.begin(), letters.end(), upper) != letters.end();
        });
    };
    const bool resistors =
        std::all_of(references.begin(), references.end(), [](const Reference& reference) {
            return reference.letters == "R" || reference.letters == "r";
        });
    constexpr std::array<std::string_view, 8> PotentiometerWords{
        "potentiometer", "trimmer", "trimpot", "pot", "trim", "r_pot", "rheostat", "potentiomètre"};
    constexpr std::array<std::string_view, 7> NetworkWords{
        "network", "array", "r_pack", "respack", "r_array", "réseau", "resistor pack"};
    constexpr std::array<std::string_view, 8> ThermistorWords{
        "thermistor", "ntc", "ptc", "ldr", "photoresistor", "photocell", "r_photo", "thermistance"};
    if (lettered(PotentiometerLetters)) {
        return Kind::Potentiometer;
    }
    if (lettered(NetworkLetters)) {
        return Kind::Network;
    }
    if (lettered(ThermistorLetters)) {
        return Kind::Thermistor;
    }
    if (!resistors) {
        return Kind::Other;
    }
    if (mentions(said, ThermistorWords)) {
        return Kind::Thermistor;
    }
    if (mentions(said, PotentiometerWords)) {
        return Kind::Potentiometer;
    }
    if (mentions(said, NetworkWords)) {
        return Kind::Network;
    }
    return Kind::Fixed;
}

// A Fitted column's word for a part left off: "No", "0", "DNF"...
bool saysLeftOff(std::string_view text) {
    constexpr std::array<std::string_view, 9> Off{"no",  "n",   "0",          "false",   "non",
                                                  "dnf", "dnp", "not fitted", "excluded"};
    const std::string low = strings::asciiLowered(strings::trimmed(text));
    return std::find(Off.begin(), Off.end(), low) != Off.end();
}

// A DNP column's word for a part left off: anything but nothing or a no.
bool marksLeftOff(std::string_view text) {
    constexpr std::array<std::string_view, 8> Fitted{"",      "no",  "n", "0",
                                                     "false", "non", "-", "fitted"};
    const std::string low = strings::asciiLowered(strings::trimmed(text));
    return std::find(Fitted.begin(), Fitted.end(), low) == Fitted.end();
}

// The quantity column's whole number, where it holds one.
std::optional<int> countIn(std::string_view text) {
    text = strings::trimmed(text);
    if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return std::nullopt;
    }
    return std::stoi(std::string(text));
}

// Reads the lines of one layout of the file into `bom`.
class BomReader {
public:
    explicit BomReader(Bom& bom) : bom_(bom) {}

    void read(const Rows& rows) {
        std::optional<Columns> columns;
        for (std::size_t i = 0; i < rows.rows.size(); ++i) {
            const Columns found = columnsOf(rows.rows[i]);
            if (found.found()) {
                columns = found;
            } else if (columns) {
                readLine(rows.rows[i], *columns, rows.lines[i]);
            }
        }
    }

private:
    void readLine(const Row& row, const Columns& columns, int line) {
        const auto field = [&](Role role) -> std::string_view {
            const std::optional<std::size_t> column = columns.of(role);
            return column && *column < row.size() ? std::string_view(row[*column])
                                                  : std::string_view();
        };
        const std::string_view written = field(Role::References);
        std::optional<std::vector<Reference>> references = referencesIn(written);
        if (!references) {
            return;  // a note or a summary, not a part
        }
        const std::size_t listed = references->size();
        // Parts already read (KiCad lists each part again, collated) are not
        // counted twice.
        std::erase_if(*references, [&](const Reference& reference) {
            return !seen_.insert(reference.text()).second;
        });
        if (references->empty()) {
            return;
        }
        const std::string_view value = field(Role::Value);
        const std::string_view description = field(Role::Description);
        const std::string said = std::string(value) + ' ' + std::string(field(Role::Library)) +
                                 ' ' + std::string(field(Role::Footprint)) + ' ' +
                                 std::string(description);
        const int parts = static_cast<int>(references->size());
        const std::optional<int> quantity = countIn(field(Role::Count));
        const bool notFitted = marksLeftOff(field(Role::NotFitted)) ||
                               saysLeftOff(field(Role::Fitted)) || quantity == 0 ||
                               saysNotFitted(value);
        // A quantity that disagrees with references some of which were read
        // already is not this line's.
        const bool whole = quantity && listed == references->size();
        switch (kindOf(*references, said)) {
            case Kind::Other:
                ++bom_.skipped;
                if (!notFitted) {
                    keepReactive(*references, {value, description, field(Role::Footprint)},
                                 whole ? *quantity : parts, line);
                }
                return;
            case Kind::Potentiometer:
                bom_.notFixed.potentiometers += parts;
                return;
            case Kind::Network:
                bom_.notFixed.networks += parts;
                return;
            case Kind::Thermistor:
                bom_.notFixed.thermistors += parts;
                return;
            case Kind::Fixed:
                break;
        }
        if (notFitted) {
            bom_.notFitted += parts;
            return;
        }
        std::optional<PartValue> read = readPartValue(value);
        if (!read && !description.empty()) {
            read = readPartValue(description);
            if (read && read->package.empty()) {
                read->package = packageIn(description);
            }
        }
        if (!read) {
            bom_.unreadable.push_back({line, std::string(strings::trimmed(written, " \t\r,;")),
                                       std::string(value.empty() ? description : value)});
            return;
        }
        if (read->package.empty()) {
            read->package = packageIn(field(Role::Footprint));
        }
        if (!read->tolerance) {
            read->tolerance = toleranceIn(field(Role::Tolerance));
        }
        if (read->power.empty()) {
            read->power = powerIn(field(Role::Power));
        }
        bom_.resistors.push_back(
            {*std::move(read), *std::move(references), whole ? *quantity : parts, line});
    }

    // A line of capacitors or of inductors, all C or all L, whose value reads.
    struct Said {
        std::string_view value;
        std::string_view description;
        std::string_view footprint;
    };
    void keepReactive(std::vector<Reference>& references, Said said, int count, int line) {
        const auto all = [&](std::string_view letter) {
            return std::all_of(references.begin(), references.end(), [&](const Reference& r) {
                return strings::asciiUppered(r.letters) == letter;
            });
        };
        const bool capacitors = all("C");
        if (!capacitors && !all("L")) {
            return;
        }
        const ReactiveKind kind = capacitors ? ReactiveKind::Capacitor : ReactiveKind::Inductor;
        std::optional<ReactiveValue> read = readReactiveValue(said.value, kind);
        if (!read && !said.description.empty()) {
            read = readReactiveValue(said.description, kind);
        }
        if (read && read->package.empty()) {
            read->package = packageIn(said.footprint);
        }
        if (read) {
            (capacitors ? bom_.capacitors : bom_.inductors)
                .push_back({*std::move(read), std::move(references), count, line});
        }
    }

    Bom& bom_;
    std::set<std::string> seen_;
};

}  // namespace

std::variant<Bom, BomFault> readBillOfMaterials(std::string_view text) {
    text = strings::withoutByteOrderMark(text);
    // The separator is the first that finds a header. Fields are quoted with
    // '"', or with "'" where no field is in '"' and some are in "'" (one of
    // KiCad's formats).
    const auto inSingleQuotes = [](const Rows& rows) {
        return std::any_of(rows.rows.begin(), rows.rows.end(), [](const Row& row) {
            return std::any_of(row.begin(), row.end(), [](const std::string& field) {
                return field.size() > 1 && field.front() == '\'' && field.back() == '\'';
            });
        });
    };
    for (const char separator : {',', ';', '\t'}) {
        Rows rows = delimitedRows(text, separator, '"');
        if (rows.quoted == 0 && inSingleQuotes(rows)) {
            rows = delimitedRows(text, separator, '\'');
        }
        if (std::none_of(rows.rows.begin(), rows.rows.end(), isHeader)) {
            continue;
        }
        if (rows.unclosed) {
            return BomFault::UnclosedQuote;
        }
        Bom bom;
        BomReader(bom).read(rows);
        return bom;
    }
    if (const std::optional<Rows> rows = alignedRows(text, isHeader)) {
        Bom bom;
        BomReader(bom).read(*rows);
        return bom;
    }
    return BomFault::NoHeader;
}

}  // namespace labelling
