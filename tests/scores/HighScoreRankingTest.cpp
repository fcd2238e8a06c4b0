// SPDX-License-Identifier: MIT
#include "scores/HighScoreRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr int kPerson = 0;
constexpr int kNovice = 1;
constexpr int kIntermediate = 2;
constexpr int kExpert = 3;

std::array<int, 2> Marks(const HighScoreRecords& records) {
    return records.newLine;
}

std::array<int, 2> Pair(int first, int second) {
    return {first, second};
}

int Score(const HighScoreRecords& records, int range, int line) {
    return records.Table().ranges[static_cast<std::size_t>(range)].entries[static_cast<std::size_t>(line)].score;
}

int Count(const HighScoreRecords& records, int range) {
    return records.Table().ranges[static_cast<std::size_t>(range)].count;
}

// Two people per game: 50, 45, 40, ... 10, 5 in range 0, best first.
HighScoreRecords FullListDownTo5() {
    HighScoreRecords records;
    for (int game = 0; game < 5; ++game) {
        const int high = 50 - 10 * game;
        records.RecordResult(kPerson, "High" + std::to_string(high), high, kPerson, "Low" + std::to_string(high - 5),
                             high - 5, 0);
    }
    return records;
}

bool SameTable(const HighScoreTable& a, const HighScoreTable& b) {
    return EncodeHighScoreTable(a) == EncodeHighScoreTable(b);
}

}  // namespace

TEST(HighScoreSentences, PersonBeatsNoviceGetsTheFirstLine) {
    HighScoreRecords records;
    records.RecordResult(kPerson, "Ann", 12, kNovice, "Computer 1", 9, 0);
    EXPECT_EQ(Count(records, 0), 1);
    EXPECT_EQ(records.LineText(0, 0), "Ann beat the Novice Computer, achieving a score of 12.");
    EXPECT_EQ(Score(records, 0, 0), 12);
    EXPECT_EQ(Marks(records), Pair(0, -1));
    EXPECT_EQ(records.lastRange, 0);
}

TEST(HighScoreSentences, ExpertIsCalledTheAdvancedComputer) {
    HighScoreRecords records;
    records.RecordResult(kPerson, "Bob", 5, kExpert, "Computer 3", 7, 1);
    EXPECT_EQ(records.LineText(1, 0), "Bob lost to the Advanced Computer but achieved a score of 5.");
    EXPECT_EQ(records.lastRange, 1);
}

TEST(HighScoreSentences, TieAgainstIntermediate) {
    HighScoreRecords records;
    records.RecordResult(kPerson, "Cy", 8, kIntermediate, "Computer 2", 8, 0);
    EXPECT_EQ(records.LineText(0, 0), "Cy tied the Intermediate Computer and achieved a score of 8.");
}

TEST(HighScoreSentences, ComputerAsPlayerOneLeavesOnlyThePersonsLine) {
    HighScoreRecords records;
    records.RecordResult(kIntermediate, "Hal", 3, kPerson, "Eve", 10, 2);
    EXPECT_EQ(Count(records, 2), 1);
    EXPECT_EQ(records.LineText(2, 0), "Eve beat the Intermediate Computer, achieving a score of 10.");
    EXPECT_EQ(Marks(records), Pair(-1, 0));
}

TEST(HighScoreSentences, NameWithPercentSignsIsPlainText) {
    HighScoreRecords records;
    records.RecordResult(kPerson, "100%s %d%n", 3, kNovice, "Computer 1", 1, 0);
    EXPECT_EQ(records.LineText(0, 0), "100%s %d%n beat the Novice Computer, achieving a score of 3.");
}

// A long name gives way so that the line keeps its score; the cut counts code-page bytes.
TEST(HighScoreSentences, ALongNameIsShortenedAndTheScoreKept) {
    HighScoreRecords shortName;
    shortName.RecordResult(kPerson, "A", 1, kNovice, "Computer 1", 0, 0);
    const std::string ending = shortName.LineText(0, 0).substr(1);

    HighScoreRecords records;
    records.RecordResult(kPerson, std::string(200, 'A'), 1, kNovice, "Computer 1", 0, 0);
    EXPECT_EQ(std::strlen(records.Table().ranges[0].entries[0].text.data()), 127u);
    EXPECT_EQ(records.LineText(0, 0), std::string(127 - ending.size(), 'A') + ending);

    std::string euros;
    for (int i = 0; i < 130; ++i) {
        euros += "\u20AC";
    }
    records.RecordResult(kPerson, euros, 2, kPerson, "\u00E9\u00E9", 0, 0);
    const std::string line = records.LineText(0, 0);
    EXPECT_EQ(line.substr(line.size() - 27), " achieved the high score 2.");
    EXPECT_EQ(std::strlen(records.Table().ranges[0].entries[0].text.data()), 127u);
    EXPECT_EQ(records.LineText(0, 2), "\u00E9\u00E9 achieved the high score 0.");
}

// A pasted NUL would end the stored line early; control characters never reach the file.
TEST(HighScoreSentences, NamesLoseControlCharacters) {
    HighScoreRecords records;
    records.RecordResult(kPerson,
                         std::string("Al\0ic\x1b"
                                     "e\x7F",
                                     8),
                         5, kPerson,
                         "\x01"
                         "Bo",
                         4, 0);
    EXPECT_EQ(records.LineText(0, 0), "Alice achieved the high score 5.");
    EXPECT_EQ(records.LineText(0, 1), "Bo achieved the high score 4.");
}

TEST(HighScoreRanking, TwoPeopleBetterSecondPlayerStandsFirst) {
    HighScoreRecords records;
    records.RecordResult(kPerson, "Al", 10, kPerson, "Bea", 20, 0);
    EXPECT_EQ(records.LineText(0, 0), "Bea achieved the high score 20.");
    EXPECT_EQ(records.LineText(0, 1), "Al achieved the high score 10.");
    EXPECT_EQ(Marks(records), Pair(1, 0));
}

TEST(HighScoreRanking, EqualScoresPutTheLaterLineAbove) {
    HighScoreRecords records;
    records.RecordResult(kPerson, "Al", 7, kPerson, "Bea", 7, 0);
    EXPECT_EQ(records.LineText(0, 0), "Bea achieved the high score 7.");
    EXPECT_EQ(records.LineText(0, 1), "Al achieved the high score 7.");
    EXPECT_EQ(Marks(records), Pair(1, 0));
}

TEST(HighScoreRanking, NewScoreEqualToTheLowestReplacesItOnAFullList) {
    HighScoreRecords records = FullListDownTo5();
    ASSERT_EQ(Count(records, 0), 10);
    records.RecordResult(kPerson, "New", 5, kNovice, "Computer 1", 9, 0);
    EXPECT_EQ(Count(records, 0), 10);
    EXPECT_EQ(records.LineText(0, 9), "New lost to the Novice Computer but achieved a score of 5.");
    EXPECT_EQ(records.LineText(0, 8), "High10 achieved the high score 10.");
    EXPECT_EQ(Marks(records), Pair(9, -1));
}

TEST(HighScoreRanking, LowerScoreThanAFullListLeavesItUnchanged) {
    HighScoreRecords records = FullListDownTo5();
    const HighScoreTable before = records.Table();
    records.RecordResult(kPerson, "New", 4, kNovice, "Computer 1", 9, 0);
    EXPECT_TRUE(SameTable(records.Table(), before));
    EXPECT_EQ(Marks(records), Pair(-1, -1));
}

TEST(HighScoreRanking, SecondPlayerEntersAFullListThatTheFirstMisses) {
    HighScoreRecords records = FullListDownTo5();
    records.RecordResult(kPerson, "Al", 1, kPerson, "Bea", 100, 0);
    EXPECT_EQ(records.LineText(0, 0), "Bea achieved the high score 100.");
    EXPECT_EQ(Score(records, 0, 9), 10);
    EXPECT_EQ(Marks(records), Pair(-1, 0));
}

TEST(HighScoreRanking, FirstPlayerPushedOffTheListLosesItsMark) {
    HighScoreRecords records = FullListDownTo5();
    records.RecordResult(kPerson, "Al", 6, kPerson, "Bea", 7, 0);
    EXPECT_EQ(records.LineText(0, 9), "Bea achieved the high score 7.");
    EXPECT_EQ(Marks(records), Pair(-1, 9));
}

TEST(HighScoreRanking, ComputerAgainstComputerStoresNothing) {
    HighScoreRecords records;
    records.RecordResult(kPerson, "Ann", 12, kNovice, "Computer 1", 9, 0);
    const HighScoreTable before = records.Table();
    records.RecordResult(kExpert, "Computer 3", 30, kNovice, "Computer 1", 20, 3);
    EXPECT_TRUE(SameTable(records.Table(), before));
    EXPECT_EQ(Marks(records), Pair(-1, -1));
    EXPECT_EQ(records.lastRange, 3);
}

TEST(HighScoreRanking, NegativeScoreRanksBelowZeroAndPositive) {
    HighScoreRecords records;
    records.RecordResult(kPerson, "Al", 0, kPerson, "Bea", 4, 3);
    records.RecordResult(kPerson, "Cy", -3, kExpert, "Computer 3", 2, 3);
    EXPECT_EQ(Score(records, 3, 0), 4);
    EXPECT_EQ(Score(records, 3, 1), 0);
    EXPECT_EQ(records.LineText(3, 2), "Cy lost to the Advanced Computer but achieved a score of -3.");
    EXPECT_EQ(Marks(records), Pair(2, -1));
}

TEST(HighScoreRanking, RangeOutsideTheTableIsIgnored) {
    HighScoreRecords records;
    records.RecordResult(kPerson, "Ann", 12, kNovice, "Computer 1", 9, 2);
    const HighScoreTable before = records.Table();
    for (const int range : {-1, 4, 1000}) {
        records.RecordResult(kPerson, "Al", 50, kPerson, "Bea", 60, range);
        EXPECT_TRUE(SameTable(records.Table(), before));
        EXPECT_EQ(records.lastRange, 2);
        EXPECT_EQ(Marks(records), Pair(0, -1));
    }
}

TEST(HighScoreDisplay, MarksTheNewLinesOnlyInTheirRange) {
    HighScoreRecords records;
    records.RecordResult(kPerson, "Al", 3, kPerson, "Bea", 9, 1);
    records.RecordResult(kPerson, "Cy", 5, kNovice, "Computer 1", 1, 2);
    records.shownRange = 2;
    EXPECT_EQ(records.ShownLineText(0), " ** Cy beat the Novice Computer, achieving a score of 5. **");
    EXPECT_EQ(records.ShownLineText(1), "");
    records.shownRange = 1;
    EXPECT_EQ(records.ShownLineText(0), "Bea achieved the high score 9.");
    EXPECT_EQ(records.ShownLineText(1), "Al achieved the high score 3.");
    records.shownRange = 2;
    records.newLine = {-1, -1};
    EXPECT_EQ(records.ShownLineText(0), "Cy beat the Novice Computer, achieving a score of 5.");
}

TEST(HighScoreDisplay, OutOfRangeRequestsGiveEmptyText) {
    HighScoreRecords records;
    records.RecordResult(kPerson, "Al", 3, kPerson, "Bea", 9, 0);
    EXPECT_EQ(records.ShownLineText(-1), "");
    EXPECT_EQ(records.ShownLineText(10), "");
    EXPECT_EQ(records.LineText(4, 0), "");
    records.shownRange = 7;
    EXPECT_EQ(records.ShownLineText(0), "");
}
