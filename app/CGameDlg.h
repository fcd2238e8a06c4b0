// SPDX-License-Identifier: MIT
#pragma once

#include "controls/CSkinButton.h"
#include "core/GameRules.h"
#include "core/GameState.h"
#include "core/WindowOperations.h"
#include "dialogs/CHighScoresDlg.h"
#include "dialogs/CSettingsDlg.h"
#include "dialogs/CSkinDialog.h"
#include "platform/draw/CFont.h"
#include "resources/ResourceIds.h"

#include <array>
#include <cstdint>

// The window-menu command that opens the about box.
inline constexpr UINT IDM_ABOUTBOX = 0x0010;
inline constexpr UINT_PTR kComputerTimerId = 1;

// The cursors of player 1 ("X") and player 2 ("O"), loaded when the board window is set up.
extern HCURSOR playerCursor[2];
// What SetTimer returned for the one-second timer.
extern UINT_PTR timerId;

// The board window: the 25 cells, the players' lists and plates, and the menu button. It carries
// out the rules' window operations and offers the rules' operations as its own.
class CGameDlg : public CSkinDialog, public WindowOperations {
public:
    explicit CGameDlg(CWnd* parent = nullptr);
    ~CGameDlg() override;

    BOOL DestroyWindow() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The rules' operations.
    void ResetSettings();
    void NewGame();
    void PlaceMark(std::int32_t col, std::int32_t row, std::int32_t computerMove);
    std::int32_t CheckGameOver();
    std::int32_t RateCells();
    void ComputerMove();

    // Window operations the rules call.
    void DrawCell(std::int32_t col, std::int32_t row) override;
    void RefreshScorePanels() override;
    void RefreshCursor() override;
    void PlayGameSound(unsigned soundId, int waitForEnd, int delayBeforeMs, int delayAfterMs) override;
    ScreenRect CellScreenRect(std::int32_t col, std::int32_t row) override;
    ScreenRect WindowScreenRect() override;
    ChallengeOutcome ShowChallenge(const std::string& question, std::int32_t lineTop, std::int32_t lineBottom,
                                   const ScreenRect& ownerRect) override;
    void RequestNewGame() override;
    void RecordResult(OpponentKind kind1, const std::string& name1, std::int32_t score1, OpponentKind kind2,
                      const std::string& name2, std::int32_t score2, NumberRange range) override;
    void ShowHighScoresDialog() override;

    // Message handlers.
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HICON OnQueryDragIcon();
    void OnTimer(UINT_PTR id);
    void OnNewGame();
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    void OnShowMenu();
    void OnCellClicked(UINT id);
    void ShowHighScores();

    CSettingsDlg settingsDlg;
    CHighScoresDlg highScoresDlg;
    std::int32_t cellHeight = 0;
    std::int32_t menuOpen = 0;
    CFont listFont;
    std::array<std::array<CSkinButton, 5>, 5> cellButtons;
    CSkinButton menuButton;
    std::array<CSkinButton, 2> nameButton;
    std::array<CSkinButton, 2> scoreButton;
    HICON appIcon = nullptr;

private:
    void AppendAboutToSystemMenu();
    void SaveHighScoresAndTell();
    // What a screen reader says for a cell: its number, whose it is, and its marks.
    std::string CellAccessibleName(std::int32_t col, std::int32_t row) const;
    // The id of the cell that has the keyboard focus; 0 when no cell has it.
    int FocusedCellId() const;
    // Moves the focus to the next cell in the direction of an arrow key.
    void MoveCellFocus(UINT arrow);
    void PaintLists(CDC& dc);
    // Assistive technologies read each list as one text: its player and every line they scored.
    void NameLists();
    void PaintPanels();
    CRect ListPanelRect(int panelId) const;
    // Whether the player to move is a computer; only for a valid currentPlayer.
    bool ComputerToMove() const;

    GameRules rules;
    // A forfeit asks for a new game; the command is posted once the claim that asked has ended, so
    // a high-scores dialog opened by the same claim comes first.
    bool newGameRequested = false;
    bool claimUnderWay = false;
};
