// SPDX-License-Identifier: GPL-3.0-or-later
// What one user action costs in the calculator model, whole chain and repaints
// included, without any toolkit.
#include <benchmark/benchmark.h>

#include "logic/form.h"

namespace {

// The window as the user first sees it, with the decade x1k chosen.
struct ShownForm {
    ShownForm() {
        form.show();
        form.userSelect(form.ListBox7, 5);
    }
    logic::TForm1 form;
};

// The typical event: five bands, E48, x1k, the user clicks "487".
void TypicalEvent(benchmark::State& state) {
    ShownForm shown;
    for (auto _ : state) {
        shown.form.userSelect(shown.form.ListBox8, 33);
    }
    benchmark::DoNotOptimize(shown.form.Edit23.text());
}
BENCHMARK(TypicalEvent);

// A decade click moves both multipliers; alternate two so each one changes.
void DecadeClick(benchmark::State& state) {
    ShownForm shown;
    int decade = 5;
    for (auto _ : state) {
        decade = decade == 5 ? 6 : 5;
        shown.form.userSelect(shown.form.ListBox7, decade);
    }
    benchmark::DoNotOptimize(shown.form.Edit3.text());
}
BENCHMARK(DecadeClick);

// Choosing six bands, then five again, so that each choice changes the mode.
// The time shown is per choice.
void SixBandChoice(benchmark::State& state) {
    ShownForm shown;
    for (auto _ : state) {
        shown.form.userChoose(shown.form.RadioButton6B);
        shown.form.userChoose(shown.form.RadioButton5B);
    }
    state.SetItemsProcessed(2 * state.iterations());
    benchmark::DoNotOptimize(shown.form.Edit26.text());
}
BENCHMARK(SixBandChoice);

// The whole window exposed: every visible band repaints, running its handler.
void ExposeWindow(benchmark::State& state) {
    ShownForm shown;
    shown.form.userChoose(shown.form.RadioButton6B);
    for (auto _ : state) {
        shown.form.expose();
    }
    benchmark::DoNotOptimize(shown.form.State.BandColor26);
}
BENCHMARK(ExposeWindow);

}  // namespace

BENCHMARK_MAIN();
