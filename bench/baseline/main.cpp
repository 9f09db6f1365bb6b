// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a plain Qt program showing a window of the same size with the
// same kinds and numbers of widgets, the same places, fonts and texts, the same
// filled lists and pictures of the same sizes, and no logic at all: no
// handlers, no binding, nothing drawn by hand beyond flat pictures.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <map>

#include "bench/first_frame_probe.h"
#include "logic/form.h"
#include "ui/layout.h"

namespace {

// A small widget that paints itself one colour, like a band overlay.
class Swatch : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter(this).fillRect(rect(), QColor(128, 0, 0));
    }
};

QPixmap picture(const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(252, 252, 252));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(226, 204, 174));
    painter.drawRoundedRect(QRectF(43, 17, 228, 65).intersected(QRectF(QPointF(0, 0), size)), 16,
                            22);
    return QPixmap::fromImage(image);
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

int main() {
    int argc = 1;
    char name[] = "baseline";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);

    // Only for its texts: the captions, items and edit texts the window shows.
    logic::TForm1 texts;

    QWidget window;
    window.setWindowTitle("Baseline");
    window.resize(ui::ClientWidth, ui::ClientHeight);
    std::map<std::string_view, QWidget*> containers{{ui::WindowName, &window}};
    for (const ui::ControlLayout& entry : ui::windowLayout()) {
        QWidget* parent = containers.at(entry.parent);
        QWidget* widget = nullptr;
        logic::Control* control = texts.findControl(entry.name);
        switch (entry.kind) {
            case ui::Kind::GroupBox:
                widget =
                    new QGroupBox(text(dynamic_cast<logic::GroupBox*>(control)->caption()), parent);
                containers.emplace(entry.name, widget);
                break;
            case ui::Kind::Label:
                widget = new QLabel(text(dynamic_cast<logic::Label*>(control)->caption()), parent);
                break;
            case ui::Kind::ListBox: {
                auto* list = new QListWidget(parent);
                for (const std::string& item : dynamic_cast<logic::ListBox*>(control)->items()) {
                    list->addItem(text(item));
                }
                list->setCurrentRow(0);
                widget = list;
                break;
            }
            case ui::Kind::Edit:
                widget = new QLineEdit(text(dynamic_cast<logic::Edit*>(control)->text()), parent);
                break;
            case ui::Kind::RadioButton:
                widget = new QRadioButton(
                    text(dynamic_cast<logic::RadioButton*>(control)->caption()), parent);
                break;
            case ui::Kind::Image: {
                auto* image = new QLabel(parent);
                image->setPixmap(picture(QSize(entry.geometry.width, entry.geometry.height)));
                widget = image;
                break;
            }
            case ui::Kind::PaintBox:
                widget = new Swatch(parent);
                break;
        }
        widget->setGeometry(entry.geometry.left, entry.geometry.top, entry.geometry.width,
                            entry.geometry.height);
        if (entry.font.pixelHeight != 0) {
            QFont font = widget->font();
            font.setPixelSize(entry.font.pixelHeight);
            font.setBold(entry.font.bold);
            widget->setFont(font);
        }
    }
    bench::FirstFrameProbe probe(window);
    window.show();
    return QApplication::exec();
}
