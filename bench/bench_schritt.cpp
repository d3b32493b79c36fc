#include <benchmark/benchmark.h>

#include <memory>

#include "engine/schritt.h"
#include "suppe.h"

namespace {

void BM_Schritt(benchmark::State& state) {
    auto w = std::make_unique<engine::Welt>();
    const auto rand = static_cast<engine::Rand>(state.range(1));
    fuelleSuppe(*w, static_cast<int>(state.range(0)), 0.35);
    auto start = std::make_unique<engine::Welt>(*w);
    int schritte = 0;
    for (auto _ : state) {
        engine::schritt(*w, engine::Regel::standard(), rand);
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
BENCHMARK(BM_Schritt)->Args({90, 0})->Args({90, 1})->Args({90, 2})->Args({30, 0});

}  // namespace

