// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QPointer>
#include <array>
#include <cstdint>

#include "controls/CSkinButton.h"
#include "core/GameRules.h"
#include "core/GameState.h"
#include "core/WindowOperations.h"
#include "dialogs/CHighScoresDlg.h"
#include "dialogs/CSettingsDlg.h"
#include "dialogs/CSkinDialog.h"
#include "resources/ResourceIds.h"

// The window-menu command that opens the about box.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;
inline constexpr int kComputerTimerId = 1;

// The cursors of player 1 ("X") and player 2 ("O"), loaded when the board window is set up.
extern QCursor playerCursor[2];
// The one-second timer of the board window while it runs; 0 otherwise.
extern int timerId;

// The board window: the 25 cells, the players' lists and plates, and the menu button. It carries
// out the rules' window operations and offers the rules' operations as its own.
class CGameDlg : public CSkinDialog, public WindowOperations {
    Q_OBJECT

public:
    explicit CGameDlg(QWidget* parent = nullptr);
    ~CGameDlg() override;

    bool OnInitDialog() override;
    // Quit Game and Escape both save the table, then end the board.
    void OnOK() override;
    void OnCancel() override;
    void OnCommand(int id) override;

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

    // Handlers.
    void OnSysCommand(unsigned id);
    void OnTimer(int id);
    void OnNewGame();
    void OnShowMenu();
    void OnCellClicked(int id);
    void ShowHighScores();

    CSettingsDlg settingsDlg;
    CHighScoresDlg highScoresDlg;
    std::int32_t cellHeight = 0;
    std::int32_t menuOpen = 0;
    QFont listFont;
    std::array<std::array<QPointer<CSkinButton>, 5>, 5> cellButtons;
    QPointer<CSkinButton> menuButton;
    std::array<QPointer<CSkinButton>, 2> nameButton;
    std::array<QPointer<CSkinButton>, 2> scoreButton;
    QIcon appIcon;

protected:
    void DoDataExchange() override;
    // The background, and the players' lists over it.
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The window menu's commands: minimize, and the about box.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void SaveHighScoresAndTell();
    void StopTimer();
    // What a screen reader says for a cell: its number, whose it is, and its marks.
    QString CellAccessibleName(std::int32_t col, std::int32_t row) const;
    // The id of the cell that has the keyboard focus; 0 when no cell has it.
    int FocusedCellId() const;
    // Moves the focus to the next cell in the direction of an arrow key.
    void MoveCellFocus(int arrowKey);
    void PaintLists(QPainter& painter) const;
    // Assistive technologies read each list as one text: its player and every line they scored.
    void NameLists();
    // The plates show the players' names and scores.
    void ShowPanels();
    QRect ListPanelRect(int panelId) const;
    // Whether the player to move is a computer; only for a valid currentPlayer.
    bool ComputerToMove() const;

    GameRules rules;
    // A forfeit asks for a new game; the command is queued once the claim that asked has ended, so
    // a high-scores dialog opened by the same claim comes first.
    bool newGameRequested = false;
    bool claimUnderWay = false;
};
