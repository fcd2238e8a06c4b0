// SPDX-License-Identifier: MIT
// Runs quinsum-arena as a program and checks what it prints against the rules.

#include "core/LinePatterns.h"
#include "core/NumberRange.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct RunResult {
    std::string output;
    int exitStatus;
};

// Runs the arena with the given arguments; redirections in them apply to the shell.
RunResult RunArena(const std::string& arguments) {
    const std::string command = std::string(QUINSUM_ARENA_PATH) + " " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {"", -1};
    }
    std::string output;
    std::array<char, 4096> buffer{};
    for (std::size_t read = 0; (read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        output.append(buffer.data(), read);
    }
    const int status = pclose(pipe);
    return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// All integers of the value after "key": (flattened when it is an array of arrays).
std::vector<std::int32_t> IntegersOf(const std::string& json, const std::string& key) {
    const std::size_t start = json.find("\"" + key + "\":");
    std::size_t position = start + key.size() + 3;
    std::vector<std::int32_t> numbers;
    int depth = 0;
    do {
        const char character = json[position];
        depth += character == '[' ? 1 : character == ']' ? -1 : 0;
        if (character == '-' || (character >= '0' && character <= '9')) {
            std::size_t length = 0;
            numbers.push_back(std::stoi(json.substr(position), &length));
            position += length;
        } else {
            ++position;
        }
    } while (depth > 0 && position < json.size());
    return numbers;
}

const std::regex kGameShape(R"(\{"range":[0-3],"players":\[[1-3],[1-3]\],"first":[12],)"
                            R"("numbers":\[(-?\d+,){24}-?\d+\],"moves":\[(\[[0-4],[0-4]\],){24}\[[0-4],[0-4]\]\],)"
                            R"("lines":\[((\[[12],(-?\d+,){6}-?\d+\],)*\[[12],(-?\d+,){6}-?\d+\])?\],)"
                            R"("score":\[-?\d+,-?\d+\]\})");

// Replays one game line: players alternate from the first, each claim scores exactly the lines
// of its mover through the claimed cell in pattern order, and the scores are the sums of the lines.
void CheckGameAgainstRules(const std::string& json, std::int32_t range, std::int32_t kind1, std::int32_t kind2) {
    ASSERT_TRUE(std::regex_match(json, kGameShape)) << json;
    EXPECT_EQ(IntegersOf(json, "range"), std::vector<std::int32_t>{range});
    EXPECT_EQ(IntegersOf(json, "players"), (std::vector<std::int32_t>{kind1, kind2}));

    const auto numbers = IntegersOf(json, "numbers");
    const auto [low, high] = RangeBounds(static_cast<NumberRange>(range));
    for (const std::int32_t number : numbers) {
        ASSERT_TRUE(number >= low && number <= high) << number;
    }

    const auto moves = IntegersOf(json, "moves");
    std::array<std::int32_t, kCellCount> owner{};
    std::int32_t player = IntegersOf(json, "first")[0];
    std::vector<std::int32_t> expectedLines;
    std::array<std::int32_t, 2> expectedScore{};
    for (std::size_t move = 0; move < moves.size(); move += 2) {
        const std::int32_t col = moves[move];
        const std::int32_t row = moves[move + 1];
        ASSERT_EQ(owner[CellIndex(col, row)], 0) << "cell claimed twice in " << json;
        owner[CellIndex(col, row)] = player;
        for (const LinePattern& pattern : kLinePatterns) {
            const std::int32_t colA = col + pattern.dxA;
            const std::int32_t rowA = row + pattern.dyA;
            const std::int32_t colB = col + pattern.dxB;
            const std::int32_t rowB = row + pattern.dyB;
            if (IsOnBoard(colA, rowA) && IsOnBoard(colB, rowB) && owner[CellIndex(colA, rowA)] == player &&
                owner[CellIndex(colB, rowB)] == player) {
                const std::int32_t sum =
                    numbers[CellIndex(col, row)] + numbers[CellIndex(colA, rowA)] + numbers[CellIndex(colB, rowB)];
                expectedLines.insert(expectedLines.end(), {player, col, colA, colB, row, rowA, rowB, sum});
                expectedScore[PlayerIndex(player)] += sum;
            }
        }
        player = 3 - player;
    }
    EXPECT_EQ(IntegersOf(json, "lines"), expectedLines) << json;
    EXPECT_EQ(IntegersOf(json, "score"), (std::vector<std::int32_t>{expectedScore[0], expectedScore[1]}));
}

}  // namespace

TEST(ArenaOutputTest, EveryGameFollowsTheRules) {
    for (const auto& [kind1, kind2, range] : {std::array{1, 1, 0}, {2, 3, 1}, {3, 1, 2}, {3, 3, 3}, {2, 2, 3}}) {
        const RunResult run = RunArena("--seed 42 --games 60 --p1 " + std::to_string(kind1) + " --p2 " +
                                       std::to_string(kind2) + " --range " + std::to_string(range));
        ASSERT_EQ(run.exitStatus, 0);
        const auto games = Lines(run.output);
        ASSERT_EQ(games.size(), 60u);
        std::set<std::int32_t> firstPlayers;
        for (const std::string& game : games) {
            CheckGameAgainstRules(game, range, kind1, kind2);
            firstPlayers.insert(IntegersOf(game, "first")[0]);
        }
        EXPECT_EQ(firstPlayers, (std::set<std::int32_t>{1, 2}));
    }
}

TEST(ArenaOutputTest, SameSeedPlaysTheSameGamesAndGamesDrawOnWithoutReseeding) {
    const RunResult first = RunArena("--range 2 --p2 2 --p1 1 --games 20 --seed 9");
    const RunResult second = RunArena("--seed 9 --games 20 --p1 1 --p2 2 --range 2");
    const RunResult other = RunArena("--seed 10 --games 20 --p1 1 --p2 2 --range 2");
    ASSERT_EQ(first.exitStatus, 0);
    EXPECT_EQ(first.output, second.output);
    EXPECT_NE(first.output, other.output);

    const auto games = Lines(first.output);
    EXPECT_EQ(std::set<std::string>(games.begin(), games.end()).size(), games.size());
    // The first game of a longer run is the same game.
    EXPECT_EQ(Lines(RunArena("--seed 9 --games 1 --p1 1 --p2 2 --range 2").output).at(0), games.at(0));
}

TEST(ArenaOutputTest, SummaryCountsEveryGame) {
    const RunResult run = RunArena("--seed 3 --games 50 --p1 3 --p2 1 --range 0 --summary");
    ASSERT_EQ(run.exitStatus, 0);
    const auto lines = Lines(run.output);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_TRUE(
        std::regex_match(lines[0], std::regex(R"(\{"games":50,"wins":\[\d+,\d+\],"ties":\d+,)"
                                              R"("meanScore":\[-?\d+\.\d+,-?\d+\.\d+\],"gamesPerSecond":\d+\})")))
        << lines[0];
    const auto wins = IntegersOf(lines[0], "wins");
    EXPECT_EQ(wins[0] + wins[1] + IntegersOf(lines[0], "ties")[0], 50);
}

TEST(ArenaOutputTest, BadArgumentsPrintOneUsageLineAndExitWithTwo) {
    for (const std::string arguments :
         {"", "--seed 1 --games 1 --p1 1 --p2 1", "--seed 1 --games 1 --p1 0 --p2 1 --range 0",
          "--seed 1 --games 1 --p1 1 --p2 4 --range 0", "--seed 1 --games 1 --p1 1 --p2 1 --range 4",
          "--seed 1 --games 0 --p1 1 --p2 1 --range 0", "--seed -1 --games 1 --p1 1 --p2 1 --range 0",
          "--seed 4294967296 --games 1 --p1 1 --p2 1 --range 0", "--seed 1x --games 1 --p1 1 --p2 1 --range 0",
          "--seed 1 --games 1 --p1 1 --p2 1 --range 0 --seed 2", "--seed 1 --games 1 --p1 1 --p2 1 --range",
          "--seed 1 --games 1 --p1 1 --p2 1 --range 0 --fast",
          "--summary --summary --seed 1 --games 1 --p1 1 --p2 1 --range 0"}) {
        const RunResult onStdout = RunArena(arguments + " 2>/dev/null");
        EXPECT_EQ(onStdout.exitStatus, 2) << arguments;
        EXPECT_EQ(onStdout.output, "") << arguments;
        const auto usage = Lines(RunArena(arguments + " 2>&1 >/dev/null").output);
        ASSERT_EQ(usage.size(), 1u) << arguments;
        EXPECT_TRUE(usage[0].starts_with("usage: quinsum-arena")) << arguments;
    }
}

TEST(ArenaOutputTest, OutputThatCannotBeWrittenIsToldAndExitsWithOne) {
    for (const std::string mode : {"", " --summary"}) {
        const RunResult run = RunArena("--seed 1 --games 200 --p1 1 --p2 1 --range 0" + mode + " 2>&1 >/dev/full");
        EXPECT_EQ(run.exitStatus, 1) << mode;
        EXPECT_EQ(run.output, "quinsum-arena: cannot write the results: No space left on device\n") << mode;
    }
}
