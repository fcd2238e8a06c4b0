// SPDX-License-Identifier: MIT
// quinsum-arena: computer against computer on the real rules, one JSON line per game or a summary.

#include "core/RandomGenerator.h"
#include "tools/arena/ArenaArguments.h"
#include "tools/arena/GameRecordJson.h"
#include "tools/arena/SelfPlayArena.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Summary {
    std::uint64_t wins1 = 0;
    std::uint64_t wins2 = 0;
    std::uint64_t ties = 0;
    std::int64_t totalScore1 = 0;
    std::int64_t totalScore2 = 0;

    void Add(const GameState& state) {
        wins1 += state.score[0] > state.score[1] ? 1u : 0u;
        wins2 += state.score[1] > state.score[0] ? 1u : 0u;
        ties += state.score[0] == state.score[1] ? 1u : 0u;
        totalScore1 += state.score[0];
        totalScore2 += state.score[1];
    }
};

// A full disk or a closed pipe ends the run at the first failed write, with the reason.
int CannotWrite() {
    std::fprintf(stderr, "quinsum-arena: cannot write the results: %s\n", std::strerror(errno));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const std::optional<ArenaArguments> parsed = ParseArenaArguments(arguments);
    if (!parsed) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(kArenaUsage.size()), kArenaUsage.data());
        return 2;
    }

    SeedRandom(parsed->seed);
    SelfPlayArena arena(parsed->kind1, parsed->kind2, parsed->range);
    Summary summary;
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t game = 0; game < parsed->games; ++game) {
        const SelfPlayRecord record = arena.PlayGame();
        if (parsed->summary) {
            summary.Add(arena.State());
        } else {
            const std::string line = GameRecordJson(record, arena.State(), arena.Settings());
            if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size()) {
                return CannotWrite();
            }
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    if (parsed->summary) {
        const auto games = static_cast<double>(parsed->games);
        const double seconds = elapsed.count();
        std::printf(
            "{\"games\":%llu,\"wins\":[%llu,%llu],\"ties\":%llu,\"meanScore\":[%.3f,%.3f],"
            "\"gamesPerSecond\":%.0f}\n",
            static_cast<unsigned long long>(parsed->games), static_cast<unsigned long long>(summary.wins1),
            static_cast<unsigned long long>(summary.wins2), static_cast<unsigned long long>(summary.ties),
            static_cast<double>(summary.totalScore1) / games, static_cast<double>(summary.totalScore2) / games,
            seconds > 0 ? games / seconds : 0.0);
    }
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : CannotWrite();
}
