// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <array>

#include "tables/palette.h"

namespace ui {

namespace {

QString named(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

// Each control and the label a sighted user reads for it; readouts also say
// which band they show.
struct ReadBeside {
    std::string_view control;
    std::string_view label;
    std::string_view band;  // empty: not a readout
};

constexpr std::array<ReadBeside, 25> Beside{{
    {"ListBox5", "Label6", ""},   {"ListBox6", "Label9", ""},   {"ListBox8", "Label10", ""},
    {"ListBox9", "Label11", ""},  {"ListBox7", "Label8", ""},   {"ListBox1", "Label2", ""},
    {"ListBox2", "Label3", ""},   {"ListBox3", "Label4", ""},   {"ListBox4", "Label5", ""},
    {"ListBox21", "Label15", ""}, {"ListBox22", "Label14", ""}, {"ListBox23", "Label17", ""},
    {"ListBox24", "Label13", ""}, {"ListBox25", "Label12", ""}, {"ListBox26", "Label18", ""},
    {"Edit1", "Label2", "1"},     {"Edit2", "Label3", "2"},     {"Edit3", "Label4", "3"},
    {"Edit4", "Label5", "4"},     {"Edit21", "Label15", "1"},   {"Edit22", "Label14", "2"},
    {"Edit23", "Label17", "3"},   {"Edit24", "Label13", "4"},   {"Edit25", "Label12", "5"},
    {"Edit26", "Label18", "6"},
}};

// The band count buttons read "4", "5", "6" under "Choisir le nombre de bandes".
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> BandCounts{
    {{"RadioButton4B", "4 bandes"}, {"RadioButton5B", "5 bandes"}, {"RadioButton6B", "6 bandes"}}};

struct BandPlaceName {
    std::string_view overlay;
    int band;
    std::string_view picture;  // what the picture shows where the overlay draws nothing
};

constexpr std::array<BandPlaceName, 10> Bands{{
    {"PaintBox1", 1, "marron"},
    {"PaintBox2", 2, "noir"},
    {"PaintBox3", 3, "or"},
    {"PaintBox4", 4, "or"},
    {"PaintBox21", 1, "marron"},
    {"PaintBox22", 2, "noir"},
    {"PaintBox23", 3, "noir"},
    {"PaintBox24", 4, "or"},
    {"PaintBox25", 5, "or"},
    {"PaintBox26", 6, "aucune"},
}};

// "Série E12 :" is read as "Série E12".
QString withoutColon(QString caption) {
    caption = caption.trimmed();
    if (caption.endsWith(':')) {
        caption.chop(1);
    }
    return caption.trimmed();
}

// The caption of the group box around a widget, to tell the two panels apart.
QString groupOf(const QWidget& widget) {
    for (const QWidget* parent = widget.parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(parent)) {
            return withoutColon(group->title());
        }
    }
    return {};
}

// Qt announces a checkable button that is not auto-exclusive as a check box.
// Ours turn auto-exclusivity off only so that a group may show none checked:
// they are radio buttons, and say so, with the check the model holds.
class RadioButtonInterface : public QAccessibleWidget {
public:
    explicit RadioButtonInterface(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button().isChecked();
        return state;
    }

    // Named by its own caption, not by the group box around it.
    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return button().text().remove('&');
        }
        return QAccessibleWidget::text(kind);
    }

    [[nodiscard]] QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            button().click();  // as a click: the model decides what gets checked
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    [[nodiscard]] QAbstractButton& button() const {
        return *static_cast<QAbstractButton*>(widget());
    }
};

QAccessibleInterface* radioButtonInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("ui::RadioButtonView") && object->isWidgetType()) {
        return new RadioButtonInterface(static_cast<QAbstractButton*>(object));
    }
    return nullptr;
}

}  // namespace

void announceRadioButtons() {
    // Qt keeps factories for the life of the application; one is enough.
    static const bool installed = [] {
        QAccessible::installFactory(radioButtonInterface);
        return true;
    }();
    (void)installed;
}

void nameForScreenReaders(QWidget& window) {
    // A group box is named by its own caption, not by the box around it.
    for (auto* group : window.findChildren<QGroupBox*>()) {
        group->setAccessibleName(group->title());
    }
    for (const ReadBeside& entry : Beside) {
        auto* control = window.findChild<QWidget*>(named(entry.control));
        const auto* label = window.findChild<QLabel*>(named(entry.label));
        if (control == nullptr || label == nullptr) {
            continue;
        }
        QString name = withoutColon(label->text());
        if (!entry.band.empty()) {
            name += QStringLiteral(", bande ") + named(entry.band);
        }
        control->setAccessibleName(name);
        control->setAccessibleDescription(groupOf(*control));
    }
    for (const auto& [button, name] : BandCounts) {
        if (auto* control = window.findChild<QWidget*>(named(button))) {
            control->setAccessibleName(named(name));
        }
    }
    for (const char* series : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"}) {
        if (auto* control = window.findChild<QWidget*>(series)) {
            control->setAccessibleDescription(groupOf(*control));
        }
    }
}

std::string bandDescription(std::string_view overlay, std::optional<tables::Colour> shown) {
    for (const BandPlaceName& place : Bands) {
        if (place.overlay != overlay) {
            continue;
        }
        std::string text = "bande " + std::to_string(place.band) + " : ";
        if (!shown) {
            return text + std::string(place.picture) + " (image)";
        }
        return text + std::string(tables::colourName(*shown).value_or("couleur inconnue"));
    }
    return {};
}

}  // namespace ui
