// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelling/references.h"

#include <algorithm>
#include <cctype>

namespace labelling {

namespace {

// More parts than this in one run is a typing slip, not a board.
constexpr long LongestRun = 999;

bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// "R12" and "C27C28": letters then digits, as many times as written.
std::optional<std::vector<Reference>> runTogether(std::string_view word) {
    std::vector<Reference> references;
    std::size_t i = 0;
    while (i < word.size()) {
        const std::size_t letters = i;
        while (i < word.size() && isLetter(word[i])) {
            ++i;
        }
        const std::size_t digits = i;
        while (i < word.size() && isDigit(word[i])) {
            ++i;
        }
        if (letters == digits || digits == i || i - digits > 6) {
            return std::nullopt;
        }
        references.push_back({std::string(word.substr(letters, digits - letters)),
                              std::stol(std::string(word.substr(digits, i - digits)))});
    }
    if (references.empty()) {
        return std::nullopt;
    }
    return references;
}

std::optional<long> numberOf(std::string_view word) {
    if (word.empty() || word.size() > 6 || !std::all_of(word.begin(), word.end(), isDigit)) {
        return std::nullopt;
    }
    return std::stol(std::string(word));
}

}  // namespace

std::optional<std::vector<Reference>> referencesIn(std::string_view field) {
    std::vector<Reference> references;
    std::string word;
    const auto take = [&]() -> bool {
        if (word.empty()) {
            return true;
        }
        const std::size_t dash = word.find('-');
        const auto first = runTogether(std::string_view(word).substr(0, dash));
        if (!first) {
            // "R5,6,7": a number alone after a reference has its letters.
            if (const std::optional<long> number = numberOf(word); number && !references.empty()) {
                references.push_back({references.back().letters, *number});
                return true;
            }
            return false;
        }
        if (dash == std::string::npos) {
            references.insert(references.end(), first->begin(), first->end());
            return true;
        }
        const std::string_view after = std::string_view(word).substr(dash + 1);
        const Reference& from = first->back();
        std::optional<long> last = numberOf(after);  // "R1-4"
        if (const auto lastReference = runTogether(after);
            lastReference && lastReference->size() == 1 &&
            lastReference->front().letters == from.letters) {
            last = lastReference->front().number;
        }
        if (first->size() != 1 || !last || *last < from.number ||
            *last - from.number > LongestRun) {
            return false;
        }
        for (long n = from.number; n <= *last; ++n) {
            references.push_back({from.letters, n});
        }
        return true;
    };
    for (const char c : std::string(field) + ' ') {
        if (c == ',' || c == ' ' || c == ';' || c == '\t' || c == '/') {
            if (!take() && references.empty()) {
                return std::nullopt;
            }
            word.clear();
        } else {
            word += c;
        }
    }
    if (references.empty()) {
        return std::nullopt;
    }
    return references;
}

std::vector<std::string> compactReferences(std::span<const Reference> references) {
    std::vector<Reference> sorted(references.begin(), references.end());
    std::sort(sorted.begin(), sorted.end(), [](const Reference& a, const Reference& b) {
        return a.letters != b.letters ? a.letters < b.letters : a.number < b.number;
    });
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    std::vector<std::string> pieces;
    for (std::size_t i = 0; i < sorted.size();) {
        std::size_t end = i + 1;
        while (end < sorted.size() && sorted[end].letters == sorted[i].letters &&
               sorted[end].number == sorted[end - 1].number + 1) {
            ++end;
        }
        if (end - i >= 3) {
            pieces.push_back(sorted[i].text() + "-" + sorted[end - 1].text());
        } else {
            for (std::size_t k = i; k < end; ++k) {
                pieces.push_back(sorted[k].text());
            }
        }
        i = end;
    }
    return pieces;
}

}  // namespace labelling
