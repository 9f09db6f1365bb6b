// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/views.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>
#include <utility>

#include "logic/paint_box.h"
#include "ui/style.h"

namespace ui {

namespace {

// Every item of a list has the same height, whatever its font says, and the
// list's width: nothing needs measuring.
class FixedHeightItems : public QStyledItemDelegate {
public:
    FixedHeightItems(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}

    QSize sizeHint(const QStyleOptionViewItem& /*option*/,
                   const QModelIndex& /*index*/) const override {
        return {1, height_};
    }

private:
    int height_;
};

}  // namespace

ListBoxView::ListBoxView(int itemHeight, const QStringList& items, QWidget* parent)
    : QListWidget(parent) {
    // A sunken two-pixel frame: the first item starts two pixels down.
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(2);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::NoContextMenu);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new FixedHeightItems(itemHeight, this));
    addItems(items);
}

void ListBoxView::showSelection(int row) {
    if (row == currentRow() && (row < 0 || item(row)->isSelected())) {
        return;
    }
    const QSignalBlocker quiet(this);
    if (row < 0) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        scrollToItem(item(row));
    }
}

void ListBoxView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        emit userSelected(index.row());
    }
}

void ListBoxView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

// Dragging over the items does not move the selection: only a click does.
void ListBoxView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

// The arrow keys choose an item, as the mouse does.
void ListBoxView::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    {
        const QSignalBlocker quiet(this);
        QListWidget::keyPressEvent(event);
    }
    const int after = currentRow();
    if (after != before && after >= 0) {
        emit userSelected(after);
    }
}

BandOverlay::BandOverlay(const logic::PaintBox& box, QWidget* parent) : QWidget(parent), box_(box) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BandOverlay::paintEvent(QPaintEvent* /*event*/) {
    if (const std::optional<tables::Colour> colour = box_.shownColour()) {
        QPainter(this).fillRect(rect(), toQColor(*colour));
    }
}

PictureView::PictureView(Drawing drawing, QWidget* parent) : QWidget(parent), drawing_(drawing) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureView::paintEvent(QPaintEvent* /*event*/) {
    const int scale = std::max(1, static_cast<int>(std::ceil(devicePixelRatioF())));
    if (scale != pixmapScale_) {
        pixmap_ = QPixmap::fromImage(drawing_(scale));
        pixmapScale_ = scale;
    }
    QPainter(this).drawPixmap(0, 0, pixmap_);
}

}  // namespace ui
