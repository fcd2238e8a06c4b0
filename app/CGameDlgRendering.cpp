// SPDX-License-Identifier: MIT
#include "app/CGameDlg.h"
#include "resources/ResourceIds.h"

#include "platform/FormatString.h"
#include "platform/draw/SystemMetrics.h"
#include "platform/window/CPaintDC.h"

namespace {

constexpr UINT kPlayerCell[2] = {IDB_PLAYER1_CELL, IDB_PLAYER2_CELL};
constexpr UINT kMarkedPlayerCell[2] = {IDB_PLAYER1_CELL_MARKED, IDB_PLAYER2_CELL_MARKED};
constexpr UINT kPlayerPlate[2] = {IDB_PLAYER1_PLATE, IDB_PLAYER2_PLATE};
constexpr COLORREF kListColor[2] = {RGB(64, 64, 194), RGB(194, 64, 64)};
constexpr COLORREF kListBackground = RGB(255, 255, 255);
constexpr int kListPanel[2] = {IDC_PLAYER1_LIST, IDC_PLAYER2_LIST};

bool IsInTheLine(std::int32_t col, std::int32_t row) {
    for (std::size_t i = 0; gameState.highlightCol[0] != -1 && i < 3; ++i) {
        if (col == gameState.highlightCol[i] && row == gameState.highlightRow[i]) {
            return true;
        }
    }
    return false;
}

bool IsLastMove(std::int32_t col, std::int32_t row) {
    return col == gameState.lastMoveCol && row == gameState.lastMoveRow;
}

// A claimed tile is drawn marked when it is in the line or the last move.
bool IsMarked(std::int32_t col, std::int32_t row) {
    return IsInTheLine(col, row) || IsLastMove(col, row);
}

// The line's three numbers and its sum, as the lists show them.
std::array<std::int32_t, 4> LineNumbers(const ScoredLine& line) {
    return {gameState.cellNumber[CellIndex(line.col[0], line.row[0])],
            gameState.cellNumber[CellIndex(line.col[1], line.row[1])],
            gameState.cellNumber[CellIndex(line.col[2], line.row[2])], line.sum};
}

}  // namespace

void CGameDlg::DrawCell(std::int32_t col, std::int32_t row) {
    if (!IsOnBoard(col, row)) {
        return;
    }
    CSkinButton& cell = cellButtons[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    CRect rc;
    cell.GetClientRect(&rc);
    const int w = rc.Width();
    const int h = rc.Height();

    CRect freeCaption = rc;
    freeCaption.DeflateRect(w / 6, h / 6);
    // The claimed tiles carry a white disc in the right half, just below the top edge.
    CRect claimedCaption = rc;
    claimedCaption.OffsetRect(0, 8);
    claimedCaption.bottom = claimedCaption.top + h / 5;
    claimedCaption.left = claimedCaption.right - w / 2;

    const std::string caption = FormatString("%d", gameState.cellNumber[CellIndex(col, row)]);
    const std::int32_t owner = gameState.cellOwner[CellIndex(col, row)];
    if (owner == 0) {
        cell.SetSkin(IDB_FREE_CELL, IDB_FREE_CELL_PRESSED, 0, 0, 0, 0, 0, 0, 0, caption, freeCaption, 30);
    } else {
        const std::size_t player = PlayerIndex(owner == 1 ? 1 : 2);
        const UINT image = IsMarked(col, row) ? kMarkedPlayerCell[player] : kPlayerCell[player];
        cell.SetSkin(image, image, 0, 0, 0, 0, 0, 0, 0, caption, claimedCaption, 15);
    }
    cell.SetAccessibleName(CellAccessibleName(col, row));
    cell.SetAccessibleDescription(FormatString("row %d, column %d", row + 1, col + 1));
    // On screen before the caller goes on: it may next block on a sound or open a dialog.
    cell.Invalidate(FALSE);
    cell.UpdateWindow();
}

std::string CGameDlg::CellAccessibleName(std::int32_t col, std::int32_t row) const {
    const std::int32_t owner = gameState.cellOwner[CellIndex(col, row)];
    std::string name = FormatString("%d, ", gameState.cellNumber[CellIndex(col, row)]);
    // Only a claimed tile shows the marks (before the first deal the cleared state points at a free cell).
    if (owner == 0) {
        return name + "free";
    }
    name += settingsDlg.playerName[PlayerIndex(owner == 1 ? 1 : 2)];
    if (IsLastMove(col, row)) {
        name += ", last move";
    }
    if (IsInTheLine(col, row)) {
        name += ", in the line";
    }
    return name;
}

void CGameDlg::RefreshScorePanels() {
    for (const int panelId : kListPanel) {
        CWnd* panel = GetDlgItem(panelId);
        if (panel == nullptr) {
            continue;
        }
        CRect area;
        panel->GetClientRect(&area);
        panel->ClientToScreen(&area);
        ScreenToClient(&area);
        InvalidateRect(&area, FALSE);
    }
}

CRect CGameDlg::ListPanelRect(int panelId) const {
    CRect panel;
    if (CWnd* control = GetDlgItem(panelId)) {
        control->GetWindowRect(&panel);
        ScreenToClient(&panel);
    }
    panel.DeflateRect(2, 2);
    panel.right -= 2;
    return panel;
}

void CGameDlg::OnPaint() {
    CPaintDC dc(this);
    if (IsIconic()) {
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        CRect client;
        GetClientRect(&client);
        const int x = (client.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
        dc.DrawIcon(x, y, appIcon);
        return;
    }
    CFont* previousFont = dc.SelectObject(&listFont);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(kListBackground);
    PaintLists(dc);
    PaintPanels();
    dc.SelectObject(previousFont);
    Default();
}

void CGameDlg::NameLists() {
    std::array<std::string, 2> names;
    for (std::size_t player = 0; player < 2; ++player) {
        names[player] = "Lines scored by ";
        names[player].append(settingsDlg.playerName[player]).append(":");
    }
    std::array<bool, 2> anyLine{false, false};
    for (std::int32_t index = 0; index < gameState.lineCount && index < kMaxScoredLines; ++index) {
        const ScoredLine& line = gameState.lines[static_cast<std::size_t>(index)];
        const std::size_t player = line.player == 1 ? 0 : 1;
        names[player].append(anyLine[player] ? "; " : " ");
        const std::array<std::int32_t, 4> numbers = LineNumbers(line);
        names[player].append(FormatString("%d + %d + %d = %d", numbers[0], numbers[1], numbers[2], numbers[3]));
        anyLine[player] = true;
    }
    for (std::size_t player = 0; player < 2; ++player) {
        if (CWnd* panel = GetDlgItem(kListPanel[player])) {
            panel->SetAccessibleName(anyLine[player] ? names[player] : names[player] + " none");
        }
    }
}

void CGameDlg::PaintLists(CDC& dc) {
    NameLists();
    std::array<int, 2> rowsUsed{0, 0};
    const int rowHeight = cellHeight / 5;
    for (std::int32_t index = 0; index < gameState.lineCount && index < kMaxScoredLines; ++index) {
        const ScoredLine& line = gameState.lines[static_cast<std::size_t>(index)];
        const std::array<std::int32_t, 4> numbers = LineNumbers(line);
        const std::string text = FormatString("%3d + %3d + %3d = %3d", numbers[0], numbers[1], numbers[2], numbers[3]);
        const std::size_t player = line.player == 1 ? 0 : 1;
        dc.SetTextColor(kListColor[player]);
        const CRect panel = ListPanelRect(kListPanel[player]);
        const int k = rowsUsed[player];
        const CRect rowRect(panel.left, panel.top + k * rowHeight, panel.right, panel.top + (k + 1) * rowHeight);
        // A line that no longer fits is counted all the same, so the player's later lines stay hidden too.
        if (rowRect.bottom < panel.bottom) {
            dc.DrawText(text, rowRect, DT_RIGHT);
        }
        ++rowsUsed[player];
    }

    // Blank rows reach down to multiples of a quarter cell, a little taller than the list rows.
    const std::string blank = FormatString("%35s", "");
    for (std::size_t player = 0; player < 2; ++player) {
        const CRect panel = ListPanelRect(kListPanel[player]);
        for (int j = rowsUsed[player];; ++j) {
            const CRect rowRect(panel.left, panel.top + j * (cellHeight / 5), panel.right,
                                panel.top + (j + 1) * (cellHeight / 4));
            if (rowRect.bottom > panel.bottom) {
                break;
            }
            if (rowRect.bottom < panel.bottom) {
                dc.DrawText(blank, rowRect, DT_RIGHT);
            }
        }
    }
}

void CGameDlg::PaintPanels() {
    const CRect plateCaption(0, 0, 106, 36);
    for (std::size_t player = 0; player < 2; ++player) {
        const UINT plate = kPlayerPlate[player];
        scoreButton[player].SetSkin(plate, plate, plate, 0, 0, 0, 0, 0, 0, FormatString("%8d", gameState.score[player]),
                                    plateCaption, 0);
        scoreButton[player].SetAccessibleName(
            FormatString("%s: %d points", settingsDlg.playerName[player].c_str(), gameState.score[player]));
        scoreButton[player].Invalidate(TRUE);
    }
    for (std::size_t player = 0; player < 2; ++player) {
        const UINT plate = kPlayerPlate[player];
        nameButton[player].SetSkin(plate, plate, plate, 0, 0, 0, 0, 0, 0,
                                   FormatString("%14s", settingsDlg.playerName[player].c_str()), plateCaption, 0);
        nameButton[player].SetAccessibleName(settingsDlg.playerName[player]);
    }
}
