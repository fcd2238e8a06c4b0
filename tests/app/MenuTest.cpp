// SPDX-License-Identifier: MIT
// The game menu from the board: a new game that is cancelled, the high scores, the about box and the
// sound switch, with the game standing still while the menu is up.
#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include "controls/GameSoundPlayer.h"

using MenuTest = BoardFixture;

TEST_F(MenuTest, StartNewGameCancelledMidGameLetsTheSameGameGoOn) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person, "Ann", "Bob"));
    script.Then(IDD_MENU, ClickButton(IDC_MENU_NEW_GAME));
    script.Then(IDD_SETTINGS, [](CDialog& settings) {
        // Changes made before Escape are dropped.
        ClickControl(settings, IDC_EXPERT);
        TypeInto(settings, IDC_FIRST_NAME, "Zed");
        PressKey(settings, Qt::Key_Escape);
    });
    RunBoard([&](CGameDlg& board) {
        ClickControl(board, IDC_FIRST_CELL + 7);
        const GameState before = gameState;
        sounds.log.clear();

        ClickControl(board, IDC_MENU_BUTTON);

        // Opening the menu and its button: two clicks before the settings (the Expert button's is third).
        ASSERT_GE(sounds.log.size(), 2u);
        EXPECT_EQ(sounds.log[0], kClick);
        EXPECT_EQ(sounds.log[1], kClick);
        EXPECT_EQ(gameState, before);
        EXPECT_EQ(board.menuOpen, 0);
        EXPECT_EQ(board.settingsDlg.playerKind[1], Person);
        EXPECT_EQ(board.settingsDlg.playerName[0], "Ann");

        const std::int32_t mover = gameState.currentPlayer;
        ClickControl(board, IDC_FIRST_CELL + 8);
        EXPECT_EQ(gameState.cellOwner[8], mover);
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(MenuTest, HighScoresFromTheMenuHoldTheComputerAndRestoreGameOver) {
    script.Then(IDD_SETTINGS, AcceptSettings(Expert));
    script.Then(IDD_MENU, ClickButton(IDC_MENU_HIGH_SCORES));
    std::int32_t gameOverWhileShown = -1;
    script.Then(IDD_HIGH_SCORES, [&](CDialog& dialog) {
        gameOverWhileShown = gameState.gameOver;
        // The computer may be to move: a tick now must claim nothing.
        const auto owners = gameState.cellOwner;
        Tick();
        EXPECT_EQ(gameState.cellOwner, owners);
        ClickControl(dialog, IDOK);
    });
    RunBoard([&](CGameDlg& board) {
        ClickControl(board, IDC_MENU_BUTTON);
        EXPECT_EQ(gameOverWhileShown, 1);
        EXPECT_EQ(gameState.gameOver, 0);
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(MenuTest, AboutOpensTheAboutBoxAndClosingTheMenuDoesNothing) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person));
    script.Then(IDD_MENU, ClickButton(IDC_MENU_ABOUT));
    script.Then(IDD_ABOUT, ClickButton(IDOK));
    script.Then(IDD_MENU, ClickButton(IDCANCEL));
    RunBoard([&](CGameDlg& board) {
        const GameState before = gameState;
        ClickControl(board, IDC_MENU_BUTTON);
        sounds.log.clear();
        ClickControl(board, IDC_MENU_BUTTON);
        // Only the menu's own opening click: its OK button closes silently.
        EXPECT_EQ(sounds.log, (std::vector<std::string>{kClick}));
        EXPECT_EQ(gameState, before);
        EXPECT_EQ(board.menuOpen, 0);
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(MenuTest, SoundSwitchSilencesEverythingAndClicksWhenSwitchedOn) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person));
    script.Then(IDD_MENU, [&](CDialog& menu) {
        sounds.log.clear();
        ClickControl(menu, IDC_MENU_SOUND);
        EXPECT_EQ(soundEnabled, 0);
        EXPECT_TRUE(sounds.log.empty());
        PressKey(menu, Qt::Key_Escape);
    });
    script.Then(IDD_MENU, [&](CDialog& menu) {
        ClickControl(menu, IDC_MENU_SOUND);
        EXPECT_EQ(soundEnabled, 1);
        EXPECT_EQ(sounds.log, (std::vector<std::string>{kClick}));
        ClickControl(menu, IDC_MENU_SOUND);
        EXPECT_EQ(soundEnabled, 0);
        PressKey(menu, Qt::Key_Escape);
    });
    RunBoard([&](CGameDlg& board) {
        ClickControl(board, IDC_MENU_BUTTON);
        // Sound off: no click for the menu, and a claim without a line has no pause.
        ClickControl(board, IDC_MENU_BUTTON);
        sounds.log.clear();
        ClickControl(board, IDC_FIRST_CELL + 3);
        EXPECT_EQ(gameState.cellOwner[3], 3 - gameState.currentPlayer);
        EXPECT_TRUE(sounds.log.empty());
        soundEnabled = 1;
        PressKey(board, Qt::Key_Escape);
    });
}

// While the menu is open the game stands still: the timer gives the computer no move.
TEST_F(MenuTest, TheComputerWaitsWhileTheMenuIsOpen) {
    script.Then(IDD_SETTINGS, AcceptSettings(Expert));
    script.Then(IDD_MENU, [this](CDialog& menu) {
        const auto owners = gameState.cellOwner;
        Tick();
        EXPECT_EQ(gameState.cellOwner, owners);
        PressKey(menu, Qt::Key_Escape);
    });
    RunBoard([&](CGameDlg& board) {
        ClickControl(board, IDC_FIRST_CELL);
        ASSERT_EQ(gameState.currentPlayer, 2);
        ClickControl(board, IDC_MENU_BUTTON);
        Tick();
        EXPECT_EQ(gameState.currentPlayer, 1);
        PressKey(board, Qt::Key_Escape);
    });
}
