// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <map>

#include "tables/screen_reader.h"
#include "ui/accessibility.h"
#include "ui/layout.h"
#include "ui/pictures.h"
#include "ui/style.h"
#include "ui/views.h"

namespace ui {

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

PictureView::Drawing pictureFor(std::string_view name) {
    if (name == "Image1") {
        return carbonFilmResistor;
    }
    if (name == "Image2") {
        return metalFilmResistor;
    }
    if (name == "Image3") {
        return seriesFormula;
    }
    return workedExample;
}

// The icon at its own size and at twice it, for high-density screens.
QIcon programIconSet() {
    QIcon icon;
    for (const int scale : {1, 2}) {
        QImage image = programIcon(scale);
        image.setDevicePixelRatio(1);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace

MainWindow::MainWindow() {
    setObjectName(QString::fromUtf8(WindowName.data(), static_cast<int>(WindowName.size())));
    setWindowTitle(QString::fromUtf8(WindowCaption.data(), static_cast<int>(WindowCaption.size())));
    // Minimise and close, but no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(programIconSet());
    resize(ClientWidth, ClientHeight);
    registerFontSubstitutes();
    // Everything shows in the window's own font: the desktop's default is never loaded.
    QApplication::setFont(windowFont(WindowFont));
    setFont(windowFont(WindowFont));
    applyButtonFace(*this);
    build();

    form_.setMessageBoxShower(
        [this](const std::string& message, const std::string& caption, int /*flags*/) {
            QMessageBox box(QMessageBox::Information, text(caption), text(message), QMessageBox::Ok,
                            this);
            box.exec();
        });
    form_.setErrorReporter([this](const std::string& message) {
        QMessageBox::critical(this, windowTitle(), text(message));
    });
    mirror();
}

MainWindow::~MainWindow() = default;

void MainWindow::build() {
    announceRadioButtons();
    std::map<std::string_view, QWidget*> containers{{WindowName, this}};
    for (const ControlLayout& entry : windowLayout()) {
        QWidget* parent = containers.at(entry.parent);
        QWidget* widget = makeWidget(entry, parent);
        widget->setObjectName(
            QString::fromUtf8(entry.name.data(), static_cast<int>(entry.name.size())));
        widget->setGeometry(entry.geometry.left, entry.geometry.top, entry.geometry.width,
                            entry.geometry.height);
        applyFont(*widget, entry.font);
        if (entry.kind == Kind::GroupBox) {
            containers.emplace(entry.name, widget);
        }
    }
    // Within a group box the bands lie over the picture, and the edits and
    // lists over everything.
    for (const OverlayBinding& overlay : overlays_) {
        overlay.view->raise();
    }
    nameForScreenReaders(*this);
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName("PopupMenu1");
    QAction* about = popupMenu_->addAction(text(form_.proposde1.caption()));
    about->setObjectName("proposde1");
    connect(about, &QAction::triggered, this,
            [this] { act([this] { form_.userChooseMenuItem(form_.proposde1); }); });
    setTabOrder();
}

QWidget* MainWindow::makeWidget(const ControlLayout& entry, QWidget* parent) {
    logic::Control* control = form_.findControl(entry.name);
    switch (entry.kind) {
        case Kind::GroupBox: {
            auto* model = dynamic_cast<logic::GroupBox*>(control);
            auto* box = new QGroupBox(text(model->caption()), parent);
            box->setFocusPolicy(Qt::NoFocus);
            return box;
        }
        case Kind::Label: {
            auto* model = dynamic_cast<logic::Label*>(control);
            auto* label = new QLabel(text(model->caption()), parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (!model->hint().empty()) {
                label->setToolTip(text(model->hint()));
            }
            return label;
        }
        case Kind::ListBox: {
            auto* model = dynamic_cast<logic::ListBox*>(control);
            QStringList items;
            items.reserve(model->count());
            for (const std::string& item : model->items()) {
                items.append(text(item));
            }
            auto* view = new ListBoxView(entry.itemHeight, items, parent);
            connect(view, &ListBoxView::userSelected, this, [this, model](int row) {
                act([this, model, row] { form_.userSelect(*model, row); });
            });
            lists_.push_back({model, view});
            return view;
        }
        case Kind::Edit: {
            auto* model = dynamic_cast<logic::Edit*>(control);
            auto* view = new QLineEdit(text(model->text()), parent);
            view->setReadOnly(model->readOnly());
            view->setContextMenuPolicy(Qt::NoContextMenu);
            view->setFrame(true);
            connect(view, &QLineEdit::textEdited, this, [this, model](const QString& typed) {
                act([this, model, typed] { form_.userType(*model, typed.toStdString()); });
            });
            edits_.push_back({model, view});
            return view;
        }
        case Kind::RadioButton: {
            auto* model = dynamic_cast<logic::RadioButton*>(control);
            auto* view = new RadioButtonView(text(model->caption()), parent);
            view->setAutoExclusive(false);
            view->setChecked(model->checked());
            connect(view, &QAbstractButton::clicked, this,
                    [this, model] { act([this, model] { form_.userChoose(*model); }); });
            radios_.push_back({model, view});
            return view;
        }
        case Kind::Image:
            return new PictureView(pictureFor(entry.name), parent);
        case Kind::PaintBox: {
            auto* model = dynamic_cast<logic::PaintBox*>(control);
            auto* view = new BandOverlay(*model, parent);
            overlays_.push_back({model, view, std::nullopt, false});
            return view;
        }
    }
    return nullptr;
}

void MainWindow::setTabOrder() {
    std::vector<QWidget*> order;
    for (const std::string_view name : tables::tabStops()) {
        order.push_back(
            findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<int>(name.size()))));
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void MainWindow::act(const auto& action) {
    action();
    mirror();
}

void MainWindow::mirror() {
    for (const ListBinding& list : lists_) {
        list.view->showSelection(list.model->itemIndex());
        list.view->setEnabled(list.model->enabled());
    }
    for (const EditBinding& edit : edits_) {
        const QString shown = text(edit.model->text());
        if (edit.view->text() != shown) {
            edit.view->setText(shown);
        }
    }
    for (const RadioBinding& radio : radios_) {
        if (radio.view->isChecked() != radio.model->checked()) {
            const QSignalBlocker quiet(radio.view);
            radio.view->setChecked(radio.model->checked());
        }
    }
    // An overlay stays on screen even when its band is hidden: it then draws
    // nothing and the picture shows, but a screen reader can still ask it.
    for (OverlayBinding& overlay : overlays_) {
        if (overlay.drawn != overlay.model->shownColour() || !overlay.named) {
            overlay.drawn = overlay.model->shownColour();
            overlay.named = true;
            overlay.view->setAccessibleName(QString::fromStdString(
                tables::bandDescription(overlay.model->name(), overlay.drawn)));
            overlay.view->update();
        }
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) {
        return;
    }
    placed_ = true;
    windowHandle()->installEventFilter(this);
    if (form_.placement() == logic::Placement::ScreenCenter && screen() != nullptr) {
        const QRect area = screen()->geometry();
        const QRect frame = frameGeometry();
        move(area.left() + std::max(0, (area.width() - frame.width()) / 2),
             area.top() + std::max(0, (area.height() - frame.height()) / 2));
    }
}

// The window system says the window is drawn anew (first show, restore,
// resize, uncovering): the calculator repaints its bands, which runs logic.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        act([this] { form_.expose(); });
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    popupMenu_->popup(event->globalPos());
}

// Shift+F10 opens the popup menu too, as on every desktop, at the focused control.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QWidget* focused = focusWidget() != nullptr ? focusWidget() : this;
        popupMenu_->popup(focused->mapToGlobal(focused->rect().center()));
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace ui
