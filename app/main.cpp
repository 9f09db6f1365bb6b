// The program: one window, until the user closes it.
#include <QApplication>

#include "ui/main_window.h"
#include "ui/pictures.h"

int main() {
    // The program takes no arguments: Qt is given none to read.
    int argc = 1;
    char name[] = "resistances";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ui::programIcon())));

    ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
