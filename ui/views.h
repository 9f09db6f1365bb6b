// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>
#include <QWidget>

namespace logic {
class PaintBox;
}

namespace ui {

// A list box whose selection only the model sets. What the user does with the
// mouse or the keyboard comes out as userSelected(row); the selection follows
// once the model has taken it.
class ListBoxView : public QListWidget {
    Q_OBJECT
public:
    ListBoxView(int itemHeight, const QStringList& items, QWidget* parent);
    void showSelection(int row);

signals:
    void userSelected(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A radio button whose check only the model sets: a group may have none checked.
class RadioButtonView : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override {}
};

// A band overlay: it draws what the model's paint box shows, or nothing at all
// so that the picture beneath shows through. Drawing runs no calculator logic.
class BandOverlay : public QWidget {
    Q_OBJECT
public:
    BandOverlay(const logic::PaintBox& box, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const logic::PaintBox& box_;
};

// A fixed picture drawn at its own size from the top-left corner, clipped.
// It is drawn for the screen's device pixel ratio when first needed, and again
// only if the ratio changes (the window moved to another screen).
class PictureView : public QWidget {
    Q_OBJECT
public:
    using Drawing = QImage (*)(int scale);
    PictureView(Drawing drawing, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawing drawing_;
    QPixmap pixmap_;
    int pixmapScale_ = 0;
};

}  // namespace ui
