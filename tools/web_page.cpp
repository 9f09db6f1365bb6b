// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the page: the window's markup, built from the layout and drawn in
// the state the model shows after its first exposure, put into the page's
// template. The page then shows the whole window from its first frame, and
// its script only binds the controls to the WebAssembly model once loaded.
//   web_page TEMPLATE OUTPUT
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "logic/form.h"
#include "logic/snapshot.h"
#include "strings/text.h"
#include "tables/layout.h"
#include "tables/screen_reader.h"

namespace {

using tables::ControlLayout;
using tables::Kind;

std::string kindName(Kind kind) {
    switch (kind) {
        case Kind::GroupBox:
            return "group";
        case Kind::Label:
            return "label";
        case Kind::ListBox:
            return "list";
        case Kind::Edit:
            return "edit";
        case Kind::RadioButton:
            return "radio";
        case Kind::Image:
            return "image";
        case Kind::PaintBox:
            return "band";
    }
    return "";
}

std::string style(const ControlLayout& entry) {
    const auto& [left, top, width, height] = entry.geometry;
    std::ostringstream css;
    css << "left:" << left << "px;top:" << top << "px;width:" << width << "px;height:" << height
        << "px";
    if (entry.font.pixelHeight > 0) {
        css << ";font-size:" << entry.font.pixelHeight
            << "px;font-weight:" << (entry.font.bold ? "bold" : "normal")
            << ";color:" << logic::hexColour(entry.font.colour);
    }
    return css.str();
}

class PageWriter {
public:
    explicit PageWriter(logic::TForm1& form) : form_(form) {
        for (const std::string_view name : tables::tabStops()) {
            tabStops_.emplace(name);
        }
    }

    // The caption and the window, the window in a frame the page scales down
    // to a narrow screen.
    std::string window() {
        std::ostringstream html;
        html << "<h1 id=\"caption\" class=\"caption\">"
             << strings::xmlEscaped(tables::WindowCaption)
             << "</h1>\n<div id=\"fit\" class=\"fit\">\n<div id=\"window\" class=\"window\" "
                "role=\"application\" aria-labelledby=\"caption\" style=\"width:"
             << tables::ClientWidth << "px;height:" << tables::ClientHeight
             << "px;font-size:" << tables::WindowFont.pixelHeight
             << "px;color:" << logic::hexColour(tables::WindowFont.colour) << "\">\n";
        children(html, tables::WindowName, "");
        html << "</div>\n</div>\n";
        return html.str();
    }

    // The popup menu, outside the page's landmark, shown over it.
    std::string menu() {
        return "<div id=\"menu\" class=\"menu\" role=\"menu\" hidden><div id=\"menu-about\" "
               "role=\"menuitem\" tabindex=\"-1\">" +
               strings::xmlEscaped(form_.proposde1.caption()) + "</div></div>\n";
    }

private:
    // A parent's controls in the order Tab visits them: the tab stops take
    // the places tab stops have in the layout, in their tab order, so that
    // the document's order is the window's tab order and no positive
    // tabindex is needed; the others keep their places.
    static std::vector<const ControlLayout*> inTabOrder(std::string_view parent) {
        std::vector<const ControlLayout*> controls;
        std::vector<const ControlLayout*> stops;
        for (const ControlLayout& entry : tables::windowLayout()) {
            if (entry.parent == parent) {
                controls.push_back(&entry);
                if (entry.tabOrder >= 0) {
                    stops.push_back(&entry);
                }
            }
        }
        std::stable_sort(stops.begin(), stops.end(),
                         [](const auto* a, const auto* b) { return a->tabOrder < b->tabOrder; });
        auto next = stops.begin();
        for (const ControlLayout*& control : controls) {
            if (control->tabOrder >= 0) {
                control = *next++;
            }
        }
        return controls;
    }

    void children(std::ostringstream& html, std::string_view parent, const std::string& group) {
        for (const ControlLayout* entry : inTabOrder(parent)) {
            control(html, *entry, group);
        }
    }

    // The caption a sighted user reads beside the control, as a screen reader says it.
    std::string spokenName(const ControlLayout& entry) {
        return tables::spokenNameOf(entry.name, [&](std::string_view label) {
            return dynamic_cast<logic::Label*>(form_.findControl(label))->caption();
        });
    }

    void control(std::ostringstream& html, const ControlLayout& entry, const std::string& group) {
        const std::string name(entry.name);
        logic::Control* model = form_.findControl(entry.name);
        // A readout is the input itself; every other control a box.
        const bool input = entry.kind == Kind::Edit;
        html << (input ? "<input" : "<div") << " id=\"" << name << "\" class=\"control "
             << kindName(entry.kind) << "\" style=\"" << style(entry);
        if (const auto* box = dynamic_cast<logic::PaintBox*>(model); box && box->shownColour()) {
            html << ";background:" << logic::hexColour(*box->shownColour());
        }
        html << "\"";
        if (const std::string spoken = spokenName(entry); !spoken.empty()) {
            html << " aria-label=\"" << strings::xmlEscaped(spoken) << "\"";
        }
        if (!group.empty() && entry.kind != Kind::GroupBox) {
            html << " aria-description=\"" << strings::xmlEscaped(group) << "\"";
        }
        if (tabStops_.contains(name)) {
            // A disabled list takes no focus, as in the Qt window.
            const auto* list = dynamic_cast<logic::ListBox*>(model);
            html << " tabindex=\"" << (list != nullptr && !list->enabled() ? -1 : 0) << "\"";
        }
        switch (entry.kind) {
            case Kind::GroupBox: {
                const auto& box = dynamic_cast<logic::GroupBox&>(*model);
                html << " role=\"" << (box.radioButtons().empty() ? "group" : "radiogroup")
                     << "\" aria-label=\"" << strings::xmlEscaped(box.caption())
                     << "\"><span class=\"group-caption\">" << strings::xmlEscaped(box.caption())
                     << "</span>\n";
                children(html, entry.name, tables::withoutColon(box.caption()));
                break;
            }
            case Kind::Label: {
                const auto& label = dynamic_cast<logic::Label&>(*model);
                if (!label.hint().empty()) {
                    html << " title=\"" << strings::xmlEscaped(label.hint()) << "\"";
                }
                html << ">" << strings::xmlEscaped(label.caption());
                break;
            }
            case Kind::ListBox:
                list(html, entry, dynamic_cast<logic::ListBox&>(*model));
                break;
            case Kind::Edit: {
                const auto& edit = dynamic_cast<logic::Edit&>(*model);
                html << (edit.readOnly() ? " readonly" : "") << " value=\""
                     << strings::xmlEscaped(edit.text()) << "\">\n";
                return;
            }
            case Kind::RadioButton: {
                const auto& radio = dynamic_cast<logic::RadioButton&>(*model);
                html << " role=\"radio\" aria-checked=\"" << (radio.checked() ? "true" : "false")
                     << "\"";
                if (spokenName(entry).empty()) {
                    html << " aria-label=\""
                         << strings::xmlEscaped(tables::withoutColon(radio.caption())) << "\"";
                }
                html << ">" << strings::xmlEscaped(radio.caption());
                break;
            }
            case Kind::Image:
                html << "><img src=\"" << name << ".png\" srcset=\"" << name << ".png 1x, " << name
                     << "@2x.png 2x\" alt=\"\">";
                break;
            case Kind::PaintBox: {
                const auto& box = dynamic_cast<logic::PaintBox&>(*model);
                html << " role=\"img\" aria-label=\""
                     << strings::xmlEscaped(tables::bandDescription(entry.name, box.shownColour()))
                     << "\">";
                break;
            }
        }
        html << "</div>\n";
    }

    void list(std::ostringstream& html, const ControlLayout& entry, const logic::ListBox& list) {
        const std::string name(entry.name);
        html << " role=\"listbox\" aria-disabled=\"" << (list.enabled() ? "false" : "true") << "\"";
        if (list.itemIndex() >= 0) {
            html << " aria-activedescendant=\"" << name << "-" << list.itemIndex() << "\"";
        }
        html << ">";
        for (int row = 0; row < list.count(); ++row) {
            html << "<div id=\"" << name << "-" << row
                 << "\" class=\"item\" role=\"option\" aria-selected=\""
                 << (row == list.itemIndex() ? "true" : "false")
                 << "\" style=\"height:" << entry.itemHeight
                 << "px;line-height:" << entry.itemHeight << "px\">"
                 << strings::xmlEscaped(list.items()[static_cast<std::size_t>(row)]) << "</div>";
        }
    }

    logic::TForm1& form_;
    std::set<std::string, std::less<>> tabStops_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TEMPLATE OUTPUT\n", argv[0]);
        return 2;
    }
    std::ifstream input(argv[1]);
    std::stringstream page;
    page << input.rdbuf();
    logic::TForm1 form;
    form.expose();  // the first show, as the page's own model will be shown
    std::string html = page.str();
    PageWriter writer(form);
    for (const auto& [mark, text] :
         {std::pair{std::string("<!-- window -->"), writer.window()},
          std::pair{std::string("<!-- menu -->"), writer.menu()},
          std::pair{std::string("<!-- caption -->"), strings::xmlEscaped(tables::WindowCaption)}}) {
        const std::size_t at = html.find(mark);
        if (at == std::string::npos) {
            std::fprintf(stderr, "web_page: no %s in %s\n", mark.c_str(), argv[1]);
            return 1;
        }
        html.replace(at, mark.size(), text);
    }
    std::ofstream output(argv[2]);
    output << html;
    return output ? 0 : 1;
}
