// SPDX-License-Identifier: MIT
// The rules engine: random playouts from a fresh deal to the end of the
// game, and copying a position.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "engine/playout.h"
#include "players/players.h"

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

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// The positions where one side decides in games of the handheld's rules
// against themselves, every fourth one kept.
std::vector<engine::Position> decisionPoints(int32_t variant, int32_t games) {
    std::vector<engine::Position> points;
    for (int32_t game = 0; game < games; ++game) {
        engine::Position position = engine::dealFromSeed(variant, 1000 + game, engine::NOBODY);
        for (int32_t i = 0; position.phase != engine::Phase::over && i < 1000; ++i) {
            if (i % 4 == 0) {
                points.push_back(position);
            }
            engine::apply(position, players::handheldMove(position));
        }
    }
    return points;
}

// The expert's decision time at its default budget, in processor time of
// the thread: the median, the 99th percentile and the longest.
void BM_ExpertDecision(benchmark::State& state) {
    const std::vector<engine::Position> points =
        decisionPoints(static_cast<int32_t>(state.range(0)), 40);
    engine::Random random(5);
    std::vector<double> times;
    for (auto _ : state) {
        for (const engine::Position& position : points) {
            const double start = threadSeconds();
            benchmark::DoNotOptimize(players::expertMove(position, players::EXPERT_BUDGET, random));
            times.push_back(threadSeconds() - start);
        }
    }
    std::sort(times.begin(), times.end());
    const auto at = [&](double share) {
        return 1000.0 *
               times[static_cast<std::size_t>(share * static_cast<double>(times.size() - 1))];
    };
    state.counters["p50_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    state.counters["max_ms"] = at(1.0);
    state.counters["decisions"] = static_cast<double>(times.size());
}
BENCHMARK(BM_ExpertDecision)->DenseRange(0, 5)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
