// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>

#include "app/ScoreList.h"
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
    // A cell's height as designed; the lists are drawn in the designed pixels at the window's factor.
    std::int32_t cellHeight = 0;
    std::int32_t menuOpen = 0;
    QFont listFont;
    std::array<std::array<QPointer<CSkinButton>, 5>, 5> cellButtons;
    QPointer<CSkinButton> menuButton;
    std::array<QPointer<CSkinButton>, 2> nameButton;
    std::array<QPointer<CSkinButton>, 2> scoreButton;
    // The players' lists (the template's frames 1510 and 1511), for the keyboard and screen readers.
    std::array<QPointer<ScoreList>, 2> scoreList;
    QIcon appIcon;

protected:
    void DoDataExchange() override;
    // The background, and the players' lists over it.
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The window menu's commands: minimize, and the about box.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The window's size (CGameDlgSizing.cpp): Ctrl with "+", "=", "-" or "0" steps the factor, F11
    // switches full screen; the last size and full-screen state are kept between runs.
    bool ResizeByKey(const QKeyEvent& event);
    void StepScale(int direction);
    void RestoreWindowSize();
    void RememberWindowSize() const;
    // The players' cursors at the window's factor.
    void LoadPlayerCursors();
    void ShowTurnCursor();
    qreal cursorScale = 0;

    void SaveHighScoresAndTell();
    void StopTimer();
    // What a screen reader says for a cell: its number, whose it is, and its marks.
    QString CellAccessibleName(std::int32_t col, std::int32_t row) const;
    // The id of the cell that has the keyboard focus; 0 when no cell has it.
    int FocusedCellId() const;
    // Moves the focus to the next cell in the direction of an arrow key.
    void MoveCellFocus(int arrowKey);
    void PaintLists(QPainter& painter) const;
    // The lists for the keyboard and screen readers: their player and every line they scored.
    void NameLists();
    // The plates show the players' names and scores.
    void ShowPanels();
    QRect ListPanelRect(int panelId) const;
    // A claim, a person's or the computer's: the rules' PlaceMark or ComputerMove, with what a screen
    // reader hears of it and the new game a forfeit asks for once it has ended.
    void RunClaim(const std::function<void()>& claim);
    // Whether the player to move is a computer; only for a valid currentPlayer.
    bool ComputerToMove() const;

    // What a screen reader hears of the claim under way (CGameDlgNarration.cpp).
    struct Narration {
        std::int32_t mover = 0;
        std::int32_t linesBefore = 0;
        bool lineTold = false;
    };
    static std::int32_t ClaimedCells();
    void BeginNarration();
    void NarrateLineFound();
    void EndNarration(bool forfeited);
    // The last claim and the game's end, which the high scores then opening carry.
    QString GameOverTold();
    void AnnounceNewGame();
    void ShowTurn();
    QString ClaimedNumber() const;
    QString ClaimOutcome() const;
    Narration narration;
    // The challenge asked last in this claim, so that asking it again tells the answer was wrong.
    std::string lastQuestion;

    GameRules rules;
    // A forfeit asks for a new game; the command is queued once the claim that asked has ended, so
    // a high-scores dialog opened by the same claim comes first.
    bool newGameRequested = false;
    bool claimUnderWay = false;
};
