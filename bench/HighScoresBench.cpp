// SPDX-License-Identifier: MIT
#include "scores/HighScoreRecords.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <stdlib.h>

namespace {

// Every game ranks into a full list, which is the most work a result can cost.
void BM_RecordResult(benchmark::State& state) {
    HighScoreRecords records;
    int score = 0;
    for (auto _ : state) {
        records.RecordResult(0, "Player One", score % 100, 0, "Zo\u00EB", (score * 7) % 100, score % 4);
        ++score;
        benchmark::DoNotOptimize(records.newLine);
    }
}
BENCHMARK(BM_RecordResult);

void BM_LoadAndSaveHighScores(benchmark::State& state) {
    std::string directory = (std::filesystem::temp_directory_path() / "quinsum-bench-XXXXXX").string();
    if (::mkdtemp(directory.data()) == nullptr) {
        state.SkipWithError("cannot create a temporary directory");
        return;
    }
    HighScoreRecords records;
    records.SetFilePath(std::filesystem::path(directory) / "high scores.dat");
    for (int game = 0; game < 20; ++game) {
        records.RecordResult(0, "Ann", game, 1, "Computer 1", 10, game % 4);
    }
    records.SaveHighScores();
    for (auto _ : state) {
        benchmark::DoNotOptimize(records.LoadHighScores());
        benchmark::DoNotOptimize(records.SaveHighScores());
    }
    std::filesystem::remove_all(directory);
}
BENCHMARK(BM_LoadAndSaveHighScores)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
