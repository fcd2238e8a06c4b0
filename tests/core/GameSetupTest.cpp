// SPDX-License-Identifier: MIT
#include "core/NumberRange.h"
#include "core/RandomGenerator.h"
#include "tests/core/ReferenceGenerator.h"
#include "tests/core/RulesFixture.h"

#include <algorithm>
#include <set>

TEST(RandomGeneratorTest, FirstDrawsForSeedOne) {
    SeedRandom(1);
    EXPECT_EQ(DrawRandom(), 41);
    EXPECT_EQ(DrawRandom(), 18467);
    EXPECT_EQ(DrawRandom(), 6334);
}

TEST(RandomGeneratorTest, FollowsTheFormulaAcrossTheWholeStateRange) {
    for (const std::uint32_t seed : {0u, 12345u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        SeedRandom(seed);
        ReferenceGenerator reference(seed);
        for (int draw = 0; draw < 1000; ++draw) {
            ASSERT_EQ(DrawRandom(), reference.Draw()) << "seed " << seed << " draw " << draw;
        }
    }
}

TEST(RangeIndexTest, MapsTheFourRangesAndFallsBackToTheFirst) {
    EXPECT_EQ(RangeIndex(0, 10), Range0To10);
    EXPECT_EQ(RangeIndex(0, 25), Range0To25);
    EXPECT_EQ(RangeIndex(-10, 10), RangeMinus10To10);
    EXPECT_EQ(RangeIndex(-25, 25), RangeMinus25To25);
    EXPECT_EQ(RangeIndex(-10, 25), Range0To10);
    EXPECT_EQ(RangeIndex(25, 0), Range0To10);
}

TEST(RangeBoundsTest, GivesTheBoundsThatMapBackToTheRange) {
    for (const NumberRange range : {Range0To10, Range0To25, RangeMinus10To10, RangeMinus25To25}) {
        const auto [low, high] = RangeBounds(range);
        EXPECT_EQ(RangeIndex(low, high), range);
    }
    EXPECT_EQ(RangeBounds(static_cast<NumberRange>(7)), (std::pair<std::int32_t, std::int32_t>{0, 10}));
}

class GameSetupTest : public RulesFixture {};

TEST_F(GameSetupTest, ResetSettingsRestoresTheStartUpSettings) {
    settings.playerKind = {Expert, Person};
    settings.playerName = {"Ann", "Bob"};
    settings.rangeLow = -25;
    settings.rangeHigh = 25;

    rules.ResetSettings();

    EXPECT_EQ(settings.playerKind, (std::array<OpponentKind, 2>{Person, Novice}));
    EXPECT_EQ(settings.playerName, (std::array<std::string, 2>{"X-Player", "O-Player"}));
    EXPECT_EQ(settings.rangeLow, 0);
    EXPECT_EQ(settings.rangeHigh, 10);
}

TEST_F(GameSetupTest, DealsOneDrawPerCellThenDrawsWhoBegins) {
    for (const auto& [low, high] : {std::pair{0, 10}, {0, 25}, {-10, 10}, {-25, 25}}) {
        settings.rangeLow = low;
        settings.rangeHigh = high;
        for (const std::uint32_t seed : {1u, 99u, 1700000000u}) {
            SeedRandom(seed);
            ReferenceGenerator reference(seed);

            rules.NewGame();

            for (std::size_t cell = 0; cell < state.cellNumber.size(); ++cell) {
                ASSERT_EQ(state.cellNumber[cell], low + reference.Draw() % (high - low + 1));
            }
            EXPECT_EQ(state.currentPlayer, 1 + reference.Draw() % 2);
            EXPECT_EQ(DrawRandom(), reference.Draw()) << "no further draw is used";
        }
    }
}

TEST_F(GameSetupTest, NumbersCoverTheWholeRangeAndNothingElse) {
    settings.rangeLow = -25;
    settings.rangeHigh = 25;
    SeedRandom(7);
    std::set<std::int32_t> seen;
    for (int game = 0; game < 40; ++game) {
        rules.NewGame();
        seen.insert(state.cellNumber.begin(), state.cellNumber.end());
    }
    EXPECT_EQ(seen.size(), 51u);
    EXPECT_EQ(*seen.begin(), -25);
    EXPECT_EQ(*seen.rbegin(), 25);
}

TEST_F(GameSetupTest, NewGameResetsWhatThePreviousGameLeft) {
    FillBoardExcept({});
    state.score = {40, -12};
    state.lineCount = 9;
    state.gameOver = 1;
    state.lastMoveCol = -1;
    state.highlightCol = {-1, 3, 4};
    state.highlightRow = {2, 3, 4};
    SeedRandom(3);

    rules.NewGame();

    EXPECT_TRUE(
        std::all_of(state.cellOwner.begin(), state.cellOwner.end(), [](std::int32_t owner) { return owner == 0; }));
    EXPECT_EQ(state.score, (std::array<std::int32_t, 2>{0, 0}));
    EXPECT_EQ(state.lineCount, 0);
    EXPECT_EQ(state.gameOver, 0);
    EXPECT_TRUE(state.currentPlayer == 1 || state.currentPlayer == 2);
    EXPECT_EQ(state.lastMoveCol, -1);
    EXPECT_EQ(state.highlightCol, (std::array<std::int32_t, 3>{-1, 3, 4}));
    EXPECT_TRUE(std::none_of(state.cellRating.begin(), state.cellRating.end(),
                             [](std::int32_t rating) { return rating == kClaimedCellRating; }));
    EXPECT_TRUE(window.calls.empty());
}

TEST_F(GameSetupTest, ReversedBoundsDealBetweenThem) {
    settings.rangeLow = 10;
    settings.rangeHigh = -10;
    SeedRandom(5);
    rules.NewGame();
    EXPECT_TRUE(std::all_of(state.cellNumber.begin(), state.cellNumber.end(),
                            [](std::int32_t number) { return number >= -10 && number <= 10; }));
}
