// SPDX-License-Identifier: GPL-3.0-or-later
// condensateur (capacitor): a capacitor's marking read, and a value written
// as every marking that can carry it.
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <variant>

#include "cli/reactive_wording.h"
#include "cli/readers.h"
#include "cli/run.h"
#include "cli/verbs/verbs.h"
#include "notation/french.h"
#include "reactive/capacitor_marking.h"
#include "strings/terminal.h"

namespace cli {

namespace {

using reactive::Capacitance;
using reactive::CapacitorReading;
using reactive::RatedVoltage;
using reactive::ToleranceLetter;

constexpr std::string_view Examples = "104, 1R5, 2A473J, 473J 2A, 107C, .1K63, 4n7, \"470µF 25V\"";

std::string written(const notation::Decimal& value) {
    return Capacitance(value.significand(), value.exponent()).french();
}

std::string complaintAbout(const reactive::CapacitorProblem& problem) {
    using Kind = reactive::CapacitorProblem::Kind;
    const std::string part = strings::quoted(problem.part);
    switch (problem.kind) {
        case Kind::Empty:
            break;
        case Kind::NoValue:
            return "pas de valeur dans " + part +
                   " : une tolérance ou une tension seule. Valeurs : 104, 1R5, 4n7, 100nF.";
        case Kind::TooManyDigits:
            return "trop de chiffres " + part +
                   " : le code en a trois (104 = 10 × 10⁴ pF), ou écrivez la valeur (4n7, "
                   "100nF).";
        case Kind::UnknownLetter:
            return "lettre inconnue " + part +
                   ". Lettres de tolérance : " + reactive::toleranceLetters() +
                   " ; lettres de tension des tantales : " + reactive::tantalumLetters() + ".";
        case Kind::UnknownVoltage:
            return "code de tension inexistant " + part +
                   " : un chiffre de 0 à 3 puis une lettre parmi " + reactive::voltageLetters() +
                   " (1H 50 V, 2A 100 V, 2J 630 V).";
        case Kind::Unreadable:
            return "ni code ni valeur " + part + ". Marquages : " + std::string(Examples) + ".";
        case Kind::SeveralValues:
            return "deux valeurs dans le marquage : " + part + " en est une seconde.";
        case Kind::SeveralVoltages:
            return "deux tensions dans le marquage : " + part + " en est une seconde.";
        case Kind::SeveralTolerances:
            return "deux tolérances dans le marquage : " + part + " en est une seconde.";
    }
    return "marquage vide. Marquages : " + std::string(Examples) + ".";
}

std::string explanation(const CapacitorReading& reading) {
    const std::string& code = reading.code;
    switch (reading.kind) {
        case reactive::ValueCode::ThreeDigits: {
            const int digit = code[2] - '0';
            return figuresTimesPower(code.substr(0, 2), digit >= 8 ? digit - 10 : digit, "pF");
        }
        case reactive::ValueCode::RCode:
            return "R pour la virgule, en pF";
        case reactive::ValueCode::Plain:
            return "écrite en clair, en pF";
        case reactive::ValueCode::Written: {
            // "4n7", "n47": the prefix where the comma would be.
            for (const std::string_view prefix : {"p", "n", "u", "m", "µ", "μ"}) {
                const std::size_t at = code.find(prefix);
                if (at != std::string::npos && at + prefix.size() < code.size() &&
                    code[at + prefix.size()] != 'F') {
                    return std::string(prefix) + " pour la virgule";
                }
            }
            if (code.find_first_of("pnumF\xC2\xCE") == std::string::npos) {
                return "sans unité, avec une virgule : en µF";
            }
            return "écrite en clair";
        }
        case reactive::ValueCode::Eia198: {
            const std::string maker =
                reading.maker != 0 ? ", " + std::string(1, reading.maker) + " pour le fabricant"
                                   : "";
            return "code EIA-198 des CMS" + maker;
        }
    }
    return {};
}

// a + sign × b, exactly: the limits of a tolerance in picofarads.
notation::Decimal sum(const notation::Decimal& a, const notation::Decimal& b, int sign) {
    const int exponent = std::min(a.exponent(), b.exponent());
    const auto scaled = [&](const notation::Decimal& d) {
        std::int64_t significand = d.significand();
        for (int i = exponent; i < d.exponent(); ++i) {
            significand *= 10;
        }
        return significand;
    };
    return {std::max<std::int64_t>(0, scaled(a) + sign * scaled(b)), exponent};
}

std::string toleranceText(const std::optional<ToleranceLetter>& tolerance,
                          const Capacitance& value) {
    if (!tolerance) {
        return "tolérance non marquée";
    }
    const std::string letter =
        tolerance->letter != 0 ? " (" + std::string(1, tolerance->letter) + ")" : "";
    if (tolerance->absoluteFemtofarads > 0) {
        const notation::Decimal spread(tolerance->absoluteFemtofarads, -15);
        return "tolérance " + reactive::frenchTolerance(*tolerance) + letter + ", de " +
               written(sum(value, spread, -1)) + " à " + written(sum(value, spread, 1));
    }
    return "tolérance " + reactive::frenchTolerance(*tolerance) + letter + ", " +
           limitsOf(value, tolerance->minusBasisPoints, tolerance->plusBasisPoints, written);
}

std::string voltageText(const std::optional<RatedVoltage>& voltage) {
    if (!voltage) {
        return "tension non marquée";
    }
    std::string volts = "tension " + notation::Decimal(voltage->volts).french() + " V";
    switch (voltage->kind) {
        case reactive::VoltageCode::Iec:
            return volts + " (code " + voltage->code + ")";
        case reactive::VoltageCode::Tantalum:
            return volts + " (lettre " + voltage->code + " des tantales)";
        case reactive::VoltageCode::Written:
            break;
    }
    return volts;
}

void describe(Answer& out, const CapacitorReading& reading) {
    out << reading.code << " : " << reading.value.french() << " (" << explanation(reading) << ")\n"
        << "  " << toleranceText(reading.tolerance, reading.value) << " ; "
        << voltageText(reading.voltage) << "\n";
    if (reading.otherTable) {
        out << "  La table EIA-198-D de certains fabricants lit "
            << reading.code.substr(reading.maker != 0 ? 1 : 0, 1)
            << " autrement : " << reading.otherTable->french() << ".\n";
    }
}

std::optional<ToleranceLetter> toleranceOption(const CommandLine& line, const Capacitance& value) {
    const std::optional<std::string> text = line.option("--tolerance");
    if (!text) {
        return std::nullopt;
    }
    if (text->size() == 1 && std::isalpha(static_cast<unsigned char>((*text)[0])) != 0) {
        if (const std::optional<ToleranceLetter> letter =
                reactive::toleranceLetter((*text)[0], value)) {
            return letter;
        }
        complain("lettre de tolérance inconnue " + strings::quoted(*text) +
                 ". Lettres : " + reactive::toleranceLetters() + ".");
    }
    if (text->ends_with("pF")) {
        std::string_view number(*text);
        number.remove_suffix(2);
        if (number.starts_with("±")) {
            number.remove_prefix(2);
        }
        const notation::Read<notation::Decimal> read = notation::readNumber(number);
        const auto* picofarads = std::get_if<notation::Decimal>(&read);
        const int femtofarads = picofarads != nullptr && *picofarads < notation::Decimal(1, 1)
                                    ? static_cast<int>(std::llround(picofarads->amount() * 1000))
                                    : 0;
        if (const std::optional<char> letter =
                reactive::letterOfAbsoluteTolerance(femtofarads, value)) {
            return reactive::toleranceLetter(*letter, value);
        }
        complain("tolérance impossible " + strings::quoted(*text) +
                 " : en pF, ±0,1, ±0,25, ±0,5, ±1 ou ±2 pF, pour 10 pF ou moins.");
    }
    const int basisPoints = static_cast<int>(std::llround(percentOf(*text, "tolérance") * 10'000));
    const std::optional<char> letter = reactive::letterOfTolerance(basisPoints, value);
    return ToleranceLetter{letter.value_or(0), basisPoints, basisPoints, 0};
}

std::optional<RatedVoltage> voltageOption(const CommandLine& line) {
    const std::optional<std::string> text = line.option("--tension");
    if (!text) {
        return std::nullopt;
    }
    if (const std::optional<notation::Voltage> coded = reactive::readVoltageCode(*text)) {
        return RatedVoltage{*coded, *text, reactive::VoltageCode::Iec};
    }
    return RatedVoltage{exactVoltageOf(*text, "tension"), *text, reactive::VoltageCode::Written};
}

// Every marking that writes the value, with its tolerance and voltage.
void writeMarkings(Answer& out, const Capacitance& value,
                   const std::optional<ToleranceLetter>& tolerance,
                   const std::optional<RatedVoltage>& voltage, bool chip) {
    const std::string letter =
        tolerance && tolerance->letter != 0 ? std::string(1, tolerance->letter) : "";
    const std::optional<std::string> voltageCode =
        voltage ? reactive::voltageCodeOf(voltage->volts) : std::nullopt;
    const std::string volts = voltage ? notation::Decimal(voltage->volts).french() + " V" : "";
    out << "Marquages de " << value.french();
    if (tolerance) {
        out << " " << reactive::frenchTolerance(*tolerance);
    }
    if (voltage) {
        out << " " << volts;
    }
    out << " :\n";
    const notation::Decimal picofarads = value.picofarads();
    if (const std::optional<std::string> code = reactive::threeDigitCodeOf(picofarads, true)) {
        out << "  code à 3 chiffres : " << voltageCode.value_or("") << *code << letter << "\n";
    } else {
        out << "  code à 3 chiffres : impossible (deux chiffres significatifs, de 0,1 pF à "
               "990 µF)\n";
    }
    if (const std::optional<std::string> code = reactive::rCodeOf(picofarads)) {
        out << "  avec R pour la virgule : " << voltageCode.value_or("") << *code << letter << "\n";
    }
    out << "  en clair : " << value.compact() << (letter.empty() ? "" : " " + letter)
        << (voltage ? " " + volts : "") << "\n";
    if (voltage) {
        if (const std::optional<char> tantalum = reactive::tantalumLetterOf(voltage->volts)) {
            if (const std::optional<std::string> code =
                    reactive::threeDigitCodeOf(picofarads, false)) {
                out << "  tantale : " << *code << *tantalum << " ou " << *tantalum << *code << "\n";
            }
        }
        out << "  code de tension : " << (voltageCode ? *voltageCode : "aucun pour " + volts)
            << "\n";
    }
    if (chip) {
        const std::optional<std::string> code = reactive::eia198CodeOf(value);
        out << "  EIA-198 (CMS) : "
            << (code ? *code : "impossible (deux chiffres de la table, de 0,1 pF à 9,1 µF)")
            << "\n";
    }
    out << "Séries :\n" << seriesLines(value, written);
}

}  // namespace

std::string condensateurUsage() {
    return "  condensateur MARQUAGE|VALEUR [--tolerance T] [--tension U] [--cms]\n"
           "                                   (capacitor, cap) marquage d'un condensateur lu "
           "(104,\n"
           "                                   2A473J, 107C, .1K63, 4n7, \"470µF 25V\"), puis ses "
           "marquages\n"
           "                                   et les valeurs voisines des séries E3 à E24 ; "
           "--cms (--smd)\n"
           "                                   lit et écrit aussi le code EIA-198 (A5, S3)\n";
}

int condensateur(const CommandLine& line, Answer& out, const InputFiles& /*files*/) {
    const std::string text = line.joinedWords();
    const bool chip = line.has("--cms");
    reactive::CapacitorRead read = reactive::readCapacitorMarking(text, chip);
    if (const auto* problem = std::get_if<reactive::CapacitorProblem>(&read)) {
        complain(complaintAbout(*problem));
    }
    const auto& readings = std::get<std::vector<CapacitorReading>>(read);
    const CapacitorReading& reading = readings.front();
    std::optional<ToleranceLetter> tolerance = reading.tolerance;
    if (const std::optional<ToleranceLetter> asked = toleranceOption(line, reading.value)) {
        if (tolerance) {
            complain("le marquage porte déjà sa tolérance : --tolerance est de trop.");
        }
        tolerance = asked;
    }
    std::optional<RatedVoltage> voltage = reading.voltage;
    if (const std::optional<RatedVoltage> asked = voltageOption(line)) {
        if (voltage) {
            complain("le marquage porte déjà sa tension : --tension est de trop.");
        }
        voltage = asked;
    }
    for (std::size_t i = 0; i < readings.size(); ++i) {
        if (i > 0) {
            out << "Autre lecture possible, ";
        }
        describe(out, readings[i]);
    }
    writeMarkings(out, reading.value, tolerance, voltage, chip);
    return Done;
}

}  // namespace cli
