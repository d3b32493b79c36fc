#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/schritt.h"
#include "history/periode.h"
#include "suppe.h"

namespace {

/// The step at N = 90 on a soup kept alive, with (range 0 = 1) or without the period search.
void BM_SchrittSuppe(benchmark::State& state) {
    const bool mitSuche = state.range(0) != 0;
    auto w = std::make_unique<engine::Welt>();
    fuelleSuppe(*w, 90, 0.35);
    auto start = std::make_unique<engine::Welt>(*w);
    history::Periodensuche suche;
    suche.neuerLauf(*w);
    int schritte = 0;
    for (auto _ : state) {
        engine::schritt(*w, engine::Regel::standard(), engine::Rand::Torus);
        if (mitSuche) suche.nachSchritt(*w);
        if (++schritte == 1000) {
            state.PauseTiming();
            *w = *start;
            suche.neuerLauf(*w);
            schritte = 0;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(w->zelle[45][45]);
        benchmark::DoNotOptimize(suche.befund());
    }
}
BENCHMARK(BM_SchrittSuppe)->Arg(0)->Arg(1);

/// The step at N = 90 on a field of blinkers: every step finds period 2 and compares the cells.
void BM_SchrittBlinker(benchmark::State& state) {
    const bool mitSuche = state.range(0) != 0;
    auto w = std::make_unique<engine::Welt>();
    w->feldGroesse = 90;
    for (int x = engine::kMitte - 44; x < engine::kMitte + 42; x += 5)
        for (int y = engine::kMitte - 44; y < engine::kMitte + 44; y += 5)
            for (int d = 0; d < 3; ++d) w->zelle[x + d][y] = 2;
    history::Periodensuche suche;
    suche.neuerLauf(*w);
    for (int k = 0; k < 2; ++k) {  // the first period shows after two steps
        engine::schritt(*w, engine::Regel::standard(), engine::Rand::Torus);
        suche.nachSchritt(*w);
    }
    for (auto _ : state) {
        engine::schritt(*w, engine::Regel::standard(), engine::Rand::Torus);
        if (mitSuche) suche.nachSchritt(*w);
        benchmark::DoNotOptimize(w->zelle[45][45]);
        benchmark::DoNotOptimize(suche.befund());
    }
    if (mitSuche && suche.befund().periode != 2) state.SkipWithError(("period " + std::to_string(suche.befund().periode) + ", " + std::to_string(suche.befund().lebende) + " cells").c_str());
}
BENCHMARK(BM_SchrittBlinker)->Arg(0)->Arg(1);

/// The search alone after a step of a soup at N = 90: two hashes, the count and the look-up.
void BM_NurSuche(benchmark::State& state) {
    auto w = std::make_unique<engine::Welt>();
    fuelleSuppe(*w, 90, 0.35);
    engine::schritt(*w, engine::Regel::standard(), engine::Rand::Torus);
    history::Periodensuche suche;
    for (auto _ : state) {
        suche.nachSchritt(*w);
        benchmark::DoNotOptimize(suche.befund());
    }
}
BENCHMARK(BM_NurSuche);

}  // namespace
