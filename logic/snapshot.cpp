// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/snapshot.h"

#include <array>
#include <cstdio>

#include "logic/form.h"
#include "tables/layout.h"
#include "tables/screen_reader.h"

namespace logic {

namespace {

std::string colourText(tables::Colour colour) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", colour.red(), colour.green(),
                  colour.blue());
    return text.data();
}

std::string_view kindName(tables::Kind kind) {
    switch (kind) {
        case tables::Kind::GroupBox:
            return "group";
        case tables::Kind::Label:
            return "label";
        case tables::Kind::ListBox:
            return "list";
        case tables::Kind::Edit:
            return "edit";
        case tables::Kind::RadioButton:
            return "radio";
        case tables::Kind::Image:
            return "image";
        case tables::Kind::PaintBox:
            return "band";
    }
    return "";
}

// `"key":value` pairs, comma-separated.
class JsonObject {
public:
    JsonObject& add(std::string_view key, const std::string& json) {
        text_ += (text_.empty() ? "" : ",") + jsonString(std::string(key)) + ":" + json;
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

std::string textsOf(const std::vector<std::string>& texts) {
    std::string list;
    for (const std::string& text : texts) {
        list += (list.empty() ? "" : ",") + jsonString(text);
    }
    return "[" + list + "]";
}

}  // namespace

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", c);
            quoted += escape.data();
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string describeWindow(TForm1& form) {
    std::string controls;
    for (const tables::ControlLayout& entry : tables::windowLayout()) {
        JsonObject control;
        control.add("name", jsonString(std::string(entry.name)))
            .add("parent", jsonString(std::string(entry.parent)))
            .add("kind", jsonString(std::string(kindName(entry.kind))))
            .add("box", "[" + number(entry.geometry.left) + "," + number(entry.geometry.top) + "," +
                            number(entry.geometry.width) + "," + number(entry.geometry.height) +
                            "]")
            .add("font", "[" + number(entry.font.pixelHeight) + "," + boolean(entry.font.bold) +
                             "," + jsonString(colourText(entry.font.colour)) + "]")
            .add("tab", number(entry.tabOrder))
            .add("itemHeight", number(entry.itemHeight));
        for (const tables::ReadBeside& beside : tables::Beside) {
            if (beside.control == entry.name) {
                control.add("label", jsonString(std::string(beside.label)))
                    .add("band", jsonString(std::string(beside.band)));
            }
        }
        for (const auto& [button, name] : tables::BandCounts) {
            if (button == entry.name) {
                control.add("spoken", jsonString(std::string(name)));
            }
        }
        Control* model = form.findControl(entry.name);
        if (const auto* group = dynamic_cast<GroupBox*>(model)) {
            control.add("caption", jsonString(group->caption()));
        } else if (const auto* label = dynamic_cast<Label*>(model)) {
            control.add("caption", jsonString(label->caption()))
                .add("hint", jsonString(label->hint()));
        } else if (const auto* radio = dynamic_cast<RadioButton*>(model)) {
            control.add("caption", jsonString(radio->caption()));
        } else if (const auto* list = dynamic_cast<ListBox*>(model)) {
            control.add("items", textsOf(list->items()));
        } else if (const auto* edit = dynamic_cast<Edit*>(model)) {
            control.add("readOnly", boolean(edit->readOnly()));
        }
        controls += (controls.empty() ? "" : ",") + control.text();
    }
    return JsonObject()
        .add("caption", jsonString(std::string(tables::WindowCaption)))
        .add("size", "[" + number(tables::ClientWidth) + "," + number(tables::ClientHeight) + "]")
        .add("font", "[" + number(tables::WindowFont.pixelHeight) + "," +
                         boolean(tables::WindowFont.bold) + "," +
                         jsonString(colourText(tables::WindowFont.colour)) + "]")
        .add("menu", textsOf({form.proposde1.caption()}))
        .add("controls", "[" + controls + "]")
        .text();
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
            bands.add(name, "[" + (shown ? jsonString(colourText(*shown)) : "null") + "," +
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
