// SPDX-License-Identifier: MIT
// What the board shows: free, claimed and marked tiles, each player's lines in their colour and
// panel, the widest rows whole, and plates that show the players' names as soon as they are chosen.
#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include "core/NumberRange.h"
#include "platform/draw/Resources.h"

#include <QImage>
#include <QPixmap>
#include <QScreen>

namespace {

QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The area of `widget`'s window that `widget` covers.
QRect AreaInWindow(QWidget& widget) {
    return {widget.mapTo(widget.window(), QPoint(0, 0)), widget.size()};
}

// What the screen shows of `widget`: the pixels its window last put there.
QImage OnScreen(QWidget& widget) {
    QWidget* window = widget.window();
    const QImage shot = window->screen()->grabWindow(window->winId()).toImage();
    return shot.copy(AreaInWindow(widget)).convertToFormat(QImage::Format_RGB32);
}

// What the window would paint over `widget`'s area now, from the state of the program.
QImage PaintedNow(QWidget& widget) {
    return widget.window()->grab(AreaInWindow(widget)).toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb ResourcePixel(unsigned bitmapId, int x, int y) {
    return BitmapResource(bitmapId).pixel(x, y);
}

// A point of the tile clear of the caption: the lower left corner area.
constexpr int kTileX = 4;
constexpr int kTileY = 66;

QRgb CellPixel(const CGameDlg& board, int cell) {
    return Grab(*board.GetDlgItem(IDC_FIRST_CELL + cell)).pixel(kTileX, kTileY);
}

// The area from (left, top) up to, not including, (right, bottom).
QRect Area(int left, int top, int right, int bottom) {
    return {left, top, right - left, bottom - top};
}

// Text is smoothed into the white background, so a pixel counts when it leans clearly towards the
// colour's dominant channel.
int CountColour(const QImage& image, const QRect& area, QRgb colour) {
    const bool blueText = qBlue(colour) > qRed(colour);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int lean = blueText ? qBlue(pixel) - qRed(pixel) : qRed(pixel) - qBlue(pixel);
            count += lean > 60 ? 1 : 0;
        }
    }
    return count;
}

QRect PanelArea(const CGameDlg& board, int panelId) {
    return board.GetDlgItem(panelId)->geometry();
}

// Each plate shows on screen what the board paints there now, and the name plates read `names`.
void ExpectPlatesOnScreen(CGameDlg& board, const std::array<std::string, 2>& names) {
    ProcessPostedMessages();
    for (std::size_t player = 0; player < 2; ++player) {
        EXPECT_EQ(QString::fromStdString(board.nameButton[player]->GetCaption()).trimmed().toStdString(),
                  names[player]);
        EXPECT_TRUE(OnScreen(*board.nameButton[player]) == PaintedNow(*board.nameButton[player]))
            << "the screen does not show " << names[player] << "'s name";
        EXPECT_TRUE(OnScreen(*board.scoreButton[player]) == PaintedNow(*board.scoreButton[player]))
            << "the screen does not show " << names[player] << "'s score";
    }
}

}  // namespace

using RenderingTest = BoardFixture;

TEST_F(RenderingTest, CellsShowFreeClaimedAndMarkedTiles) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person));
    RunBoard([&](CGameDlg& board) {
        EXPECT_EQ(CellPixel(board, 0), ResourcePixel(152, kTileX, kTileY));
        SetPosition(gameState.cellOwner, 1);
        ClickControl(board, IDC_FIRST_CELL);
        ClickControl(board, IDC_FIRST_CELL + 24);
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
        const QRect panel1 = PanelArea(board, IDC_PLAYER1_LIST);
        const QRect panel2 = PanelArea(board, IDC_PLAYER2_LIST);
        // The first row lies in the top fifth of a cell height of the panel.
        const int rowHeight = board.cellHeight / 5;
        const auto firstRow = [rowHeight](const QRect& panel) {
            return QRect(panel.left(), panel.top(), panel.width(), 2 + rowHeight);
        };

        QImage empty = Grab(board);
        EXPECT_EQ(CountColour(empty, panel1, blue), 0);
        EXPECT_EQ(CountColour(empty, panel2, red), 0);

        gameState.lines[0] = ScoredLine{1, {0, 1, 2}, {0, 0, 0}, 12};
        gameState.lineCount = 1;
        QImage oneLine = Grab(board);
        EXPECT_GT(CountColour(oneLine, firstRow(panel1), blue), 0);
        EXPECT_EQ(
            CountColour(oneLine,
                        Area(panel1.left(), firstRow(panel1).bottom() + 1, panel1.right() + 1, panel1.bottom() + 1),
                        blue),
            0);
        EXPECT_EQ(CountColour(oneLine, panel2, red), 0);

        // Player 2's first line starts at the top of its own panel, whatever came before it.
        gameState.lines[1] = ScoredLine{2, {4, 4, 4}, {0, 1, 2}, -3};
        gameState.lineCount = 2;
        EXPECT_GT(CountColour(Grab(board), firstRow(panel2), red), 0);

        // A list longer than its panel is cut at the last whole row.
        for (std::size_t i = 0; i < 40; ++i) {
            gameState.lines[i] = ScoredLine{1, {0, 1, 2}, {0, 0, 0}, 12};
        }
        gameState.lineCount = 40;
        QImage full = Grab(board);
        const int listTop = panel1.top() + 2;
        const int listBottom = panel1.bottom() + 1 - 2;
        const int drawnBottom = listTop + (listBottom - listTop - 1) / rowHeight * rowHeight;
        EXPECT_GT(
            CountColour(full, Area(panel1.left(), drawnBottom - rowHeight, panel1.right() + 1, drawnBottom), blue), 0);
        EXPECT_EQ(CountColour(full, Area(panel1.left(), drawnBottom, panel1.right() + 1, panel1.bottom() + 1), blue),
                  0);
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(RenderingTest, WidestRowOfEveryRangeIsDrawnWhole) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person));
    RunBoard([&](CGameDlg& board) {
        const QRgb blue = qRgb(64, 64, 194);
        const QRect panel = PanelArea(board, IDC_PLAYER1_LIST);
        const QRect row(panel.left(), panel.top(), panel.width(), 2 + board.cellHeight / 5);
        // Three-character numbers at both ends of each range: "-25 + -25 + -25 = -75" is the widest.
        for (const NumberRange range : {Range0To10, Range0To25, RangeMinus10To10, RangeMinus25To25}) {
            for (const std::int32_t number : {RangeBounds(range).first, RangeBounds(range).second}) {
                for (std::size_t cell = 0; cell < 3; ++cell) {
                    gameState.cellNumber[cell] = number;
                }
                gameState.lines[0] = ScoredLine{1, {0, 1, 2}, {0, 0, 0}, 3 * number};
                gameState.lineCount = 1;
                const QImage image = Grab(board);
                // A row wider than the list is cut at the list's left edge.
                EXPECT_EQ(CountColour(image, QRect(row.left(), row.top(), 4, row.height()), blue), 0)
                    << "range " << range << ", number " << number;
                EXPECT_GT(CountColour(image, row, blue), 0);
            }
        }
        PressKey(board, Qt::Key_Escape);
    });
}

// The plates show the names chosen in the settings from the first board on, and the names of
// every later game, as soon as the game is dealt.
TEST_F(RenderingTest, ThePlatesShowTheChosenNamesFromTheFirstBoardOn) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person, "Ann", "Bob"));
    script.Then(IDD_MENU, ClickButton(IDC_MENU_NEW_GAME));
    script.Then(IDD_SETTINGS, AcceptSettings(Person, "Cy", "Di"));
    RunBoard([&](CGameDlg& board) {
        ExpectPlatesOnScreen(board, {"Ann", "Bob"});
        ClickControl(board, IDC_MENU_BUTTON);
        ExpectPlatesOnScreen(board, {"Cy", "Di"});
        PressKey(board, Qt::Key_Escape);
    });
}
