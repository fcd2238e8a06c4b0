// SPDX-License-Identifier: MIT
// What a screen reader learns through Qt's accessibility interfaces: the board's cells and
// plates by name, a claim renaming its cell, the settings' choices as checked radio buttons and
// its boxes labelled.

#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include <QAccessible>

namespace {

QAccessibleInterface* Accessible(const CDialog& dialog, int id) {
    return QAccessible::queryAccessibleInterface(dialog.GetDlgItem(id));
}

std::string Name(const CDialog& dialog, int id) {
    return Accessible(dialog, id)->text(QAccessible::Name).toStdString();
}

}  // namespace

using AccessibilityTest = BoardFixture;

TEST_F(AccessibilityTest, CellsAndPlatesAreNamedAndAClaimRenamesItsCell) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person, "Ann", "Bob"));
    RunBoard([&](CGameDlg& board) {
        const int first = IDC_FIRST_CELL;
        const std::string number = std::to_string(gameState.cellNumber[7]);
        EXPECT_EQ(Name(board, first + 7), number + ", free");
        EXPECT_EQ(Accessible(board, first + 7)->text(QAccessible::Description).toStdString(), "row 2, column 3");
        EXPECT_EQ(Accessible(board, first + 7)->role(), QAccessible::Button);
        EXPECT_EQ(Name(board, IDC_PLAYER1_NAME), "Ann");
        EXPECT_EQ(Name(board, IDC_PLAYER2_NAME), "Bob");
        EXPECT_EQ(Name(board, IDC_PLAYER1_SCORE), "Ann: 0 points");

        const std::string mover = gameState.currentPlayer == 1 ? "Ann" : "Bob";
        ClickControl(board, first + 7);
        EXPECT_EQ(Name(board, first + 7), number + ", " + mover + ", last move");

        // Each list reads as its player and the lines they scored.
        EXPECT_EQ(Name(board, IDC_PLAYER1_LIST), "Lines scored by Ann: none");
        gameState.lines[0] = ScoredLine{2, {0, 1, 2}, {0, 0, 0}, -3};
        gameState.lines[1] = ScoredLine{2, {0, 1, 2}, {1, 1, 1}, 12};
        gameState.lineCount = 2;
        board.RefreshScorePanels();
        const auto cellNumber = [](int cell) {
            return std::to_string(gameState.cellNumber[static_cast<std::size_t>(cell)]);
        };
        EXPECT_EQ(Name(board, IDC_PLAYER2_LIST), "Lines scored by Bob: " + cellNumber(0) + " + " + cellNumber(1) +
                                                     " + " + cellNumber(2) + " = -3; " + cellNumber(5) + " + " +
                                                     cellNumber(6) + " + " + cellNumber(7) + " = 12");
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(AccessibilityTest, TheSettingsChoicesAreCheckedRadioButtons) {
    script.Then(IDD_SETTINGS, [](CDialog& settings) {
        QAccessibleInterface* novice = Accessible(settings, IDC_NOVICE);
        EXPECT_EQ(novice->role(), QAccessible::RadioButton);
        EXPECT_EQ(novice->text(QAccessible::Name).toStdString(), "Novice Computer");
        EXPECT_TRUE(novice->state().checked);
        EXPECT_FALSE(Accessible(settings, IDC_INTERMEDIATE)->state().checked);
        // The name boxes are labelled by the texts beside them, which read as labels.
        EXPECT_EQ(Name(settings, IDC_FIRST_NAME), "Enter name for first player");
        EXPECT_EQ(Name(settings, IDC_SECOND_NAME), "Enter name if second player is a person");
        EXPECT_EQ(Accessible(settings, IDC_FIRST_NAME_LABEL)->role(), QAccessible::StaticText);
        EXPECT_EQ(Name(settings, IDC_FIRST_NAME_LABEL), "Enter name for first player");
        ClickControl(settings, IDC_INTERMEDIATE);
        ProcessPostedMessages();
        EXPECT_TRUE(Accessible(settings, IDC_INTERMEDIATE)->state().checked);
        EXPECT_FALSE(novice->state().checked);
        PressKey(settings, Qt::Key_Escape);
    });
    RunBoard([&](CGameDlg& board) { PressKey(board, Qt::Key_Escape); });
}
