#include <benchmark/benchmark.h>

#include <memory>

#include "suppe.h"
#include "ui/bausteine.h"
#include "ui/qtzeichenflaeche.h"
#include "view/feldansicht.h"

namespace {

class KeinText : public view::TextFeld {
public:
    void setzeText(const std::string&) override {}
};

void BM_ZeichneFeld(benchmark::State& state) {
    auto w = std::make_unique<engine::Welt>();
    fuelleSuppe(*w, 90, 0.95);
    ui::QtZeichenflaeche flaeche(ui::tw(9660), ui::tw(9720), view::kFensterHintergrund);
    view::Anzeige anzeige;
    KeinText text;
    for (auto _ : state) {
        view::zeichneFeld(flaeche, text, *w, anzeige, view::rgb(224, 224, 224), 90);
        benchmark::DoNotOptimize(flaeche.bild().constBits());
    }
}
BENCHMARK(BM_ZeichneFeld);

}  // namespace
