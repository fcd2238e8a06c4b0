// SPDX-License-Identifier: MIT
#include "tests/app/BoardFixture.h"

#include "core/NumberRange.h"
#include "platform/draw/CBitmap.h"
#include "platform/draw/HandleObjects.h"
#include "platform/draw/Resources.h"
#include "resources/GameDialogTemplates.h"
#include "tests/support/Input.h"

#include <QImage>
#include <QWidget>

namespace {

QImage Grab(const CWnd& window) {
    return window.GetSafeHwnd()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb ResourcePixel(UINT bitmapId, int x, int y) {
    const HBITMAP bitmap = LoadBitmapResource(bitmapId);
    if (bitmap == nullptr) {
        return 0;
    }
    const QRgb pixel = bitmap->pixels->pixel(x, y);
    DeleteObject(bitmap);
    return pixel;
}

// A point of the tile clear of the caption: the lower left corner area.
constexpr int kTileX = 4;
constexpr int kTileY = 66;

QRgb CellPixel(const CGameDlg& board, int cell) {
    return Grab(*board.GetDlgItem(static_cast<int>(IDC_FIRST_CELL) + cell)).pixel(kTileX, kTileY);
}

// Text is smoothed into the white background, so a pixel counts when it leans clearly towards the
// colour's dominant channel.
int CountColour(const QImage& image, const CRect& area, QRgb colour) {
    const bool blueText = qBlue(colour) > qRed(colour);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int lean = blueText ? qBlue(pixel) - qRed(pixel) : qRed(pixel) - qBlue(pixel);
            count += lean > 60 ? 1 : 0;
        }
    }
    return count;
}

CRect PanelArea(const CGameDlg& board, int panelId) {
    CRect area;
    board.GetDlgItem(panelId)->GetWindowRect(&area);
    board.ScreenToClient(&area);
    return area;
}

}  // namespace

using RenderingTest = BoardFixture;

TEST_F(RenderingTest, CellsShowFreeClaimedAndMarkedTiles) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person));
    RunBoard([&](CGameDlg& board) {
        EXPECT_EQ(CellPixel(board, 0), ResourcePixel(152, kTileX, kTileY));
        SetPosition(gameState.cellOwner, 1);
        ClickControl(board, static_cast<int>(IDC_FIRST_CELL));
        ClickControl(board, static_cast<int>(IDC_FIRST_CELL) + 24);
        // Cell 0 lost its last-move mark to cell 24.
        EXPECT_EQ(CellPixel(board, 0), ResourcePixel(178, kTileX, kTileY));
        EXPECT_EQ(CellPixel(board, 24), ResourcePixel(289, kTileX, kTileY));

        // A highlighted line shows in the marked tiles; -1 elsewhere changes nothing.
        gameState.highlightCol = {0, 1, 2};
        gameState.highlightRow = {0, 0, 0};
        board.DrawCell(0, 0);
        EXPECT_EQ(CellPixel(board, 0), ResourcePixel(300, kTileX, kTileY));
        gameState.highlightCol[0] = -1;
        board.DrawCell(-1, 0);
        board.DrawCell(0, 5);
        EXPECT_EQ(CellPixel(board, 0), ResourcePixel(300, kTileX, kTileY));
        board.DrawCell(0, 0);
        EXPECT_EQ(CellPixel(board, 0), ResourcePixel(178, kTileX, kTileY));
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(RenderingTest, ListsShowEachPlayersLinesInTheirColourAndPanel) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person));
    RunBoard([&](CGameDlg& board) {
        const QRgb blue = qRgb(64, 64, 194);
        const QRgb red = qRgb(194, 64, 64);
        const CRect panel1 = PanelArea(board, IDC_PLAYER1_LIST);
        const CRect panel2 = PanelArea(board, IDC_PLAYER2_LIST);

        QImage empty = Grab(board);
        EXPECT_EQ(CountColour(empty, panel1, blue), 0);
        EXPECT_EQ(CountColour(empty, panel2, red), 0);

        gameState.lines[0] = ScoredLine{1, {0, 1, 2}, {0, 0, 0}, 12};
        gameState.lineCount = 1;
        QImage oneLine = Grab(board);
        EXPECT_GT(CountColour(oneLine, panel1, blue), 0);
        EXPECT_EQ(CountColour(oneLine, panel2, red), 0);
        // The first row lies in the top fifth of a cell height of the panel.
        const int rowHeight = board.cellHeight / 5;
        EXPECT_GT(CountColour(oneLine, CRect(panel1.left, panel1.top, panel1.right, panel1.top + 2 + rowHeight), blue),
                  0);
        EXPECT_EQ(
            CountColour(oneLine, CRect(panel1.left, panel1.top + 2 + rowHeight, panel1.right, panel1.bottom), blue), 0);

        // Player 2's first line starts at the top of its own panel, whatever came before it.
        gameState.lines[1] = ScoredLine{2, {4, 4, 4}, {0, 1, 2}, -3};
        gameState.lineCount = 2;
        QImage twoLines = Grab(board);
        EXPECT_GT(CountColour(twoLines, CRect(panel2.left, panel2.top, panel2.right, panel2.top + 2 + rowHeight), red),
                  0);

        // A list longer than its panel is cut at the last whole row.
        for (std::size_t i = 0; i < 40; ++i) {
            gameState.lines[i] = ScoredLine{1, {0, 1, 2}, {0, 0, 0}, 12};
        }
        gameState.lineCount = 40;
        QImage full = Grab(board);
        const int listTop = panel1.top + 2;
        const int listBottom = panel1.bottom - 2;
        const int drawnBottom = listTop + (listBottom - listTop - 1) / rowHeight * rowHeight;
        EXPECT_GT(CountColour(full, CRect(panel1.left, drawnBottom - rowHeight, panel1.right, drawnBottom), blue), 0);
        EXPECT_EQ(CountColour(full, CRect(panel1.left, drawnBottom, panel1.right, panel1.bottom), blue), 0);
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(RenderingTest, WidestRowOfEveryRangeIsDrawnWhole) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person));
    RunBoard([&](CGameDlg& board) {
        const QRgb blue = qRgb(64, 64, 194);
        const CRect panel = PanelArea(board, IDC_PLAYER1_LIST);
        const int rowHeight = board.cellHeight / 5;
        // Three-character numbers at both ends of each range: "-25 + -25 + -25 = -75" is the widest.
        for (const NumberRange range : {Range0To10, Range0To25, RangeMinus10To10, RangeMinus25To25}) {
            for (const std::int32_t number : {RangeBounds(range).first, RangeBounds(range).second}) {
                for (std::size_t cell = 0; cell < 3; ++cell) {
                    gameState.cellNumber[cell] = number;
                }
                gameState.lines[0] = ScoredLine{1, {0, 1, 2}, {0, 0, 0}, 3 * number};
                gameState.lineCount = 1;
                const QImage image = Grab(board);
                const CRect row(panel.left, panel.top, panel.right, panel.top + 2 + rowHeight);
                // A row wider than the list is cut at the list's left edge.
                EXPECT_EQ(CountColour(image, CRect(row.left, row.top, row.left + 4, row.bottom), blue), 0)
                    << "range " << range << ", number " << number;
                EXPECT_GT(CountColour(image, row, blue), 0);
            }
        }
        PressKey(board, Qt::Key_Escape);
    });
}
