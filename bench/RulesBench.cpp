// SPDX-License-Identifier: MIT
// The rating pass and the computer's choice, on positions of a real game.

#include "core/GameRules.h"
#include "core/RandomGenerator.h"
#include "tools/arena/HeadlessWindow.h"

#include <benchmark/benchmark.h>

namespace {

// A board in -25..25 after the given number of expert moves.
struct Position {
    explicit Position(std::int32_t movesPlayed, OpponentKind kind) {
        settings.playerKind = {kind, kind};
        settings.rangeLow = -25;
        settings.rangeHigh = 25;
        SeedRandom(2024);
        rules.NewGame();
        for (std::int32_t move = 0; move < movesPlayed; ++move) {
            rules.ComputerMove();
        }
    }

    GameState state;
    GameSettings settings;
    HeadlessWindow window;
    GameRules rules{state, settings, window};
};

void BM_RateCells(benchmark::State& benchmarkState) {
    Position position(static_cast<std::int32_t>(benchmarkState.range(0)), Expert);
    for (auto _ : benchmarkState) {
        benchmark::DoNotOptimize(position.rules.RateCells());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RateCells)->Arg(0)->Arg(12)->Arg(24);

// Each iteration restores the position (a copy of the state) and lets the computer claim one cell.
void BM_ComputerMove(benchmark::State& benchmarkState) {
    const auto kind = static_cast<OpponentKind>(benchmarkState.range(0));
    Position position(static_cast<std::int32_t>(benchmarkState.range(1)), kind);
    const GameState start = position.state;
    for (auto _ : benchmarkState) {
        position.state = start;
        position.rules.ComputerMove();
        benchmark::DoNotOptimize(position.state.lastMoveCol);
    }
}
BENCHMARK(BM_ComputerMove)->ArgsProduct({{Novice, Intermediate, Expert}, {0, 12}});

}  // namespace
