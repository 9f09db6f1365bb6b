// SPDX-License-Identifier: GPL-3.0-or-later
// A bill of materials' bytes, in whatever encoding: resistors of a value and
// at least one reference each, on lines of the file, each reference once;
// and the same bytes as one value or description.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "labelling/bill_of_materials.h"
#include "strings/encoding.h"

namespace {

void checkValue(const labelling::PartValue& value) {
    if (value.resistance.significand() < 0 ||
        (value.tolerance && (*value.tolerance < 1 || *value.tolerance > 5000)) ||
        (!value.package.empty() && value.package.size() > 5)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const std::optional<labelling::PartValue> value = labelling::readPartValue(bytes)) {
        checkValue(*value);
    }
    const std::optional<std::string> text = strings::utf8Of(bytes);
    if (!text) {
        return 0;
    }
    const auto bom = labelling::readBillOfMaterials(*text);
    const auto* read = std::get_if<labelling::Bom>(&bom);
    if (read == nullptr) {
        return 0;
    }
    int lines = 1;
    for (std::size_t i = 0; i < text->size(); ++i) {
        lines += (*text)[i] == '\r' || ((*text)[i] == '\n' && (i == 0 || (*text)[i - 1] != '\r'));
    }
    std::set<std::string> seen;
    for (const labelling::BomResistor& resistor : read->resistors) {
        checkValue(resistor.value);
        if (resistor.references.empty() || resistor.line < 1 || resistor.line > lines ||
            resistor.count < 1) {
            std::abort();
        }
        for (const labelling::Reference& reference : resistor.references) {
            if (!seen.insert(reference.text()).second) {
                std::abort();
            }
        }
    }
    return 0;
}
