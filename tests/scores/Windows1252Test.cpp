// SPDX-License-Identifier: MIT
#include "scores/HighScoreRecords.h"
#include "scores/Windows1252.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <string>

TEST(Windows1252, EncodesLatinLettersAndTheEuroSign) {
    EXPECT_EQ(Utf8ToWindows1252("Zo\u00EB"), "Zo\xEB");
    EXPECT_EQ(Utf8ToWindows1252("\u20AC"), "\x80");
    EXPECT_EQ(Utf8ToWindows1252("\u201Cok\u201D \u2122"), "\x93ok\x94 \x99");
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToWindows1252("\u0141ukasz"), "?ukasz");
    EXPECT_EQ(Utf8ToWindows1252("\u65E5\u672C"), "??");
    EXPECT_EQ(Utf8ToWindows1252("a\U0001F600b"), "a?b");
    EXPECT_EQ(Utf8ToWindows1252("\u0081"), "?");
}

TEST(Windows1252, InvalidUtf8BecomesQuestionMarksByteByByte) {
    EXPECT_EQ(Utf8ToWindows1252("A\xFF"
                                "B"),
              "A?B");
    EXPECT_EQ(Utf8ToWindows1252("\xC0\xAF"), "??");
    EXPECT_EQ(Utf8ToWindows1252("\xED\xA0\x80"), "???");
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x82"), "??");
    EXPECT_EQ(Utf8ToWindows1252("\xF4\x90\x80\x80"), "????");
    EXPECT_EQ(Utf8ToWindows1252("\x80"
                                "x"),
              "?x");
}

TEST(Windows1252, EveryDefinedByteSurvivesARoundTrip) {
    for (int value = 1; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        const std::string utf8 = Windows1252ToUtf8(byte);
        if (value == 0x81 || value == 0x8D || value == 0x8F || value == 0x90 || value == 0x9D) {
            EXPECT_EQ(utf8, "?") << value;
        } else {
            EXPECT_EQ(Utf8ToWindows1252(utf8), byte) << value;
        }
    }
}

TEST(Windows1252, NamesAreStoredInTheCodePageAndShownAsUnicode) {
    TemporaryDirectory directory;
    HighScoreRecords records;
    records.SetFilePath(directory / "high scores.dat");
    records.RecordResult(0, "Zo\u00EB", 3, 0, "\u0141ukasz \u20AC", 2, 0);
    ASSERT_EQ(records.SaveHighScores(), 1);

    const std::vector<unsigned char> bytes = ReadBytes(directory / "high scores.dat");
    const std::string firstText(reinterpret_cast<const char*>(bytes.data() + 4));
    const std::string secondText(reinterpret_cast<const char*>(bytes.data() + 4 + 132));
    EXPECT_EQ(firstText, "Zo\xEB achieved the high score 3.");
    EXPECT_EQ(secondText, "?ukasz \x80 achieved the high score 2.");

    HighScoreRecords loaded;
    loaded.SetFilePath(directory / "high scores.dat");
    ASSERT_EQ(loaded.LoadHighScores(), 0);
    EXPECT_EQ(loaded.LineText(0, 0), "Zo\u00EB achieved the high score 3.");
    EXPECT_EQ(loaded.LineText(0, 1), "?ukasz \u20AC achieved the high score 2.");
}
