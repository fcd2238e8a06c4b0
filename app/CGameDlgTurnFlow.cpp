// SPDX-License-Identifier: MIT
#include "app/CGameDlg.h"

#include "controls/GameSoundPlayer.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CMenuDlg.h"
#include "platform/draw/Resources.h"
#include "platform/window/CursorShape.h"
#include "resources/ResourceIds.h"

bool CGameDlg::ComputerToMove() const {
    return settingsDlg.playerKind[PlayerIndex(gameState.currentPlayer)] > Person;
}

void CGameDlg::OnNewGame() {
    gameState.gameOver = 1;
    if (settingsDlg.DoModal() == IDCANCEL) {
        gameState.gameOver = 0;
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
    Invalidate(FALSE);
    RefreshScorePanels();
}

void CGameDlg::OnShowMenu() {
    CAboutDlg about;
    CMenuDlg menu;
    menuOpen = 1;
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
}

void CGameDlg::OnCellClicked(UINT id) {
    // Until a game has been dealt nobody is to move, so the click is dropped.
    if (!IsValidPlayer(gameState.currentPlayer) || ComputerToMove() || menuOpen != 0) {
        return;
    }
    const auto cell = static_cast<std::int32_t>(id - IDC_FIRST_CELL);
    PlaceMark(cell % kBoardSize, cell / kBoardSize, 0);
}

void CGameDlg::OnTimer(UINT_PTR id) {
    if (id == kComputerTimerId && IsValidPlayer(gameState.currentPlayer) && ComputerToMove() &&
        gameState.gameOver == 0 && menuOpen == 0) {
        ComputerMove();
    }
    Default();
}

void CGameDlg::ShowHighScores() {
    const std::int32_t previousGameOver = gameState.gameOver;
    gameState.gameOver = 1;
    highScoresDlg.DoModal();
    gameState.gameOver = previousGameOver;
}

void CGameDlg::RefreshCursor() {
    if (IsValidPlayer(gameState.currentPlayer) && menuOpen == 0 && gameState.gameOver == 0) {
        if (ComputerToMove()) {
            SetCursor(LoadStandardCursor(IDC_WAIT));
        } else {
            SetCursor(playerCursor[PlayerIndex(gameState.currentPlayer)]);
        }
        return;
    }
    SetCursor(LoadStandardCursor(IDC_ARROW));
}
