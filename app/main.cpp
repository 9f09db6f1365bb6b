// SPDX-License-Identifier: GPL-3.0-or-later
// The program: one window, until the user closes it.
#include <QApplication>

#include "app/command_line.h"
#include "ui/main_window.h"

#ifdef RESISTANCES_FIRST_FRAME_PROBE
#include "bench/first_frame_probe.h"
#endif

int main(int argc, char** argv) {
    if (const std::optional<int> status = app::answerCommandLine(argc, argv)) {
        return *status;
    }
    // Only Qt's own options are left for Qt to read.
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
