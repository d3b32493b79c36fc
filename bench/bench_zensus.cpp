#include <benchmark/benchmark.h>

#include "zensus/zensus.h"

namespace {

/// Soups of a fixed root run to their objects, one worker, under the rule and mask of the
/// argument: 0 Conway's rule, 1 HighLife, 2 B3/S238, 3 B2/S12 with the four orthogonal
/// neighbours (mask 85). Reports soups per second.
void BM_Suppe(benchmark::State& state) {
    static constexpr std::pair<engine::Regel, std::uint8_t> kRegeln[] = {
        {{0b1100, 0b1000}, 255}, {{0b1100, 0b1001000}, 255}, {{0b100001100, 0b1000}, 255}, {{0b110, 0b100}, 85}};
    zensus::Auftrag a;
    a.wurzel = "l_kEwHfF3ArtPb";
    std::tie(a.regel, a.nachbarMaske) = kRegeln[state.range(0)];
    zensus::Labor labor;
    std::uint64_t nummer = 0;
    for (auto _ : state) benchmark::DoNotOptimize(labor.untersuche(a, nummer++).size());
    state.counters["suppen_pro_s"] = benchmark::Counter(static_cast<double>(nummer), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Suppe)->DenseRange(0, 3)->MinTime(5);

}  // namespace
