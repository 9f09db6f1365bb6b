// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/snapshot.h"

#include <array>
#include <cstdio>

#include "logic/form.h"
#include "logic/json_string.h"
#include "tables/layout.h"
#include "tables/screen_reader.h"

namespace logic {

namespace {

// `"key":value` pairs, comma-separated.
class JsonObject {
public:
    JsonObject& add(std::string_view key, const std::string& json) {
        text_ += (text_.empty() ? "" : ",") + jsonString(key) + ":" + json;
        return *this;
    }
    [[nodiscard]] std::string text() const { return "{" + text_ + "}"; }

private:
    std::string text_;
};

std::string number(int value) {
    return std::to_string(value);
}

std::string boolean(bool value) {
    return value ? "true" : "false";
}

}  // namespace

std::string hexColour(tables::Colour colour) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", colour.red(), colour.green(),
                  colour.blue());
    return text.data();
}

std::string snapshot(TForm1& form) {
    JsonObject lists;
    JsonObject edits;
    JsonObject radios;
    JsonObject bands;
    for (const tables::ControlLayout& entry : tables::windowLayout()) {
        const std::string name(entry.name);
        Control* model = form.findControl(entry.name);
        if (const auto* list = dynamic_cast<ListBox*>(model)) {
            lists.add(name, "[" + number(list->itemIndex()) + "," + boolean(list->enabled()) + "]");
        } else if (const auto* edit = dynamic_cast<Edit*>(model)) {
            edits.add(name, jsonString(edit->text()));
        } else if (const auto* radio = dynamic_cast<RadioButton*>(model)) {
            radios.add(name, boolean(radio->checked()));
        } else if (const auto* box = dynamic_cast<PaintBox*>(model)) {
            const std::optional<tables::Colour> shown = box->shownColour();
            bands.add(name, "[" + (shown ? jsonString(hexColour(*shown)) : "null") + "," +
                                jsonString(tables::bandDescription(entry.name, shown)) + "]");
        }
    }
    return JsonObject()
        .add("lists", lists.text())
        .add("edits", edits.text())
        .add("radios", radios.text())
        .add("bands", bands.text())
        .text();
}

}  // namespace logic
