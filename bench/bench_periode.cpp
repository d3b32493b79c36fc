#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/schritt.h"
#include "history/periode.h"
#include "history/zeitreihe.h"
#include "texte/texte.h"
#include "suppe.h"

namespace {

/// How much of a watcher runs after each step.
enum Beobachtung { kNichts = 0, kZeitreihe = 1, kAlles = 2 };

/// Everything a watcher needs per generation: the time series, and with kAlles the period and
/// travel search whose finding goes into it.
struct Beobachter {
    std::unique_ptr<history::Zeitreihe> reihe = std::make_unique<history::Zeitreihe>();
    std::unique_ptr<history::Periodensuche> suche = std::make_unique<history::Periodensuche>();
    double generation = 0;

    void beginne(const engine::Welt& w) {
        generation = 0;
        reihe->beginne(generation, w);
        suche->neuerLauf(w);
    }
    void nachSchritt(const engine::Welt& w, int art) {
        if (art >= kZeitreihe) reihe->erfasse(++generation, w);
        if (art == kAlles) {
            suche->nachSchritt(w);
            reihe->mitBefund(suche->befund());
        }
    }
};

/// Steps a field that settles at once: `vorlauf` steps fully watched, then the measured ones with
/// the watcher's part `art`; fails unless the search ends with `befund`.
void laufe(benchmark::State& state, engine::Welt& w, int art, int vorlauf, const std::string& befund) {
    Beobachter b;
    b.beginne(w);
    for (int k = 0; k < vorlauf; ++k) {
        engine::schritt(w, engine::Regel::standard(), engine::Rand::Torus);
        b.nachSchritt(w, kAlles);
    }
    for (auto _ : state) {
        engine::schritt(w, engine::Regel::standard(), engine::Rand::Torus);
        b.nachSchritt(w, art);
        benchmark::DoNotOptimize(w.bilanz.lebende);
    }
    const std::string gefunden = texte::befund(texte::Sprache::deutsch, b.suche->befund());
    if (art == kAlles && gefunden != befund) state.SkipWithError(("found " + gefunden).c_str());
}

/// The step at N = 90 on a soup of density 0.35 kept alive, torus; range 0 the watcher's part.
void BM_SchrittSuppe(benchmark::State& state) {
    const int art = static_cast<int>(state.range(0));
    auto w = std::make_unique<engine::Welt>();
    fuelleSuppe(*w, 90, 0.35);
    auto start = std::make_unique<engine::Welt>(*w);
    Beobachter b;
    b.beginne(*w);
    int schritte = 0;
    for (auto _ : state) {
        engine::schritt(*w, engine::Regel::standard(), engine::Rand::Torus);
        b.nachSchritt(*w, art);
        if (++schritte == 1000) {
            state.PauseTiming();
            *w = *start;
            b.beginne(*w);
            schritte = 0;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(w->bilanz.lebende);
    }
}
BENCHMARK(BM_SchrittSuppe)->Arg(kNichts)->Arg(kZeitreihe)->Arg(kAlles);

/// Gliders on the torus at N = 90, all heading the same way, so that every step finds the field
/// moved by (1, 1) four steps back: range 0 gliders (1, or 81 on a grid of 10 x 10 cells, where
/// 81 shifts fit and the smallest must be found), range 1 the watcher's part.
void BM_SchrittGleiter(benchmark::State& state) {
    const int gleiter = static_cast<int>(state.range(0));
    const int art = static_cast<int>(state.range(1));
    auto w = std::make_unique<engine::Welt>();
    w->feldGroesse = 90;
    const int abstand = gleiter == 1 ? 90 : 10;
    for (int x = 0; x < 90; x += abstand)
        for (int y = 0; y < 90; y += abstand) {
            const int i = engine::kMitte - 45 + x, j = engine::kMitte - 45 + y;
            w->setzeZelle(i + 1, j, 2);
            w->setzeZelle(i + 2, j + 1, 2);
            for (int d = 0; d < 3; ++d) w->setzeZelle(i + d, j + 2, 2);
        }
    laufe(state, *w, art, 8, "Periode 4, wandert (1, 1)");
}
BENCHMARK(BM_SchrittGleiter)->Args({1, kNichts})->Args({1, kAlles})->Args({81, kNichts})->Args({81, kAlles});

/// The step at N = 90 on a field of blinkers: every step finds period 2 and compares the cells.
void BM_SchrittBlinker(benchmark::State& state) {
    auto w = std::make_unique<engine::Welt>();
    w->feldGroesse = 90;
    for (int x = engine::kMitte - 44; x < engine::kMitte + 42; x += 5)
        for (int y = engine::kMitte - 44; y < engine::kMitte + 44; y += 5)
            for (int d = 0; d < 3; ++d) w->setzeZelle(x + d, y, 2);
    laufe(state, *w, static_cast<int>(state.range(0)), 2, "Periode 2");
}
BENCHMARK(BM_SchrittBlinker)->Arg(kNichts)->Arg(kAlles);

/// The search alone after a step of a soup at N = 90 that starts a new run: the start state
/// read from the ring, the present taken from the step, and the look-up; the most one step takes.
void BM_NurSuche(benchmark::State& state) {
    auto w = std::make_unique<engine::Welt>();
    fuelleSuppe(*w, 90, 0.35);
    engine::schritt(*w, engine::Regel::standard(), engine::Rand::Torus);
    auto suche = std::make_unique<history::Periodensuche>();
    for (auto _ : state) {
        suche->nachSchritt(*w);
        benchmark::DoNotOptimize(suche->befund());
    }
}
BENCHMARK(BM_NurSuche);

}  // namespace
