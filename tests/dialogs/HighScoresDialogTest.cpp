// SPDX-License-Identifier: MIT
#include "dialogs/CHighScoresDlg.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/OpponentKind.h"
#include "tests/dialogs/DialogTestSupport.h"
#include "tests/support/TemporaryDirectory.h"

namespace {

using Lines = std::vector<std::string>;
using Checks = std::array<bool, 4>;

struct Shown {
    Checks checks{};
    Lines lines;
    std::string told;  // what a screen reader was last given to speak
};

// `filled`, then empty lines up to ten.
Lines TenLines(Lines filled) {
    filled.resize(10);
    return filled;
}

void Escape(CDialog& dialog) {
    PressKey(dialog, Qt::Key_Escape);
}

class HighScoresDialogTest : public DialogTest {
protected:
    HighScoresDialogTest() {
        scores.SetFilePath(directory.Path() / "high scores.dat");
        scores.LoadHighScores();
    }

    // What the dialog shows on opening, and then after each click of `clicks`; `close` ends it.
    std::vector<Shown> Open(const std::vector<int>& clicks = {}, const std::function<void(CDialog&)>& close = Escape) {
        std::vector<Shown> seen;
        RunModal(scores, [&](CDialog& dialog) {
            seen.push_back(Look());
            for (const int id : clicks) {
                ClickControl(dialog, id);
                ProcessPostedMessages();
                seen.push_back(Look());
            }
            close(dialog);
        });
        return seen;
    }

    Shown Look() {
        Shown shown;
        for (std::size_t range = 0; range < shown.checks.size(); ++range) {
            shown.checks[range] = scores.rangeButtons[range]->GetCheck();
        }
        for (int line = 0; line < 10; ++line) {
            shown.lines.push_back(scores.GetDlgItemText(IDC_FIRST_SCORE_LINE + line));
        }
        for (QLabel* label : scores.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
            if (accessible != nullptr && accessible->role() == QAccessible::Notification) {
                shown.told = accessible->text(QAccessible::Name).toStdString();
            }
        }
        return shown;
    }

    TemporaryDirectory directory;
    CHighScoresDlg scores;
};

TEST_F(HighScoresDialogTest, BeforeAnyGameTenEmptyLinesOfZeroToTenAndThreeLinesFillTheFirstThree) {
    Shown shown = Open()[0];
    EXPECT_EQ(shown.checks, (Checks{true, false, false, false}));
    EXPECT_EQ(shown.lines, TenLines({}));
    EXPECT_TRUE(Sounds().empty());

    scores.RecordResult(Person, "Ann", 12, Novice, "Computer 1", 9, 0);
    scores.RecordResult(Person, "Bob", 10, Person, "Cy", 20, 0);
    EXPECT_EQ(Open()[0].lines, TenLines({" ** Cy achieved the high score 20. **",
                                         "Ann beat the Novice Computer, achieving a score of 12.",
                                         " ** Bob achieved the high score 10. **"}));
}

TEST_F(HighScoresDialogTest, MarksShowOnlyOnTheRangeOfTheLastGame) {
    scores.RecordResult(Person, "Ann", 7, Person, "Bob", 3, 0);
    scores.RecordResult(Person, "Dee", 5, Expert, "Computer 3", 8, 2);
    const std::vector<Shown> seen = Open({IDC_FIRST_SCORES_RANGE, IDC_FIRST_SCORES_RANGE + 2});

    const Lines marked = TenLines({" ** Dee lost to the Advanced Computer but achieved a score of 5. **"});
    EXPECT_EQ(seen[0].checks, (Checks{false, false, true, false}));
    EXPECT_EQ(seen[0].lines, marked);
    EXPECT_EQ(seen[1].checks, (Checks{true, false, false, false}));
    EXPECT_EQ(seen[1].lines, TenLines({"Ann achieved the high score 7.", "Bob achieved the high score 3."}));
    EXPECT_EQ(seen[2].checks, (Checks{false, false, true, false}));
    EXPECT_EQ(seen[2].lines, marked);
    EXPECT_EQ(Sounds(), Lines(2, kClickPlayed));
    EXPECT_EQ(seen[1].told, "Ann achieved the high score 7.\nBob achieved the high score 3.");
    EXPECT_EQ(seen[2].told, " ** Dee lost to the Advanced Computer but achieved a score of 5. **");
    EXPECT_EQ(Open({IDC_FIRST_SCORES_RANGE + 3})[1].told, "No results in this range yet.");
}

TEST_F(HighScoresDialogTest, DoneClearsTheMarksAndTheNextOpeningShowsTheSameRange) {
    scores.RecordResult(Person, "Dee", 5, Novice, "Computer 1", 5, 2);
    const int result = RunModal(scores, [](CDialog& dialog) {
        ClickControl(dialog, IDC_FIRST_SCORES_RANGE);
        ClickControl(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(scores.newLine, (std::array<int, 2>{-1, -1}));
    EXPECT_EQ(Sounds(), Lines(2, kClickPlayed));

    const Shown shown = Open()[0];
    EXPECT_EQ(shown.checks, (Checks{false, false, true, false}));
    EXPECT_EQ(shown.lines, TenLines({"Dee tied the Novice Computer and achieved a score of 5."}));
}

TEST_F(HighScoresDialogTest, EscapeAndTheCloseBoxKeepTheMarksSilently) {
    scores.RecordResult(Person, "Ann", 4, Person, "Bob", 6, 1);
    Open();
    EXPECT_EQ(scores.newLine, (std::array<int, 2>{1, 0}));
    EXPECT_EQ(Open({}, [](CDialog& dialog) { dialog.close(); })[0].lines[0], " ** Bob achieved the high score 6. **");
    EXPECT_EQ(Open()[0].lines[0], " ** Bob achieved the high score 6. **");
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(HighScoresDialogTest, NamesAreShownAsTyped) {
    scores.RecordResult(Person, "%s%d%n Zoë", 3, Novice, "Computer 1", 1, 0);
    EXPECT_EQ(Open()[0].lines[0], " ** %s%d%n Zoë beat the Novice Computer, achieving a score of 3. **");
}

}  // namespace
