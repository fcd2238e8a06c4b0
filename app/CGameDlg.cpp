// SPDX-License-Identifier: MIT
#include "app/CGameDlg.h"
#include "resources/ResourceIds.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "controls/GameSoundPlayer.h"
#include "controls/MessageBox.h"
#include "controls/TextDrawing.h"
#include "dialogs/ButtonLettering.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CAnswerDlg.h"
#include "dialogs/RememberedSettings.h"
#include "platform/access/AccessibleText.h"
#include "platform/draw/Resources.h"
#include "resources/GameDialogTemplates.h"

QCursor playerCursor[2];
int timerId = 0;

namespace {

// The string table keeps the source language's text; the menu shows its translation, marked here.
[[maybe_unused]] constexpr const char* kAboutCommand = QT_TRANSLATE_NOOP("CGameDlg", "&About Quinsum...");

ScreenRect ToScreenRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace

CGameDlg::CGameDlg(QWidget* parent) : CSkinDialog(IDD_BOARD, parent), rules(gameState, settingsDlg, *this) {
    appIcon = IconResource(IDI_PROGRAM);
}

CGameDlg::~CGameDlg() {
    StopTimer();
}

void CGameDlg::DoDataExchange() {
    DDX_Control(IDC_MENU_BUTTON, menuButton);
    DDX_Control(IDC_PLAYER1_NAME, nameButton[0]);
    DDX_Control(IDC_PLAYER2_NAME, nameButton[1]);
    DDX_Control(IDC_PLAYER1_SCORE, scoreButton[0]);
    DDX_Control(IDC_PLAYER2_SCORE, scoreButton[1]);
    DDX_Control(IDC_PLAYER1_LIST, scoreList[0]);
    DDX_Control(IDC_PLAYER2_LIST, scoreList[1]);
    for (int cell = 0; cell < kCellCount; ++cell) {
        DDX_Control(
            IDC_FIRST_CELL + cell,
            cellButtons[static_cast<std::size_t>(cell / kBoardSize)][static_cast<std::size_t>(cell % kBoardSize)]);
    }
}

bool CGameDlg::OnInitDialog() {
    setWindowIcon(appIcon);
    EnableDrag(1);
    LoadBackground(IDB_BOARD_BACKGROUND);
    menuButton->SetCaptionStyle(lettering::steelAction);
    //: Opens the game menu.
    menuButton->SetSkin(IDB_OPTIONS, IDB_OPTIONS_SELECTED, IDB_OPTIONS_SELECTED, 0, 0, 0, 0, 0, 0,
                        tr("Options").toStdString(), lettering::actionBody, 8);
    setWindowTitle(QStringLiteral("%1 %2").arg(QStringLiteral("Quinsum"), QStringLiteral("2.0")));

    cellHeight = DesignRect(GetDlgItem(IDC_FIRST_CELL)).height();
    // The plates only show; the lists, frames in the template, are shown to the keyboard and to
    // screen readers.
    for (std::size_t player = 0; player < 2; ++player) {
        nameButton[player]->ShowAsLabel();
        scoreButton[player]->ShowAsLabel();
        scoreList[player]->setFocusPolicy(Qt::StrongFocus);
        scoreList[player]->show();
    }
    // The narrow face of the design's family: a row of three-character numbers such as
    // "-19 + -21 + -18 = -58" is wider than a list at the regular face's width.
    listFont = FontByHeight(QStringLiteral("Arial Narrow"), static_cast<int>(cellHeight * 0.18), 400);

    highScoresDlg.LoadHighScores();
    ResetSettings();
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            DrawCell(col, row);
        }
    }
    RefreshScorePanels();
    LoadPlayerCursors();
    RestoreWindowSize();
    timerId = startTimer(1000);
    // Queued, so that the settings open from the running window, after set-up has finished.
    RequestNewGame();
    return true;
}

void CGameDlg::OnCommand(int id) {
    if (id == IDC_NEW_GAME) {
        OnNewGame();
    } else if (id == IDC_MENU_BUTTON) {
        OnShowMenu();
    } else if (id >= IDC_FIRST_CELL && id <= IDC_LAST_CELL) {
        OnCellClicked(id);
    } else if (id != IDOK) {
        // Enter away from the cells claims nothing and never ends the game.
        CSkinDialog::OnCommand(id);
    }
}

void CGameDlg::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (arrow && FocusedCellId() != 0) {
        MoveCellFocus(key);
        return;
    }
    if (ResizeByKey(*event)) {
        return;
    }
    CSkinDialog::keyPressEvent(event);
}

int CGameDlg::FocusedCellId() const {
    const int id = GetDlgCtrlID(focusWidget());
    return id >= IDC_FIRST_CELL && id <= IDC_LAST_CELL ? id : 0;
}

void CGameDlg::MoveCellFocus(int arrowKey) {
    const int cell = FocusedCellId() - IDC_FIRST_CELL;
    int col = cell % kBoardSize;
    int row = cell / kBoardSize;
    col += arrowKey == Qt::Key_Left ? -1 : arrowKey == Qt::Key_Right ? 1 : 0;
    row += arrowKey == Qt::Key_Up ? -1 : arrowKey == Qt::Key_Down ? 1 : 0;
    // The edges stop the focus, as on a board.
    if (IsOnBoard(col, row)) {
        cellButtons[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)]->setFocus(Qt::TabFocusReason);
    }
}

void CGameDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(tr("Mi&nimize"), this, &QWidget::showMinimized);
    if (const std::string aboutText = StringResource(IDS_ABOUT); !aboutText.empty()) {
        menu.addSeparator();
        menu.addAction(tr(aboutText.c_str()), this, [this] { OnSysCommand(IDM_ABOUTBOX); });
    }
    menu.exec(event->globalPos());
}

void CGameDlg::OnSysCommand(unsigned id) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    }
}

void CGameDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timerId) {
        OnTimer(kComputerTimerId);
    }
}

void CGameDlg::StopTimer() {
    if (timerId != 0) {
        killTimer(timerId);
        timerId = 0;
    }
}

void CGameDlg::OnOK() {
    RememberWindowSize();
    SaveHighScoresAndTell();
    StopTimer();
    CSkinDialog::OnOK();
}

// Escape and the close box end the board as well; the results of the session must survive that.
void CGameDlg::OnCancel() {
    RememberWindowSize();
    SaveHighScoresAndTell();
    StopTimer();
    CSkinDialog::OnCancel();
}

void CGameDlg::SaveHighScoresAndTell() {
    highScoresDlg.SaveHighScores();
    // Results that cannot be kept where the player expects them are never lost silently.
    if (const std::string problem = highScoresDlg.TakeProblemToTell(); !problem.empty()) {
        ShowWarning(this, problem, "Quinsum");
    }
}

void CGameDlg::ResetSettings() {
    rules.ResetSettings();
    // The rules' default names are the source language's.
    settingsDlg.playerName = {tr("X-Player").toStdString(), tr("O-Player").toStdString()};
    // The player's last choices, where they were kept, over the built-in ones.
    RestoreSettings(settingsDlg, soundEnabled);
    menuOpen = 0;
}

void CGameDlg::NewGame() {
    rules.NewGame();
}

void CGameDlg::PlaceMark(std::int32_t col, std::int32_t row, std::int32_t computerMove) {
    RunClaim([&] { rules.PlaceMark(col, row, computerMove); });
}

void CGameDlg::ComputerMove() {
    RunClaim([this] { rules.ComputerMove(); });
}

void CGameDlg::RunClaim(const std::function<void()>& claim) {
    const std::int32_t claimedBefore = ClaimedCells();
    if (IsValidPlayer(gameState.currentPlayer)) {
        BeginNarration();
    }
    claimUnderWay = true;
    claim();
    claimUnderWay = false;
    lastQuestion.clear();
    if (ClaimedCells() != claimedBefore) {
        EndNarration(newGameRequested);
    }
    narration = {};
    if (std::exchange(newGameRequested, false)) {
        RequestNewGame();
    }
}

std::int32_t CGameDlg::CheckGameOver() {
    return rules.CheckGameOver();
}

std::int32_t CGameDlg::RateCells() {
    return rules.RateCells();
}

void CGameDlg::PlayGameSound(unsigned soundId, int waitForEnd, int delayBeforeMs, int delayAfterMs) {
    if (soundId == IDW_LINE_COMPLETED && claimUnderWay) {
        NarrateLineFound();
    }
    ::PlayGameSound(soundId, waitForEnd, delayBeforeMs, delayAfterMs);
}

ScreenRect CGameDlg::CellScreenRect(std::int32_t col, std::int32_t row) {
    if (!IsOnBoard(col, row)) {
        return {};
    }
    const CSkinButton* cell = cellButtons[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    return ToScreenRect(QRect(cell->mapToGlobal(QPoint(0, 0)), cell->size()));
}

ScreenRect CGameDlg::WindowScreenRect() {
    return ToScreenRect(WindowRect());
}

ChallengeOutcome CGameDlg::ShowChallenge(const std::string& question, std::int32_t lineTop, std::int32_t lineBottom,
                                         const ScreenRect& ownerRect) {
    CAnswerDlg challenge;
    challenge.lineTop = lineTop;
    challenge.lineBottom = lineBottom;
    challenge.ownerRect =
        QRect(ownerRect.left, ownerRect.top, ownerRect.right - ownerRect.left, ownerRect.bottom - ownerRect.top);
    challenge.question = question;
    // The same question again: the answer was wrong, and a screen reader says so with the question.
    challenge.toldBefore = question == std::exchange(lastQuestion, question) ? tr("Not right, try again.") : QString();
    if (challenge.DoModal() != IDOK) {
        return {ChallengeOutcome::Choice::ForfeitGame, 0};
    }
    return {ChallengeOutcome::Choice::CheckAnswer, challenge.answer};
}

void CGameDlg::RequestNewGame() {
    if (claimUnderWay) {
        newGameRequested = true;
    } else {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (IsRunning()) {
                    OnCommand(IDC_NEW_GAME);
                }
            },
            Qt::QueuedConnection);
    }
}

void CGameDlg::RecordResult(OpponentKind kind1, const std::string& name1, std::int32_t score1, OpponentKind kind2,
                            const std::string& name2, std::int32_t score2, NumberRange range) {
    // The high scores open at once; a screen reader hears the end of the game as the dialog's own.
    SetAccessibleDescription(&highScoresDlg, GameOverTold());
    highScoresDlg.RecordResult(kind1, name1, score1, kind2, name2, score2, range);
    // Saved at once: a crash, a kill or the end of the session loses no finished game.
    SaveHighScoresAndTell();
}

void CGameDlg::ShowHighScoresDialog() {
    highScoresDlg.DoModal();
    SetAccessibleDescription(&highScoresDlg, QString());
}
