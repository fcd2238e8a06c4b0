// SPDX-License-Identifier: MIT
#include "app/CGameDlg.h"

#include "controls/GameSoundPlayer.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CMenuDlg.h"
#include "resources/ResourceIds.h"

bool CGameDlg::ComputerToMove() const {
    return settingsDlg.playerKind[PlayerIndex(gameState.currentPlayer)] > Person;
}

void CGameDlg::OnNewGame() {
    gameState.gameOver = 1;
    RefreshCursor();
    if (settingsDlg.DoModal() == IDCANCEL) {
        gameState.gameOver = 0;
        RefreshCursor();
        return;
    }
    gameState.lastMoveCol = -1;
    gameState.highlightCol[0] = -1;
    NewGame();
    for (std::int32_t col = 0; col < kBoardSize; ++col) {
        for (std::int32_t row = 0; row < kBoardSize; ++row) {
            DrawCell(col, row);
        }
    }
    update();
    RefreshScorePanels();
    RefreshCursor();
    AnnounceNewGame();
}

void CGameDlg::OnShowMenu() {
    CAboutDlg about;
    CMenuDlg menu;
    menuOpen = 1;
    RefreshCursor();
    ::PlayGameSound(IDW_CLICK, 1, 0, 0);
    menu.DoModal();
    if (menu.quitRequested) {
        OnOK();
    }
    if (menu.aboutRequested) {
        about.DoModal();
    }
    if (menu.newGameRequested) {
        OnNewGame();
    }
    if (menu.highScoresRequested) {
        ShowHighScores();
    }
    menuOpen = 0;
    RefreshCursor();
}

void CGameDlg::OnCellClicked(int id) {
    // Until a game has been dealt nobody is to move, so the click is dropped.
    if (!IsValidPlayer(gameState.currentPlayer) || ComputerToMove() || menuOpen != 0) {
        return;
    }
    const int cell = id - IDC_FIRST_CELL;
    PlaceMark(cell % kBoardSize, cell / kBoardSize, 0);
}

void CGameDlg::OnTimer(int id) {
    if (id == kComputerTimerId && IsValidPlayer(gameState.currentPlayer) && ComputerToMove() &&
        gameState.gameOver == 0 && menuOpen == 0) {
        ComputerMove();
    }
}

void CGameDlg::ShowHighScores() {
    const std::int32_t previousGameOver = gameState.gameOver;
    gameState.gameOver = 1;
    RefreshCursor();
    highScoresDlg.DoModal();
    gameState.gameOver = previousGameOver;
    RefreshCursor();
}

void CGameDlg::RefreshCursor() {
    ShowTurn();
    ShowTurnCursor();
}

void CGameDlg::ShowTurnCursor() {
    if (IsValidPlayer(gameState.currentPlayer) && menuOpen == 0 && gameState.gameOver == 0) {
        setCursor(ComputerToMove() ? QCursor(Qt::WaitCursor) : playerCursor[PlayerIndex(gameState.currentPlayer)]);
        return;
    }
    setCursor(Qt::ArrowCursor);
}
