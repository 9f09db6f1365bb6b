// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "logic/form.h"
#include "tables/layout.h"

class QLineEdit;
class QMenu;

namespace ui {

class BandOverlay;
class ListBoxView;
class RadioButtonView;

// The one window: built from the layout, it shows the calculator's controls
// and feeds what the user does back to them. Calculator rules live in the form;
// this class only turns input into the form's user actions and, after each,
// copies the form's state into the widgets.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    MainWindow(MainWindow&&) = delete;
    MainWindow& operator=(MainWindow&&) = delete;

    [[nodiscard]] logic::TForm1& form() { return form_; }
    [[nodiscard]] QMenu& popupMenu() { return *popupMenu_; }

    // Copies the form's state into the widgets. A band overlay is redrawn
    // only when what it shows has changed.
    void mirror();

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* makeWidget(const tables::ControlLayout& entry, QWidget* parent);
    void setTabOrder();
    void act(const auto& action);

    logic::TForm1 form_;
    QMenu* popupMenu_ = nullptr;
    bool placed_ = false;

    struct ListBinding {
        logic::ListBox* model;
        ListBoxView* view;
    };
    struct EditBinding {
        logic::Edit* model;
        QLineEdit* view;
    };
    struct RadioBinding {
        logic::RadioButton* model;
        RadioButtonView* view;
    };
    struct OverlayBinding {
        logic::PaintBox* model;
        BandOverlay* view;
        std::optional<tables::Colour> drawn;  // what the view last drew
        bool named = false;
    };
    std::vector<ListBinding> lists_;
    std::vector<EditBinding> edits_;
    std::vector<RadioBinding> radios_;
    std::vector<OverlayBinding> overlays_;
};

}  // namespace ui
