// SPDX-License-Identifier: MIT
#include "app/CGameDlg.h"
#include "resources/ResourceIds.h"

#include "controls/GameSoundPlayer.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CAnswerDlg.h"
#include "platform/FormatString.h"
#include "platform/dialog/DataExchange.h"
#include "platform/draw/Resources.h"
#include "platform/window/CMenu.h"
#include "platform/window/VirtualKeys.h"
#include "resources/GameDialogTemplates.h"

HCURSOR playerCursor[2] = {nullptr, nullptr};
UINT_PTR timerId = 0;

namespace {

ScreenRect ToScreenRect(const CRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

CGameDlg::CGameDlg(CWnd* parent) : CSkinDialog(IDD_BOARD, parent), rules(gameState, settingsDlg, *this) {
    appIcon = LoadIconResource(IDI_PROGRAM);
}

// listFont and the member dialogs release what they own themselves.
CGameDlg::~CGameDlg() = default;

void CGameDlg::DoDataExchange(CDataExchange* dx) {
    CSkinDialog::DoDataExchange(dx);
    DDX_Control(dx, static_cast<int>(IDC_MENU_BUTTON), menuButton);
    DDX_Control(dx, static_cast<int>(IDC_PLAYER1_NAME), nameButton[0]);
    DDX_Control(dx, static_cast<int>(IDC_PLAYER2_NAME), nameButton[1]);
    DDX_Control(dx, static_cast<int>(IDC_PLAYER1_SCORE), scoreButton[0]);
    DDX_Control(dx, static_cast<int>(IDC_PLAYER2_SCORE), scoreButton[1]);
    for (int cell = 0; cell < kCellCount; ++cell) {
        DDX_Control(
            dx, static_cast<int>(IDC_FIRST_CELL) + cell,
            cellButtons[static_cast<std::size_t>(cell / kBoardSize)][static_cast<std::size_t>(cell % kBoardSize)]);
    }
}

BOOL CGameDlg::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    AppendAboutToSystemMenu();
    SetIcon(appIcon, TRUE);
    SetIcon(appIcon, FALSE);
    EnableDrag(1);
    LoadBackground(IDB_BOARD_BACKGROUND);
    menuButton.SetSkin(IDB_OPTIONS, IDB_OPTIONS_SELECTED, IDB_OPTIONS_SELECTED, 0, 0, 0, 0, 0, 0, "", CRect(), 8);
    // Its word is part of the picture.
    menuButton.SetAccessibleName("Options");
    SetWindowText(FormatString("%s %s", "Quinsum", "2.0"));

    CRect firstCell;
    GetDlgItem(static_cast<int>(IDC_FIRST_CELL))->GetWindowRect(&firstCell);
    cellHeight = firstCell.bottom - firstCell.top;
    // The narrow face of the design's family: a row of three-character numbers such as
    // "-19 + -21 + -18 = -58" is wider than a list at the regular face's width.
    listFont.CreateFont(static_cast<int>(cellHeight * 0.18), 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0x31, "Arial Narrow");

    highScoresDlg.LoadHighScores();
    ResetSettings();
    for (std::int32_t row = 0; row < kBoardSize; ++row) {
        for (std::int32_t col = 0; col < kBoardSize; ++col) {
            DrawCell(col, row);
        }
    }
    playerCursor[0] = LoadCursorResource(IDCUR_PLAYER1);
    playerCursor[1] = LoadCursorResource(IDCUR_PLAYER2);
    timerId = SetTimer(kComputerTimerId, 1000, nullptr);
    // Posted, so that the settings open from the running window, after set-up has finished.
    PostMessage(WM_COMMAND, IDC_NEW_GAME, 0);
    return TRUE;
}

void CGameDlg::AppendAboutToSystemMenu() {
    CMenu* systemMenu = GetSystemMenu(FALSE);
    if (systemMenu == nullptr) {
        return;
    }
    const std::string aboutText = LoadStringResource(IDS_ABOUT);
    if (!aboutText.empty()) {
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutText.c_str());
    }
}

LRESULT CGameDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(OnQueryDragIcon());
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        return 0;
    case WM_SETCURSOR:
        return OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(static_cast<WPARAM>(lParam)),
                           HIWORD(static_cast<WPARAM>(lParam)));
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            const UINT id = LOWORD(wParam);
            if (id == IDC_NEW_GAME) {
                OnNewGame();
                return 0;
            }
            if (id == IDC_MENU_BUTTON) {
                OnShowMenu();
                return 0;
            }
            if (id >= IDC_FIRST_CELL && id <= IDC_LAST_CELL) {
                OnCellClicked(id);
                return 0;
            }
            // Enter reaches the board as IDOK with no button behind it: it claims the focused
            // cell and never ends the game (a second Enter after answering a challenge lands here).
            if (id == IDOK && lParam == 0) {
                if (const int cell = FocusedCellId(); cell != 0) {
                    OnCellClicked(static_cast<UINT>(cell));
                }
                return 0;
            }
        }
        break;
    case WM_KEYDOWN:
        if (IsArrowKey(static_cast<UINT>(wParam)) && FocusedCellId() != 0) {
            MoveCellFocus(static_cast<UINT>(wParam));
            return 0;
        }
        break;
    default:
        break;
    }
    return CSkinDialog::WindowProc(message, wParam, lParam);
}

int CGameDlg::FocusedCellId() const {
    const CWnd* focus = GetFocus();
    const int id = focus != nullptr && focus->GetParent() == this ? focus->GetDlgCtrlID() : 0;
    return id >= static_cast<int>(IDC_FIRST_CELL) && id <= static_cast<int>(IDC_LAST_CELL) ? id : 0;
}

void CGameDlg::MoveCellFocus(UINT arrow) {
    const int cell = FocusedCellId() - static_cast<int>(IDC_FIRST_CELL);
    int col = cell % kBoardSize;
    int row = cell / kBoardSize;
    col += arrow == VK_LEFT ? -1 : arrow == VK_RIGHT ? 1 : 0;
    row += arrow == VK_UP ? -1 : arrow == VK_DOWN ? 1 : 0;
    // The edges stop the focus, as on a board.
    if (IsOnBoard(col, row)) {
        GetDlgItem(static_cast<int>(IDC_FIRST_CELL + CellIndex(col, row)))->SetFocus();
    }
}

void CGameDlg::OnSysCommand(UINT id, LPARAM) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        Default();
    }
}

HICON CGameDlg::OnQueryDragIcon() {
    return appIcon;
}

BOOL CGameDlg::OnSetCursor(CWnd*, UINT, UINT) {
    RefreshCursor();
    return TRUE;
}

BOOL CGameDlg::DestroyWindow() {
    KillTimer(timerId);
    return CSkinDialog::DestroyWindow();
}

void CGameDlg::OnOK() {
    SaveHighScoresAndTell();
    CSkinDialog::OnOK();
}

// Escape and the close box end the board as well; the results of the session must survive that.
void CGameDlg::OnCancel() {
    SaveHighScoresAndTell();
    CSkinDialog::OnCancel();
}

void CGameDlg::SaveHighScoresAndTell() {
    highScoresDlg.SaveHighScores();
    // Results that cannot be kept where the player expects them are never lost silently.
    if (const std::string problem = highScoresDlg.TakeProblemToTell(); !problem.empty()) {
        MessageBox(problem.c_str(), "Quinsum", MB_ICONEXCLAMATION);
    }
}

void CGameDlg::ResetSettings() {
    rules.ResetSettings();
    menuOpen = 0;
}

void CGameDlg::NewGame() {
    rules.NewGame();
}

void CGameDlg::PlaceMark(std::int32_t col, std::int32_t row, std::int32_t computerMove) {
    claimUnderWay = true;
    rules.PlaceMark(col, row, computerMove);
    claimUnderWay = false;
    if (newGameRequested) {
        newGameRequested = false;
        PostMessage(WM_COMMAND, IDC_NEW_GAME, 0);
    }
}

std::int32_t CGameDlg::CheckGameOver() {
    return rules.CheckGameOver();
}

std::int32_t CGameDlg::RateCells() {
    return rules.RateCells();
}

void CGameDlg::ComputerMove() {
    rules.ComputerMove();
}

void CGameDlg::PlayGameSound(unsigned soundId, int waitForEnd, int delayBeforeMs, int delayAfterMs) {
    ::PlayGameSound(soundId, waitForEnd, delayBeforeMs, delayAfterMs);
}

ScreenRect CGameDlg::CellScreenRect(std::int32_t col, std::int32_t row) {
    CRect rect;
    if (IsOnBoard(col, row)) {
        cellButtons[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].GetWindowRect(&rect);
    }
    return ToScreenRect(rect);
}

ScreenRect CGameDlg::WindowScreenRect() {
    CRect rect;
    GetWindowRect(&rect);
    return ToScreenRect(rect);
}

ChallengeOutcome CGameDlg::ShowChallenge(const std::string& question, std::int32_t lineTop, std::int32_t lineBottom,
                                         const ScreenRect& ownerRect) {
    CAnswerDlg challenge;
    challenge.lineTop = lineTop;
    challenge.lineBottom = lineBottom;
    challenge.ownerRect = CRect(ownerRect.left, ownerRect.top, ownerRect.right, ownerRect.bottom);
    challenge.question = question;
    if (challenge.DoModal() != IDOK) {
        return {ChallengeOutcome::Choice::ForfeitGame, 0};
    }
    return {ChallengeOutcome::Choice::CheckAnswer, challenge.answer};
}

void CGameDlg::RequestNewGame() {
    if (claimUnderWay) {
        newGameRequested = true;
    } else {
        PostMessage(WM_COMMAND, IDC_NEW_GAME, 0);
    }
}

void CGameDlg::RecordResult(OpponentKind kind1, const std::string& name1, std::int32_t score1, OpponentKind kind2,
                            const std::string& name2, std::int32_t score2, NumberRange range) {
    highScoresDlg.RecordResult(kind1, name1, score1, kind2, name2, score2, range);
    // Saved at once: a crash, a kill or the end of the session loses no finished game.
    SaveHighScoresAndTell();
}

void CGameDlg::ShowHighScoresDialog() {
    highScoresDlg.DoModal();
}
