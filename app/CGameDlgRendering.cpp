// SPDX-License-Identifier: MIT
#include "app/CGameDlg.h"
#include "resources/ResourceIds.h"

#include <QPainter>

#include "controls/TextDrawing.h"
#include "platform/access/AccessibleText.h"

namespace {

constexpr unsigned kPlayerCell[2] = {IDB_PLAYER1_CELL, IDB_PLAYER2_CELL};
constexpr unsigned kMarkedPlayerCell[2] = {IDB_PLAYER1_CELL_MARKED, IDB_PLAYER2_CELL_MARKED};
constexpr unsigned kPlayerPlate[2] = {IDB_PLAYER1_PLATE, IDB_PLAYER2_PLATE};
const QColor kListColor[2] = {QColor(64, 64, 194), QColor(194, 64, 64)};
const QColor kListBackground(255, 255, 255);
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

// printf's "%*d": right-aligned in `width` characters.
QString Padded(std::int32_t number, int width) {
    return QStringLiteral("%1").arg(number, width);
}

}  // namespace

void CGameDlg::DrawCell(std::int32_t col, std::int32_t row) {
    if (!IsOnBoard(col, row)) {
        return;
    }
    CSkinButton* cell = cellButtons[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    // In the designed cell's pixels: the button draws its caption at the window's factor.
    const QSize designed = DesignRect(cell).size();
    const int w = designed.width();
    const int h = designed.height();
    const QRect freeCaption(w / 6, h / 6, w - 2 * (w / 6), h - 2 * (h / 6));
    // The claimed tiles carry a white disc in the right half, just below the top edge.
    const QRect claimedCaption(w - w / 2, 8, w / 2, h / 5);

    const std::string caption = std::to_string(gameState.cellNumber[CellIndex(col, row)]);
    const std::int32_t owner = gameState.cellOwner[CellIndex(col, row)];
    if (owner == 0) {
        cell->SetSkin(IDB_FREE_CELL, IDB_FREE_CELL_PRESSED, 0, 0, 0, 0, 0, 0, 0, caption, freeCaption, 30);
    } else {
        const std::size_t player = PlayerIndex(owner == 1 ? 1 : 2);
        const unsigned image = IsMarked(col, row) ? kMarkedPlayerCell[player] : kPlayerCell[player];
        cell->SetSkin(image, image, 0, 0, 0, 0, 0, 0, 0, caption, claimedCaption, 15);
    }
    SetAccessibleName(cell, CellAccessibleName(col, row));
    SetAccessibleDescription(cell, tr("row %1, column %2").arg(QString::number(row + 1), QString::number(col + 1)));
    // On screen before the caller goes on: it may next block on a sound or open a dialog.
    cell->repaint();
}

QString CGameDlg::CellAccessibleName(std::int32_t col, std::int32_t row) const {
    const std::int32_t owner = gameState.cellOwner[CellIndex(col, row)];
    const QString number = QString::number(gameState.cellNumber[CellIndex(col, row)]);
    // Only a claimed tile shows the marks (before the first deal the cleared state points at a free cell).
    if (owner == 0) {
        //: A free tile of the board; %1 is its number.
        return tr("%1, free").arg(number);
    }
    const QString ownerName = QString::fromStdString(settingsDlg.playerName[PlayerIndex(owner == 1 ? 1 : 2)]);
    const bool lastMove = IsLastMove(col, row);
    const bool inTheLine = IsInTheLine(col, row);
    // Whole phrases, so that a language may word each one its own way.
    if (lastMove && inTheLine) {
        //: A claimed tile; %1 is its number, %2 the name of the player who claimed it.
        return tr("%1, %2, last move, in the line").arg(number, ownerName);
    }
    if (lastMove) {
        //: A claimed tile; %1 is its number, %2 the name of the player who claimed it.
        return tr("%1, %2, last move").arg(number, ownerName);
    }
    if (inTheLine) {
        //: A claimed tile; %1 is its number, %2 the name of the player who claimed it.
        return tr("%1, %2, in the line").arg(number, ownerName);
    }
    //: A claimed tile; %1 is its number, %2 the name of the player who claimed it.
    return tr("%1, %2").arg(number, ownerName);
}

void CGameDlg::RefreshScorePanels() {
    for (const int panelId : kListPanel) {
        if (const QWidget* panel = GetDlgItem(panelId)) {
            update(panel->geometry());
        }
    }
    NameLists();
    ShowPanels();
}

QRect CGameDlg::ListPanelRect(int panelId) const {
    const QWidget* panel = GetDlgItem(panelId);
    if (panel == nullptr) {
        return {};
    }
    // The panel less 2 pixels on every side and 2 more on the right, in the designed pixels.
    return DesignRect(panel).adjusted(2, 2, -4, -2);
}

void CGameDlg::paintEvent(QPaintEvent* event) {
    CSkinDialog::paintEvent(event);
    QPainter painter(this);
    // The lists are drawn as designed, at the window's factor: rows, font and all.
    painter.translate(LayoutArea().topLeft());
    painter.scale(Scale(), Scale());
    PaintLists(painter);
}

void CGameDlg::NameLists() {
    std::array<QStringList, 2> lines;
    for (std::int32_t index = 0; index < gameState.lineCount && index < kMaxScoredLines; ++index) {
        const ScoredLine& line = gameState.lines[static_cast<std::size_t>(index)];
        const std::array<std::int32_t, 4> numbers = LineNumbers(line);
        lines[line.player == 1 ? 0 : 1].append(
            QStringLiteral("%1 + %2 + %3 = %4").arg(numbers[0]).arg(numbers[1]).arg(numbers[2]).arg(numbers[3]));
    }
    for (std::size_t player = 0; player < 2; ++player) {
        const QString name = QString::fromStdString(settingsDlg.playerName[player]);
        scoreList[player]->Show(
            lines[player].isEmpty() ? tr("Lines scored by %1: none").arg(name) : tr("Lines scored by %1").arg(name),
            lines[player]);
    }
}

void CGameDlg::PaintLists(QPainter& painter) const {
    std::array<int, 2> rowsUsed{0, 0};
    const int rowHeight = cellHeight / 5;
    for (std::int32_t index = 0; index < gameState.lineCount && index < kMaxScoredLines; ++index) {
        const ScoredLine& line = gameState.lines[static_cast<std::size_t>(index)];
        const std::array<std::int32_t, 4> numbers = LineNumbers(line);
        const QString text =
            QStringLiteral("%1 + %2 + %3 = %4")
                .arg(Padded(numbers[0], 3), Padded(numbers[1], 3), Padded(numbers[2], 3), Padded(numbers[3], 3));
        const std::size_t player = line.player == 1 ? 0 : 1;
        const QRect panel = ListPanelRect(kListPanel[player]);
        const int k = rowsUsed[player];
        const QRect rowRect(panel.left(), panel.top() + k * rowHeight, panel.width(), rowHeight);
        // A line that no longer fits is counted all the same, so the player's later lines stay hidden too.
        if (rowRect.top() + rowRect.height() < panel.top() + panel.height()) {
            DrawTextInRect(painter, text, rowRect, TextFlag::Right, listFont, kListColor[player], kListBackground);
        }
        ++rowsUsed[player];
    }

    // Blank rows reach down to multiples of a quarter cell, a little taller than the list rows.
    const QString blank(35, QLatin1Char(' '));
    for (std::size_t player = 0; player < 2; ++player) {
        const QRect panel = ListPanelRect(kListPanel[player]);
        const int panelBottom = panel.top() + panel.height();
        for (int j = rowsUsed[player];; ++j) {
            const int top = panel.top() + j * (cellHeight / 5);
            const int bottom = panel.top() + (j + 1) * (cellHeight / 4);
            if (bottom > panelBottom) {
                break;
            }
            if (bottom < panelBottom) {
                DrawTextInRect(painter, blank, QRect(panel.left(), top, panel.width(), bottom - top), TextFlag::Right,
                               listFont, kListColor[1], kListBackground);
            }
        }
    }
}

void CGameDlg::ShowPanels() {
    const QRect plateCaption(0, 0, 106, 36);
    for (std::size_t player = 0; player < 2; ++player) {
        const unsigned plate = kPlayerPlate[player];
        const QString name = QString::fromStdString(settingsDlg.playerName[player]);
        scoreButton[player]->SetSkin(plate, plate, plate, 0, 0, 0, 0, 0, 0,
                                     Padded(gameState.score[player], 8).toStdString(), plateCaption, 0);
        SetAccessibleName(scoreButton[player], tr("%1: %2 points").arg(name, QString::number(gameState.score[player])));
        scoreButton[player]->update();
        nameButton[player]->SetSkin(plate, plate, plate, 0, 0, 0, 0, 0, 0,
                                    QStringLiteral("%1").arg(name, 14).toStdString(), plateCaption, 0);
        SetAccessibleName(nameButton[player], name);
        nameButton[player]->update();
    }
}
