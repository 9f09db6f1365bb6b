// SPDX-License-Identifier: GPL-3.0-or-later
// What mirroring one user action into the Qt widgets costs, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "ui/main_window.h"

namespace {

// The typical event's click, then the copy of the model into the widgets.
void MirrorTypicalEvent(benchmark::State& state) {
    ui::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    logic::TForm1& form = window.form();
    form.userSelect(form.ListBox7, 5);
    int row = 33;
    for (auto _ : state) {
        row = row == 33 ? 34 : 33;  // each click changes what the widgets show
        form.userSelect(form.ListBox8, row);
        window.mirror();
    }
}
BENCHMARK(MirrorTypicalEvent);

// The copy alone, when nothing has changed since the last one.
void MirrorUnchanged(benchmark::State& state) {
    ui::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    for (auto _ : state) {
        window.mirror();
    }
}
BENCHMARK(MirrorUnchanged);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
