// SPDX-License-Identifier: GPL-3.0-or-later
#include "reactive/capacitor_marking.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "notation/reading.h"
#include "notation/series.h"
#include "strings/text.h"

namespace reactive {

namespace {

using Readings = std::vector<CapacitorReading>;
using Outcome = std::variant<Readings, CapacitorProblem>;

CapacitorProblem problem(CapacitorProblem::Kind kind, std::string_view part) {
    return {kind, std::string(part)};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// A word shaped as a voltage code, a digit and a capital: "2A", and "5A"
// or "2X" that are none.
bool shapedAsVoltageCode(std::string_view word) {
    return word.size() == 2 && isDigit(word[0]) && isUpper(word[1]) && word[1] != 'R';
}

// "25V", "6V3", "250VDC": a voltage written out.
std::optional<RatedVoltage> writtenVoltage(std::string_view word) {
    std::string_view digits = word;
    if (digits.size() > 2 &&
        strings::startsWithIgnoringCase(digits.substr(digits.size() - 2), "DC")) {
        digits.remove_suffix(2);
    }
    if (digits.find_first_of("Vv") == std::string_view::npos || shapedAsVoltageCode(word)) {
        return std::nullopt;
    }
    const notation::Read<notation::Voltage> read = notation::readVoltage(digits);
    if (const auto* volts = std::get_if<notation::Voltage>(&read)) {
        return RatedVoltage{*volts, std::string(word), VoltageCode::Written};
    }
    return std::nullopt;
}

// The figures a value may be written with: digits, a comma, R, a prefix.
std::size_t valueLength(std::string_view word) {
    std::size_t i = 0;
    while (i < word.size()) {
        const std::string_view rest = word.substr(i);
        if (rest.starts_with("\u00B5") || rest.starts_with("\u03BC")) {
            i += 2;
        } else if (std::string_view("0123456789,.Rrpnum").find(word[i]) != std::string_view::npos) {
            ++i;
        } else {
            break;
        }
    }
    // "470µF", "100nF": the unit after a prefix belongs to the value.
    if (i > 0 && i < word.size() && word[i] == 'F' &&
        std::string_view("pnum\xB5\xBC").find(word[i - 1]) != std::string_view::npos) {
        ++i;
    }
    return i;
}

// The readings of the part that gives the value.
Outcome valueReadings(std::string_view value) {
    using Kind = CapacitorProblem::Kind;
    if (value.find_first_of("Rr") != std::string_view::npos) {
        const std::optional<notation::Decimal> units = readThreeDigitCode(value, true);
        if (!units) {
            return problem(Kind::Unreadable, value);
        }
        return Readings{{std::string(value), ValueCode::RCode, fromPicofarads(*units)}};
    }
    if (allDigits(value)) {
        if (value.size() > 3) {
            return problem(Kind::TooManyDigits, value);
        }
        const notation::Decimal plain(std::stoll(std::string(value)), 0);
        if (value.size() < 3) {
            if (!plain.isPositive()) {
                return problem(Kind::Unreadable, value);
            }
            return Readings{{std::string(value), ValueCode::Plain, fromPicofarads(plain)}};
        }
        const std::optional<notation::Decimal> units = readThreeDigitCode(value, true);
        if (!units) {
            return problem(Kind::Unreadable, value);
        }
        Readings readings{{std::string(value), ValueCode::ThreeDigits, fromPicofarads(*units)}};
        // "100", "470": also a plain number of picofarads where that is a
        // value capacitors come in.
        const notation::Value asSeries(plain.significand(), plain.exponent());
        const notation::Series* series = notation::coarsestSeriesHolding(asSeries);
        if (series != nullptr && series->digits == 2 && value[0] != '0') {
            readings.push_back({std::string(value), ValueCode::Plain, fromPicofarads(plain)});
        }
        return readings;
    }
    const notation::Read<Capacitance> read = readCapacitance(value);
    if (const auto* capacitance = std::get_if<Capacitance>(&read)) {
        return Readings{{std::string(value), ValueCode::Written, *capacitance}};
    }
    return problem(Kind::Unreadable, value);
}

bool atLeastOneMicrofarad(const Capacitance& value) {
    return value >= notation::Decimal(1, -6);
}

// A letter after a code: a tolerance, a tantalum's voltage, or either.
Outcome withLetter(const CapacitorReading& reading, char letter) {
    const std::optional<ToleranceLetter> tolerance = toleranceLetter(letter, reading.value);
    std::optional<notation::Voltage> tantalum;
    if (reading.kind == ValueCode::ThreeDigits) {
        tantalum = readTantalumLetter(letter);
    }
    Readings readings;
    if (tolerance) {
        CapacitorReading withTolerance = reading;
        withTolerance.tolerance = tolerance;
        readings.push_back(withTolerance);
    }
    if (tantalum) {
        CapacitorReading withVoltage = reading;
        withVoltage.voltage =
            RatedVoltage{*tantalum, std::string(1, letter), VoltageCode::Tantalum};
        // Tantalum capacitors start near a microfarad; ceramics rarely go there.
        readings.insert(atLeastOneMicrofarad(reading.value) ? readings.begin() : readings.end(),
                        withVoltage);
    }
    if (readings.empty()) {
        return problem(CapacitorProblem::Kind::UnknownLetter, std::string(1, letter));
    }
    return readings;
}

// What follows the value in one word: "J", "K63", "J2A", "C".
Outcome withSuffix(const CapacitorReading& reading, std::string_view suffix) {
    using Kind = CapacitorProblem::Kind;
    if (suffix.empty()) {
        return Readings{reading};
    }
    const std::string_view after = suffix.substr(1);
    if (after.empty()) {
        return withLetter(reading, suffix[0]);
    }
    const std::optional<ToleranceLetter> tolerance = toleranceLetter(suffix[0], reading.value);
    if (!tolerance) {
        return problem(Kind::UnknownLetter, suffix);
    }
    CapacitorReading read = reading;
    read.tolerance = tolerance;
    if (allDigits(after)) {  // ".1K63": volts, as film capacitors print them
        const notation::Read<notation::Voltage> volts = notation::readVoltage(after);
        if (const auto* v = std::get_if<notation::Voltage>(&volts)) {
            read.voltage = RatedVoltage{*v, std::string(after), VoltageCode::Written};
            return Readings{read};
        }
        return problem(Kind::Unreadable, after);
    }
    if (shapedAsVoltageCode(after)) {  // "473J2A"
        const std::optional<notation::Voltage> volts = readVoltageCode(after);
        if (!volts) {
            return problem(Kind::UnknownVoltage, after);
        }
        read.voltage = RatedVoltage{*volts, std::string(after), VoltageCode::Iec};
        return Readings{read};
    }
    return problem(Kind::UnknownLetter, suffix);
}

// A voltage printed apart from a letter read as a tantalum's: the letter
// was the tolerance. Nothing where every reading already has a voltage.
std::optional<Readings> withVoltage(Readings readings, const RatedVoltage& voltage) {
    Readings kept;
    for (CapacitorReading& reading : readings) {
        if (!reading.voltage) {
            reading.voltage = voltage;
            kept.push_back(std::move(reading));
        }
    }
    if (kept.empty()) {
        return std::nullopt;
    }
    return kept;
}

Outcome valueWord(std::string_view word) {
    using Kind = CapacitorProblem::Kind;
    // "2A473J": a voltage code before the value.
    if (word.size() > 2 && shapedAsVoltageCode(word.substr(0, 2)) &&
        (isDigit(word[2]) || word[2] == '.' || word[2] == ',' || word[2] == 'R')) {
        const std::optional<notation::Voltage> volts = readVoltageCode(word.substr(0, 2));
        if (!volts) {
            return problem(Kind::UnknownVoltage, word.substr(0, 2));
        }
        Outcome rest = valueWord(word.substr(2));
        if (const auto* readings = std::get_if<Readings>(&rest)) {
            std::optional<Readings> coded = withVoltage(
                *readings, RatedVoltage{*volts, std::string(word.substr(0, 2)), VoltageCode::Iec});
            if (!coded) {
                return problem(Kind::SeveralVoltages, word);
            }
            return *coded;
        }
        return rest;
    }
    // "A475": a tantalum's voltage letter before its code.
    if (word.size() == 4 && std::isalpha(static_cast<unsigned char>(word[0])) != 0 &&
        allDigits(word.substr(1))) {
        const std::optional<notation::Voltage> volts = readTantalumLetter(word[0]);
        if (!volts) {
            return problem(Kind::UnknownLetter, word.substr(0, 1));
        }
        Outcome rest = valueReadings(word.substr(1));
        if (auto* readings = std::get_if<Readings>(&rest)) {
            readings->resize(1);  // a tantalum's code is never a plain number
            readings->front().voltage =
                RatedVoltage{*volts, std::string(word.substr(0, 1)), VoltageCode::Tantalum};
        }
        return rest;
    }
    const std::size_t length = valueLength(word);
    if (length == 0) {
        return problem(Kind::Unreadable, word);
    }
    const Outcome values = valueReadings(word.substr(0, length));
    if (const auto* trouble = std::get_if<CapacitorProblem>(&values)) {
        return *trouble;
    }
    Readings readings;
    for (const CapacitorReading& reading : std::get<Readings>(values)) {
        Outcome suffixed = withSuffix(reading, word.substr(length));
        if (const auto* trouble = std::get_if<CapacitorProblem>(&suffixed)) {
            return *trouble;
        }
        for (CapacitorReading& read : std::get<Readings>(suffixed)) {
            readings.push_back(std::move(read));
        }
    }
    return readings;
}

// The words of a marking: blanks and slashes part them; a lone "%" joins
// the number before it.
std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of(" \t/", start), text.size());
        const std::string_view word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) {
            continue;
        }
        if (word == "%" && !words.empty()) {
            words.back() += "%";
        } else {
            words.emplace_back(word);
        }
    }
    return words;
}

}  // namespace

CapacitorRead readCapacitorMarking(std::string_view text, bool chipCode) {
    using Kind = CapacitorProblem::Kind;
    const std::vector<std::string> words = wordsOf(text);
    if (words.empty()) {
        return problem(Kind::Empty, text);
    }
    std::optional<Readings> values;
    std::optional<RatedVoltage> voltage;
    std::optional<char> letter;
    std::optional<int> percent;
    for (const std::string& word : words) {
        if (word.size() == 1 && isUpper(word[0]) && toleranceLetter(word[0], Capacitance(1, 0))) {
            if (letter || percent) {
                return problem(Kind::SeveralTolerances, word);
            }
            letter = word[0];
            continue;
        }
        if (const std::optional<int> basisPoints = notation::readPercent(word)) {
            if (letter || percent) {
                return problem(Kind::SeveralTolerances, word);
            }
            percent = basisPoints;
            continue;
        }
        std::optional<RatedVoltage> volts = writtenVoltage(word);
        if (!volts && shapedAsVoltageCode(word)) {
            const std::optional<notation::Voltage> coded = readVoltageCode(word);
            if (!coded) {
                return problem(Kind::UnknownVoltage, word);
            }
            volts = RatedVoltage{*coded, word, VoltageCode::Iec};
        }
        if (volts) {
            if (voltage) {
                return problem(Kind::SeveralVoltages, word);
            }
            voltage = volts;
            continue;
        }
        Outcome read = problem(Kind::Unreadable, word);
        if (chipCode) {
            if (const std::optional<Eia198Reading> chip = readEia198(word)) {
                CapacitorReading reading{word, ValueCode::Eia198, chip->value};
                reading.maker = chip->maker;
                reading.otherTable = chip->otherTable;
                read = Readings{reading};
            }
        }
        if (std::holds_alternative<CapacitorProblem>(read)) {
            read = valueWord(word);
        }
        if (const auto* trouble = std::get_if<CapacitorProblem>(&read)) {
            return *trouble;
        }
        if (values) {
            return problem(Kind::SeveralValues, word);
        }
        values = std::get<Readings>(std::move(read));
    }
    if (!values) {
        return problem(Kind::NoValue, text);
    }
    if (voltage) {
        values = withVoltage(*values, *voltage);
        if (!values) {
            return problem(Kind::SeveralVoltages, voltage->code);
        }
    }
    for (CapacitorReading& reading : *values) {
        if (letter || percent) {
            if (reading.tolerance) {
                return problem(Kind::SeveralTolerances, letter ? std::string(1, *letter) : "%");
            }
            reading.tolerance = letter ? toleranceLetter(*letter, reading.value)
                                       : ToleranceLetter{0, *percent, *percent, 0};
        }
    }
    return *values;
}

}  // namespace reactive
