// SPDX-License-Identifier: MIT
#include "scores/HighScoreRecords.h"
#include "scores/ProgramFiles.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kBlock = 1324;
constexpr std::size_t kEntry = 132;

std::vector<unsigned char> ZeroFile() {
    return std::vector<unsigned char>(kHighScoreFileSize, 0);
}

void PutInt32(std::vector<unsigned char>& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

void PutText(std::vector<unsigned char>& bytes, std::size_t offset, const std::string& text) {
    std::memcpy(bytes.data() + offset, text.data(), text.size());
}

class HighScoreFile : public ::testing::Test {
protected:
    HighScoreRecords Records(const std::string& name = "high scores.dat") const {
        HighScoreRecords records;
        records.SetFilePath(directory / name);
        return records;
    }

    TemporaryDirectory directory;
};

}  // namespace

TEST_F(HighScoreFile, DefaultLocationIsBesideTheExecutable) {
    EXPECT_EQ(HighScoreRecords().FilePath(), *ProgramDirectory() / "high scores.dat");
}

TEST_F(HighScoreFile, EmptyTableIsWrittenAsZeros) {
    EXPECT_EQ(Records().SaveHighScores(), 1);
    EXPECT_EQ(ReadBytes(directory / "high scores.dat"), ZeroFile());
}

TEST_F(HighScoreFile, ByteLayoutIsLittleEndianBlocksOfCountAndEntries) {
    HighScoreRecords records = Records();
    records.RecordResult(0, "Al", -2, 1, "Computer 1", 0, 1);
    records.RecordResult(0, "Bo", 1, 0, "Cy", 300, 3);
    ASSERT_EQ(records.SaveHighScores(), 1);

    std::vector<unsigned char> expected = ZeroFile();
    PutInt32(expected, 1 * kBlock, 1);
    PutText(expected, 1 * kBlock + 4, "Al lost to the Novice Computer but achieved a score of -2.");
    PutInt32(expected, 1 * kBlock + 132, 0xFFFFFFFEu);
    PutInt32(expected, 3 * kBlock, 2);
    PutText(expected, 3 * kBlock + 4, "Cy achieved the high score 300.");
    PutInt32(expected, 3 * kBlock + 132, 300);
    PutText(expected, 3 * kBlock + 4 + kEntry, "Bo achieved the high score 1.");
    PutInt32(expected, 3 * kBlock + 132 + kEntry, 1);
    EXPECT_EQ(ReadBytes(directory / "high scores.dat"), expected);
}

TEST_F(HighScoreFile, SaveLoadSaveIsByteIdentical) {
    HighScoreRecords first = Records("first.dat");
    first.RecordResult(0, "Zo\u00EB", 12, 2, "Computer 2", 9, 0);
    first.RecordResult(0, "Al", -7, 0, "Bea", -7, 2);
    first.RecordResult(0, std::string(150, 'x'), 25, 3, "Computer 3", 40, 3);
    ASSERT_EQ(first.SaveHighScores(), 1);

    HighScoreRecords second = Records("first.dat");
    EXPECT_EQ(second.LoadHighScores(), 0);
    second.SetFilePath(directory / "second.dat");
    ASSERT_EQ(second.SaveHighScores(), 1);
    EXPECT_EQ(ReadBytes(directory / "second.dat"), ReadBytes(directory / "first.dat"));
}

TEST_F(HighScoreFile, LoadingClearsTheMarksOfTheLastGame) {
    HighScoreRecords records = Records();
    records.RecordResult(0, "Al", 3, 0, "Bea", 9, 2);
    records.shownRange = 2;
    records.LoadHighScores();
    EXPECT_EQ(records.lastRange, 0);
    EXPECT_EQ(records.shownRange, 0);
    EXPECT_EQ(records.newLine, (std::array<int, 2>{-1, -1}));
}

TEST_F(HighScoreFile, MissingFileGivesAnEmptyTable) {
    HighScoreRecords records = Records();
    records.RecordResult(0, "Al", 3, 0, "Bea", 9, 0);
    EXPECT_EQ(records.LoadHighScores(), -1);
    EXPECT_EQ(EncodeHighScoreTable(records.Table()), HighScoreFileBytes{});
}

TEST_F(HighScoreFile, ShortFileKeepsTheBytesThatArrived) {
    std::vector<unsigned char> bytes(4 + 10, 0);
    PutInt32(bytes, 0, 1);
    PutText(bytes, 4, "Ann beat t");
    WriteBytes(directory / "high scores.dat", bytes);

    HighScoreRecords records = Records();
    EXPECT_EQ(records.LoadHighScores(), -1);
    EXPECT_EQ(records.Table().ranges[0].count, 1);
    EXPECT_EQ(records.LineText(0, 0), "Ann beat t");
    EXPECT_EQ(records.Table().ranges[0].entries[0].score, 0);
}

TEST_F(HighScoreFile, LongFileReadsOnlyTheTable) {
    std::vector<unsigned char> bytes = ZeroFile();
    PutInt32(bytes, 2 * kBlock, 1);
    PutText(bytes, 2 * kBlock + 4, "Al achieved the high score 4.");
    PutInt32(bytes, 2 * kBlock + 132, 4);
    std::vector<unsigned char> longer = bytes;
    longer.insert(longer.end(), 100, 0xEE);
    WriteBytes(directory / "high scores.dat", longer);

    HighScoreRecords records = Records();
    EXPECT_EQ(records.LoadHighScores(), 0);
    records.SetFilePath(directory / "saved.dat");
    ASSERT_EQ(records.SaveHighScores(), 1);
    EXPECT_EQ(ReadBytes(directory / "saved.dat"), bytes);
}

TEST_F(HighScoreFile, DamagedCountsAreClampedAndTextsTerminated) {
    std::vector<unsigned char> bytes = ZeroFile();
    PutInt32(bytes, 0, static_cast<std::uint32_t>(-5));
    PutInt32(bytes, 1 * kBlock, 99);
    for (std::size_t k = 0; k < 10; ++k) {
        std::memset(bytes.data() + kBlock + 4 + k * kEntry, 'Q', 128);
        PutInt32(bytes, kBlock + 132 + k * kEntry, static_cast<std::uint32_t>(100 - static_cast<int>(k)));
    }
    WriteBytes(directory / "high scores.dat", bytes);

    HighScoreRecords records = Records();
    EXPECT_EQ(records.LoadHighScores(), 0);
    EXPECT_EQ(records.Table().ranges[0].count, 0);
    EXPECT_EQ(records.Table().ranges[1].count, 10);
    EXPECT_EQ(records.LineText(1, 9), std::string(127, 'Q'));
    EXPECT_EQ(records.Table().ranges[1].entries[9].text[127], '\0');

    records.RecordResult(0, "Al", 1000, 0, "Bea", 0, 1);
    records.RecordResult(0, "Cy", 2, 1, "Computer 1", 0, 0);
    EXPECT_EQ(records.Table().ranges[1].count, 10);
    EXPECT_EQ(records.LineText(1, 0), "Al achieved the high score 1000.");
    EXPECT_EQ(records.Table().ranges[0].count, 1);
}

// A line break or an escape sequence in a damaged or foreign file would reach the screen and be
// saved back: a loaded line is cleaned as a recorded name is.
TEST_F(HighScoreFile, LoadedLinesLoseTheirControlCharacters) {
    std::vector<unsigned char> bytes = ZeroFile();
    PutInt32(bytes, 0, 1);
    PutText(bytes, 4,
            "Al\r\nwon\x1B[2J at \x7F"
            "last.");
    PutInt32(bytes, 4 + 128, 7);
    WriteBytes(directory / "high scores.dat", bytes);

    HighScoreRecords records = Records();
    records.LoadHighScores();
    EXPECT_EQ(records.LineText(0, 0), "Alwon[2J at last.");
    ASSERT_EQ(records.SaveHighScores(), 1);
    std::vector<unsigned char> expected = ZeroFile();
    PutInt32(expected, 0, 1);
    PutText(expected, 4, "Alwon[2J at last.");
    PutInt32(expected, 4 + 128, 7);
    EXPECT_EQ(ReadBytes(directory / "high scores.dat"), expected);
}

// Stray bytes of a damaged file (after a text's end, in lines past the count) are not written back.
TEST_F(HighScoreFile, SavedFileZeroFillsEveryUnusedByte) {
    std::vector<unsigned char> bytes = ZeroFile();
    PutInt32(bytes, 0, 1);
    PutText(bytes, 4, std::string("Al") + '\0' + "stray");
    PutInt32(bytes, 4 + 128, 7);
    PutText(bytes, 4 + kEntry, "unused line");
    WriteBytes(directory / "high scores.dat", bytes);

    HighScoreRecords records = Records();
    records.LoadHighScores();
    ASSERT_EQ(records.SaveHighScores(), 1);
    std::vector<unsigned char> expected = ZeroFile();
    PutInt32(expected, 0, 1);
    PutText(expected, 4, "Al");
    PutInt32(expected, 4 + 128, 7);
    EXPECT_EQ(ReadBytes(directory / "high scores.dat"), expected);
}

TEST_F(HighScoreFile, FailedSaveIntoAMissingDirectoryCreatesNothing) {
    HighScoreRecords records = Records("no such folder/high scores.dat");
    records.RecordResult(0, "Al", 3, 0, "Bea", 9, 0);
    EXPECT_EQ(records.SaveHighScores(), -1);
    EXPECT_TRUE(directory.Files().empty());
}

TEST_F(HighScoreFile, FileNameTooLongFailsCleanly) {
    HighScoreRecords records = Records(std::string(300, 'n'));
    EXPECT_EQ(records.SaveHighScores(), -1);
    EXPECT_EQ(records.LoadHighScores(), -1);
    EXPECT_TRUE(directory.Files().empty());
}
