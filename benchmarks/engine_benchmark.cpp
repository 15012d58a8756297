// The rules engine: random playouts from a fresh deal to the end of the
// game, and copying a position.
#include <benchmark/benchmark.h>

#include "engine/playout.h"

namespace {

void BM_RandomPlayoutFromAFreshDeal(benchmark::State& state) {
    const auto variant = static_cast<int32_t>(state.range(0));
    engine::Random random(12345);
    uint64_t deal = 1;
    int64_t decided = 0;
    for (auto _ : state) {
        const engine::Position start = engine::dealFromSeed(variant, deal++, engine::NOBODY);
        decided += engine::randomPlayout(start, random) != engine::NOBODY ? 1 : 0;
    }
    benchmark::DoNotOptimize(decided);
    state.SetItemsProcessed(state.iterations());
    state.counters["decided"] =
        benchmark::Counter(static_cast<double>(decided) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_RandomPlayoutFromAFreshDeal)->DenseRange(0, 5);

void BM_CopyAPosition(benchmark::State& state) {
    engine::Position position = engine::dealFromSeed(1, 7, engine::NOBODY);
    for (auto _ : state) {
        engine::Position copy = position;
        benchmark::DoNotOptimize(copy);
        position.talonNext = static_cast<int8_t>(copy.talonNext ^ 1);
    }
}
BENCHMARK(BM_CopyAPosition);

} // namespace
