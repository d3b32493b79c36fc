#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "engine/zahltext.h"
#include "run/uhr.h"
#include "suppe.h"
#include "ui/dialoge.h"
#include "ui/frmvireo.h"

namespace {

constexpr int kN = 90;
constexpr double kDichte = 0.35;

/// One tick of 999 generations without the window: the generations alone.
void BM_Zeitraffer999(benchmark::State& state) {
    auto suppe = std::make_unique<engine::Welt>();
    fuelleSuppe(*suppe, kN, kDichte);
    auto w = std::make_unique<engine::Welt>(*suppe);
    run::Zeitraffer z;
    for (auto _ : state) {
        state.PauseTiming();
        *w = *suppe;
        state.ResumeTiming();
        z.beginne(999);
        z.scheibe(*w, engine::Regel::standard(), engine::Rand::Torus, [](const engine::Welt&, bool) {});
        benchmark::DoNotOptimize(w->bilanz.lebende);
    }
}
BENCHMARK(BM_Zeitraffer999)->Unit(benchmark::kMillisecond);

struct Fenster {
    ui::QtDialoge dialoge;
    ui::frmVireo f{dialoge};
    const std::string suppe = suppenText(kN, kDichte);

    Fenster() {
        // Start-up sets the clock running; the benchmarks start it themselves.
        f.modell().laufUmschalten();
        f.modell().festeGroesse(2);
        neueSuppe();
        f.show();
        QApplication::processEvents();
    }
    void neueSuppe() { f.modell().fuegeMusterEin(suppe, "", true); }
    template <typename T>
    T* finde(const char* name) { return f.findChild<T*>(QString::fromLatin1(name)); }
};

/// One tick of the window's clock with n = 999: generations, counter, finding and the one redraw.
void BM_Timer1Takt999(benchmark::State& state) {
    Fenster fenster;
    fenster.f.modell().setzeGenerationenText("999");
    fenster.f.modell().laufUmschalten();
    for (auto _ : state) {
        state.PauseTiming();
        fenster.neueSuppe();
        state.ResumeTiming();
        QMetaObject::invokeMethod(fenster.finde<QObject>("startTafel"), "takt", Qt::DirectConnection);
    }
}
BENCHMARK(BM_Timer1Takt999)->Unit(benchmark::kMillisecond);

/// The running clock at its shortest interval (10 ms) with n = the second argument (1, or 999
/// for the top speed) for three seconds of real event loop, every tick redrawn and painted; with
/// first argument 1 the chart window "Verlauf" is open and follows. Reports generations per
/// second and the longest gap between two ticks.
void BM_Dauerlauf10ms(benchmark::State& state) {
    Fenster fenster;
    if (state.range(0) == 1) fenster.finde<QAction>("cmdVerlauf")->trigger();
    fenster.f.modell().setzeGenerationenText(std::to_string(state.range(1)));
    fenster.finde<QScrollBar>("HScroll1")->triggerAction(QAbstractSlider::SliderToMaximum);
    auto* zaehler = fenster.finde<QLineEdit>("txtSchritt");
    QElapsedTimer uhr;
    qint64 letzte = 0;
    qint64 groessteLuecke = 0;
    QObject::connect(zaehler, &QLineEdit::textChanged, [&] {
        const qint64 jetzt = uhr.nsecsElapsed();
        groessteLuecke = std::max(groessteLuecke, jetzt - letzte);
        letzte = jetzt;
    });
    double generationen = 0;
    double sekunden = 0;
    for (auto _ : state) {
        fenster.f.modell().setzeZaehlerText("0");
        QEventLoop schleife;
        QTimer::singleShot(3000, &schleife, &QEventLoop::quit);
        uhr.start();
        letzte = 0;
        groessteLuecke = 0;
        fenster.f.modell().laufUmschalten();
        schleife.exec();
        fenster.f.modell().laufUmschalten();
        sekunden = uhr.nsecsElapsed() / 1e9;
        generationen = engine::leseZahl(fenster.f.modell().zaehlerText());
        state.SetIterationTime(sekunden);
    }
    state.counters["gen_pro_s"] = generationen / sekunden;
    state.counters["groesste_luecke_ms"] = groessteLuecke / 1e6;
}
BENCHMARK(BM_Dauerlauf10ms)->ArgsProduct({{0, 1}, {1, 999}})->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
