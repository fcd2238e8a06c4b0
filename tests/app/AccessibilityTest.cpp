// SPDX-License-Identifier: MIT
// What a screen reader learns through Qt's accessibility interfaces: the board's cells by name, the
// plates as labels, the lists line by line, a claim renaming its cell and told of its own accord,
// whose turn it is, the settings' choices as checked radio buttons labelled by their group's text,
// the menu's buttons by the words on their pictures and its sound switch as a check box.

#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include <QAccessible>
#include <QLabel>

namespace {

QAccessibleInterface* Accessible(const CDialog& dialog, int id) {
    return QAccessible::queryAccessibleInterface(dialog.GetDlgItem(id));
}

std::string Name(const CDialog& dialog, int id) {
    return Accessible(dialog, id)->text(QAccessible::Name).toStdString();
}

// The text of the window's label that screen readers find in `role` (a notification, the status).
std::string Spoken(const QWidget& window, QAccessible::Role role) {
    for (QLabel* label : window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
        if (accessible != nullptr && accessible->role() == role) {
            return accessible->text(QAccessible::Name).toStdString();
        }
    }
    return "";
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
        EXPECT_EQ(Accessible(board, IDC_PLAYER1_NAME)->role(), QAccessible::StaticText);
        EXPECT_FALSE(Accessible(board, IDC_PLAYER1_SCORE)->state().focusable);

        const std::string mover = gameState.currentPlayer == 1 ? "Ann" : "Bob";
        const std::string other = gameState.currentPlayer == 1 ? "Bob" : "Ann";
        EXPECT_EQ(Spoken(board, QAccessible::StatusBar), mover + " to move");
        SetPosition({}, gameState.currentPlayer);
        ClickControl(board, first + 7);
        EXPECT_EQ(Name(board, first + 7), number + ", " + mover + ", last move");
        EXPECT_EQ(Spoken(board, QAccessible::Notification), mover + " claims " + number + ". " + other + " to move.");
        EXPECT_EQ(Spoken(board, QAccessible::StatusBar), other + " to move");

        // Each list reads as its player and, line by line, the lines they scored.
        EXPECT_EQ(Name(board, IDC_PLAYER1_LIST), "Lines scored by Ann: none");
        EXPECT_EQ(Accessible(board, IDC_PLAYER1_LIST)->role(), QAccessible::List);
        gameState.lines[0] = ScoredLine{2, {0, 1, 2}, {0, 0, 0}, -3};
        gameState.lines[1] = ScoredLine{2, {0, 1, 2}, {1, 1, 1}, 12};
        gameState.lineCount = 2;
        board.RefreshScorePanels();
        const auto cellNumber = [](int cell) {
            return std::to_string(gameState.cellNumber[static_cast<std::size_t>(cell)]);
        };
        QAccessibleInterface* list = Accessible(board, IDC_PLAYER2_LIST);
        EXPECT_EQ(list->text(QAccessible::Name).toStdString(), "Lines scored by Bob");
        ASSERT_EQ(list->childCount(), 2);
        EXPECT_EQ(list->child(0)->text(QAccessible::Name).toStdString(),
                  cellNumber(0) + " + " + cellNumber(1) + " + " + cellNumber(2) + " = -3");
        EXPECT_EQ(list->child(1)->text(QAccessible::Name).toStdString(),
                  cellNumber(5) + " + " + cellNumber(6) + " + " + cellNumber(7) + " = 12");
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(AccessibilityTest, TheMenuNamesItsButtonsByTheirPicturesAndTheSoundSwitchIsACheckBox) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person, "Ann", "Bob"));
    script.Then(IDD_MENU, [](CDialog& menu) {
        EXPECT_EQ(Name(menu, IDCANCEL), "OK");
        EXPECT_EQ(Name(menu, IDC_MENU_HIGH_SCORES), "High Scores");
        QAccessibleInterface* sound = Accessible(menu, IDC_MENU_SOUND);
        EXPECT_EQ(sound->role(), QAccessible::CheckBox);
        EXPECT_EQ(sound->text(QAccessible::Name).toStdString(), "Sound");
        EXPECT_TRUE(sound->state().checked);
        ClickControl(menu, IDC_MENU_SOUND);
        EXPECT_FALSE(Accessible(menu, IDC_MENU_SOUND)->state().checked);
        ClickControl(menu, IDC_MENU_SOUND);
        PressKey(menu, Qt::Key_Escape);
    });
    RunBoard([&](CGameDlg& board) {
        ClickControl(board, IDC_MENU_BUTTON);
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
        // A group of choices is labelled by the text beside it.
        const auto labels = novice->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels.front().first->text(QAccessible::Name).toStdString(),
                  "Specify whether second player is another person or a computer opponent");
        ClickControl(settings, IDC_INTERMEDIATE);
        ProcessPostedMessages();
        EXPECT_TRUE(Accessible(settings, IDC_INTERMEDIATE)->state().checked);
        EXPECT_FALSE(novice->state().checked);
        PressKey(settings, Qt::Key_Escape);
    });
    RunBoard([&](CGameDlg& board) { PressKey(board, Qt::Key_Escape); });
}
