// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <array>

#include "tables/screen_reader.h"

namespace ui {

namespace {

QString named(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

QString withoutColon(const QString& caption) {
    return QString::fromStdString(tables::withoutColon(caption.toStdString()));
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
    const auto captionOf = [&](std::string_view label) {
        const auto* widget = window.findChild<QLabel*>(named(label));
        return widget != nullptr ? widget->text().toStdString() : std::string();
    };
    for (auto* control : window.findChildren<QWidget*>()) {
        const std::string name =
            tables::spokenNameOf(control->objectName().toStdString(), captionOf);
        if (!name.empty()) {
            control->setAccessibleName(QString::fromStdString(name));
        }
    }
    for (const tables::ReadBeside& entry : tables::Beside) {
        if (auto* control = window.findChild<QWidget*>(named(entry.control))) {
            control->setAccessibleDescription(groupOf(*control));
        }
    }
    for (const char* series : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"}) {
        if (auto* control = window.findChild<QWidget*>(series)) {
            control->setAccessibleDescription(groupOf(*control));
        }
    }
}

}  // namespace ui
