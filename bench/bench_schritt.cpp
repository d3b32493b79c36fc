#include <benchmark/benchmark.h>

#include <memory>

#include "engine/schritt.h"
#include "suppe.h"

namespace {

/// Generations of a soup at N = range(0) with the edges range(1), by the kernel this processor
/// gets (simd) or by the baseline x86-64 one.
void schritte(benchmark::State& state, bool simd) {
    auto w = std::make_unique<engine::Welt>();
    const auto rand = static_cast<engine::Rand>(state.range(1));
    fuelleSuppe(*w, static_cast<int>(state.range(0)), 0.35);
    auto start = std::make_unique<engine::Welt>(*w);
    int schritte = 0;
    for (auto _ : state) {
        engine::schrittMit(*w, engine::Regel::standard(), rand, simd);
        // Keep the soup alive: start again before it settles.
        if (++schritte == 1000) {
            state.PauseTiming();
            *w = *start;
            schritte = 0;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(w->bilanz.lebende);
    }
}
void BM_Schritt(benchmark::State& state) { schritte(state, engine::simdVerfuegbar()); }
void BM_SchrittBasis(benchmark::State& state) { schritte(state, false); }
BENCHMARK(BM_Schritt)->Args({90, 0})->Args({90, 1})->Args({90, 2})->Args({30, 0});
BENCHMARK(BM_SchrittBasis)->Args({90, 0});

}  // namespace

