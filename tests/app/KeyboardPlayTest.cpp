// SPDX-License-Identifier: MIT
// The game played from the keyboard alone: Tab and the arrow keys through the settings' groups,
// the arrow keys across the board, Space and Enter to claim, keys to answer and to close.

#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include "dialogs/CAnswerDlg.h"

#include <QApplication>
#include <QTest>

namespace {

// The control of `dialog` that has the keyboard focus; 0 when the focus is elsewhere.
int FocusedId(const CDialog& dialog) {
    return dialog.GetDlgCtrlID(QApplication::focusWidget());
}

// A key, then what the loop would run next (a radio button unchecks the rest of its group after
// the click).
void PressKeyAndSettle(CDialog& dialog, Qt::Key key) {
    PressKey(dialog, key);
    ProcessPostedMessages();
}

// The board is the active window again once a dialog over it closes (the window manager's doing).
void Activate(CGameDlg& board) {
    board.activateWindow();
    ProcessPostedMessages();
}

int FocusedCell(const CGameDlg& board) {
    return FocusedId(board) - IDC_FIRST_CELL;
}

}  // namespace

using KeyboardPlayTest = BoardFixture;

TEST_F(KeyboardPlayTest, AWholeGameIsPlayedWithKeysAlone) {
    script.Then(IDD_SETTINGS, [](CDialog& settings) {
        // Tab lands on the group's checked choice; the arrows move and check.
        PressKeyAndSettle(settings, Qt::Key_Tab);
        EXPECT_EQ(FocusedId(settings), IDC_NOVICE);
        PressKeyAndSettle(settings, Qt::Key_Right);
        PressKeyAndSettle(settings, Qt::Key_Right);
        EXPECT_EQ(FocusedId(settings), IDC_EXPERT);
        PressKeyAndSettle(settings, Qt::Key_Tab);
        EXPECT_EQ(FocusedId(settings), IDC_RANGE_0_TO_10);
        PressKeyAndSettle(settings, Qt::Key_Left);
        EXPECT_EQ(FocusedId(settings), IDC_RANGE_MINUS_25_TO_25);
        PressKey(settings, Qt::Key_Return);
    });
    script.Whenever(IDD_ANSWER, [](CDialog& challenge) {
        const int sum = SumOfQuestion(dynamic_cast<CAnswerDlg&>(challenge).question);
        QTest::keyClicks(QApplication::focusWidget(), QString::number(sum));
        PressKey(challenge, Qt::Key_Return);
    });
    script.Whenever(IDD_HIGH_SCORES, [this](CDialog& table) {
        ++highScoresShown;
        PressKey(table, Qt::Key_Return);
    });
    RunBoard([&](CGameDlg& board) {
        EXPECT_EQ(board.settingsDlg.playerKind[1], Expert);
        EXPECT_EQ(board.settingsDlg.rangeLow, -25);
        Activate(board);
        PressKey(board, Qt::Key_Tab);
        ASSERT_EQ(FocusedCell(board), 0);
        bool useSpace = true;
        while (gameState.gameOver == 0) {
            if (gameState.currentPlayer == 2) {
                Tick();
                continue;
            }
            int target = 0;
            while (gameState.cellOwner[static_cast<std::size_t>(target)] != 0) {
                ++target;
            }
            Activate(board);
            for (int moves = 0; moves < 10 && FocusedCell(board) != target; ++moves) {
                const int cell = FocusedCell(board);
                PressKey(board, cell / 5 < target / 5   ? Qt::Key_Down
                                : cell / 5 > target / 5 ? Qt::Key_Up
                                : cell % 5 < target % 5 ? Qt::Key_Right
                                                        : Qt::Key_Left);
            }
            ASSERT_EQ(FocusedCell(board), target);
            PressKey(board, useSpace ? Qt::Key_Space : Qt::Key_Return);
            useSpace = !useSpace;
            ASSERT_EQ(gameState.cellOwner[static_cast<std::size_t>(target)], 1);
        }
        EXPECT_EQ(highScoresShown, 1);
        PressKey(board, Qt::Key_Escape);
    });
}

// The arrows stop at the board's edges; Enter on Options opens the menu as a click would, and Enter
// where no control has the focus leaves the game as it is (a second Enter after a challenge used to
// end the program).
TEST_F(KeyboardPlayTest, ArrowsStopAtTheEdgesAndEnterAwayFromTheCellsDoesNothing) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person));
    script.Then(IDD_MENU, CancelDialog());
    const int result = RunBoard([&](CGameDlg& board) {
        Activate(board);
        ASSERT_EQ(FocusedId(board), IDC_MENU_BUTTON);
        PressKey(board, Qt::Key_Tab);
        PressKey(board, Qt::Key_Left);
        PressKey(board, Qt::Key_Up);
        EXPECT_EQ(FocusedCell(board), 0);
        PressKey(board, Qt::Key_Right);
        PressKey(board, Qt::Key_Down);
        EXPECT_EQ(FocusedCell(board), 6);
        for (int step = 0; step < 6; ++step) {
            PressKey(board, Qt::Key_Down);
            PressKey(board, Qt::Key_Right);
        }
        EXPECT_EQ(FocusedCell(board), 24);

        board.menuButton->setFocus(Qt::TabFocusReason);
        PressKey(board, Qt::Key_Return);
        EXPECT_EQ(script.Pending(), 0u) << "Enter on Options opened no menu";
        Activate(board);

        const GameState before = gameState;
        board.setFocus(Qt::OtherFocusReason);
        PressKey(board, Qt::Key_Return);
        PressKey(board, Qt::Key_Return);
        EXPECT_EQ(gameState, before);
        EXPECT_TRUE(board.isVisible());
        PressKey(board, Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
}
