// What the history of the user's work costs: a click recorded as one step, and a tick of the
// running clock, whose generations add to one open step.
#include <benchmark/benchmark.h>

#include "suppe.h"
#include "werkbank/werkbank.h"

namespace {

werkbank::Werkbank& bank() {
    static werkbank::Werkbank w;
    static const bool fertig = [] {
        w.start();
        w.laufUmschalten();
        w.festeGroesse(2);
        w.fuegeMusterEin(suppenText(90, 0.35), "", true);
        return true;
    }();
    (void)fertig;
    return w;
}

/// A left click on the field: the cell toggles and the step is recorded (changes found by
/// comparing all 101 x 101 cells with the last recorded state).
void BM_KlickMitChronik(benchmark::State& state) {
    werkbank::Werkbank& w = bank();
    for (auto _ : state) w.mausRunter(1, 0.5 + 1.8, 0.5 - 1.8);
    state.counters["schritte"] = static_cast<double>(w.chronik().schritte());
}
BENCHMARK(BM_KlickMitChronik);

/// One tick of the running clock (n = 1) at N = 90: the generation, the finding and the history.
void BM_TaktMitChronik(benchmark::State& state) {
    werkbank::Werkbank& w = bank();
    w.setzeGenerationenText("1");
    w.laufUmschalten();
    for (auto _ : state) w.takt();
    w.laufUmschalten();
}
BENCHMARK(BM_TaktMitChronik);

/// The same generation without the workbench: the step alone, for comparison.
void BM_NurSchritt(benchmark::State& state) {
    auto welt = std::make_unique<engine::Welt>(bank().welt());
    for (auto _ : state) engine::schritt(*welt, engine::Regel::standard(), engine::Rand::Torus);
}
BENCHMARK(BM_NurSchritt);

}  // namespace
