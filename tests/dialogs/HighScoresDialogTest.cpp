// SPDX-License-Identifier: MIT
#include "dialogs/CHighScoresDlg.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/OpponentKind.h"
#include "tests/dialogs/DialogTestSupport.h"
#include "tests/support/TemporaryDirectory.h"

namespace {

constexpr int kFirstLine = 1016;

struct Shown {
    std::array<int, 4> checks{};
    std::vector<std::string> lines;
};

class HighScoresDialogTest : public DialogTest {
protected:
    HighScoresDialogTest() {
        scores.SetFilePath(directory.Path() / "high scores.dat");
        scores.LoadHighScores();
    }

    // What the dialog shows on opening, and then after each click of `clicks`; Escape closes it.
    std::vector<Shown> Open(const std::vector<int>& clicks = {}) {
        std::vector<Shown> seen;
        RunModal(scores, [&](CDialog& dialog) {
            seen.push_back(Look());
            for (const int id : clicks) {
                ClickControl(dialog, id);
                ProcessPostedMessages();
                seen.push_back(Look());
            }
            PressKey(dialog, Qt::Key_Escape);
        });
        return seen;
    }

    Shown Look() {
        Shown shown;
        for (std::size_t range = 0; range < shown.checks.size(); ++range) {
            shown.checks[range] = scores.rangeButtons[range].GetCheck();
        }
        for (int line = 0; line < 10; ++line) {
            shown.lines.push_back(ControlText(scores, kFirstLine + line));
        }
        return shown;
    }

    TemporaryDirectory directory;
    CHighScoresDlg scores;
};

std::vector<std::string> Lines(std::vector<std::string> filled) {
    filled.resize(10);
    return filled;
}

TEST_F(HighScoresDialogTest, EmptyTableShowsTenEmptyLinesOnZeroToTen) {
    const std::vector<Shown> seen = Open();
    EXPECT_EQ(seen[0].checks, (std::array<int, 4>{1, 0, 0, 0}));
    EXPECT_EQ(seen[0].lines, Lines({}));
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(HighScoresDialogTest, ThreeLinesFillTheFirstThreeLabelsWithTheNewOnesMarked) {
    scores.RecordResult(Person, "Ann", 12, Novice, "Computer 1", 9, 0);
    scores.RecordResult(Person, "Bob", 10, Person, "Cy", 20, 0);
    const std::vector<Shown> seen = Open();
    EXPECT_EQ(seen[0].lines,
              Lines({" ** Cy achieved the high score 20. **", "Ann beat the Novice Computer, achieving a score of 12.",
                     " ** Bob achieved the high score 10. **"}));
}

TEST_F(HighScoresDialogTest, MarksShowOnlyOnTheRangeOfTheLastGame) {
    scores.RecordResult(Person, "Ann", 7, Person, "Bob", 3, 0);
    scores.RecordResult(Person, "Dee", 5, Expert, "Computer 3", 8, 2);
    const std::vector<Shown> seen = Open({IDC_FIRST_SCORES_RANGE, (IDC_FIRST_SCORES_RANGE + 2)});

    const std::string marked = " ** Dee lost to the Advanced Computer but achieved a score of 5. **";
    EXPECT_EQ(seen[0].checks, (std::array<int, 4>{0, 0, 1, 0}));
    EXPECT_EQ(seen[0].lines, Lines({marked}));
    EXPECT_EQ(seen[1].checks, (std::array<int, 4>{1, 0, 0, 0}));
    EXPECT_EQ(seen[1].lines, Lines({"Ann achieved the high score 7.", "Bob achieved the high score 3."}));
    EXPECT_EQ(seen[2].checks, (std::array<int, 4>{0, 0, 1, 0}));
    EXPECT_EQ(seen[2].lines, Lines({marked}));
    EXPECT_EQ(Sounds(), (std::vector<std::string>(2, kClickPlayed)));
}

TEST_F(HighScoresDialogTest, DoneClearsTheMarksAndTheNextOpeningKeepsTheRange) {
    scores.RecordResult(Person, "Dee", 5, Novice, "Computer 1", 5, 2);
    const INT_PTR result = RunModal(scores, [](CDialog& dialog) {
        ClickControl(dialog, IDC_FIRST_SCORES_RANGE);
        ClickControl(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(scores.newLine, (std::array<int, 2>{-1, -1}));
    EXPECT_EQ(Sounds(), (std::vector<std::string>(2, kClickPlayed)));

    const std::vector<Shown> seen = Open();
    EXPECT_EQ(seen[0].checks, (std::array<int, 4>{0, 0, 1, 0}));
    EXPECT_EQ(seen[0].lines, Lines({"Dee tied the Novice Computer and achieved a score of 5."}));
}

TEST_F(HighScoresDialogTest, EscapeKeepsTheMarksSilently) {
    scores.RecordResult(Person, "Ann", 4, Person, "Bob", 6, 1);
    Open();
    EXPECT_EQ(scores.newLine, (std::array<int, 2>{1, 0}));
    EXPECT_TRUE(Sounds().empty());
    EXPECT_EQ(Open()[0].lines[0], " ** Bob achieved the high score 6. **");
}

TEST_F(HighScoresDialogTest, NamesAreShownAsTyped) {
    scores.RecordResult(Person, "%s%d%n Zoë", 3, Novice, "Computer 1", 1, 0);
    EXPECT_EQ(Open()[0].lines[0], " ** %s%d%n Zoë beat the Novice Computer, achieving a score of 3. **");
}

}  // namespace
