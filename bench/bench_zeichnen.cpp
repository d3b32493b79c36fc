#include <benchmark/benchmark.h>

#include <memory>

#include "suppe.h"
#include "view/feldansicht.h"
#include "view/pixelflaeche.h"

namespace {

void BM_ZeichneFeld(benchmark::State& state) {
    auto w = std::make_unique<engine::Welt>();
    fuelleSuppe(*w, 90, 0.95);
    view::Pixelflaeche flaeche(view::kBildBreite, view::kBildHoehe, view::kFensterHintergrund);
    view::Anzeige anzeige;
    for (auto _ : state) {
        view::zeichneFeld(flaeche, w->zellen(), anzeige, 90);
        benchmark::DoNotOptimize(flaeche.pixel());
    }
}
BENCHMARK(BM_ZeichneFeld);

}  // namespace
