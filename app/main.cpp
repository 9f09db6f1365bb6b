// SPDX-License-Identifier: GPL-3.0-or-later
// The program: one window, until the user closes it.
#include <QApplication>

#include "ui/main_window.h"

#ifdef RESISTANCES_FIRST_FRAME_PROBE
#include "bench/first_frame_probe.h"
#endif

int main() {
    // The program takes no arguments: Qt is given none to read.
    int argc = 1;
    char name[] = "resistances";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    // Ties the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName("org.example.resistances");

    ui::MainWindow window;
#ifdef RESISTANCES_FIRST_FRAME_PROBE
    // Benchmark builds only: report the first frame and stop.
    bench::FirstFrameProbe probe(window);
#endif
    window.show();
    return QApplication::exec();
}
