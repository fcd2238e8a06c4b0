// SPDX-License-Identifier: MIT
// Whole self-play games, as quinsum-arena plays them; items per second are games per second.

#include "core/RandomGenerator.h"
#include "tools/arena/SelfPlayArena.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SelfPlayGame(benchmark::State& benchmarkState) {
    SelfPlayArena arena(static_cast<OpponentKind>(benchmarkState.range(0)),
                        static_cast<OpponentKind>(benchmarkState.range(1)), RangeMinus25To25);
    SeedRandom(1);
    for (auto _ : benchmarkState) {
        benchmark::DoNotOptimize(arena.PlayGame());
    }
    benchmarkState.SetItemsProcessed(benchmarkState.iterations());
}
BENCHMARK(BM_SelfPlayGame)->Args({Novice, Novice})->Args({Intermediate, Intermediate})->Args({Expert, Expert});

}  // namespace
