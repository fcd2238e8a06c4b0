// SPDX-License-Identifier: MIT
// The high scores at the end of a game mark its new line; opened again from the menu they do not.
#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

namespace {

constexpr int kFirstLineLabel = 1016;

std::string LabelText(const CDialog& dialog, int line) {
    return dialog.GetDlgItemText(kFirstLineLabel + line);
}

}  // namespace

using HighScoresTest = BoardFixture;

// The table at the end of a game opens on its range with the new line marked; after Done the menu
// shows the same range unmarked, and the computer stays still meanwhile.
TEST_F(HighScoresTest, MarksTheNewLineAtTheEndAndNotAfterDone) {
    AnswerChallenges(false);
    script.Then(IDD_SETTINGS, AcceptSettings(Novice, "Marker", "", 3));
    std::string endOfGameLine;
    script.Then(IDD_HIGH_SCORES, [&](CDialog& dialog) {
        auto& table = dynamic_cast<CHighScoresDlg&>(dialog);
        EXPECT_EQ(table.shownRange, 3);
        EXPECT_EQ(table.newLine[0], 0);
        endOfGameLine = LabelText(dialog, 0);
        EXPECT_EQ(LabelText(dialog, 1), "");
        // Another range shows no marks, and coming back shows them again.
        ClickControl(dialog, IDC_FIRST_SCORES_RANGE);
        EXPECT_EQ(LabelText(dialog, 0), "");
        ClickControl(dialog, IDC_FIRST_SCORES_RANGE + 3);
        EXPECT_EQ(LabelText(dialog, 0), endOfGameLine);
        ClickControl(dialog, IDOK);
    });
    script.Then(IDD_MENU, ClickButton(IDC_MENU_HIGH_SCORES));
    std::string fromMenuLine;
    std::int32_t gameOverWhileShown = 0;
    script.Then(IDD_HIGH_SCORES, [&](CDialog& dialog) {
        fromMenuLine = LabelText(dialog, 0);
        gameOverWhileShown = gameState.gameOver;
        ClickControl(dialog, IDOK);
    });
    RunBoard([&](CGameDlg& board) {
        PlayToTheEnd(board);
        ClickControl(board, IDC_MENU_BUTTON);
        EXPECT_EQ(gameState.gameOver, 1);
        PressKey(board, Qt::Key_Escape);
    });
    const std::string line = " ** " + fromMenuLine + " **";
    EXPECT_EQ(endOfGameLine, line);
    EXPECT_NE(fromMenuLine.find("Marker"), std::string::npos);
    EXPECT_EQ(gameOverWhileShown, 1);
}
