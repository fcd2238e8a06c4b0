// SPDX-License-Identifier: MIT
// The board at any size: clicks land on the cells where they are drawn, dialogs open at the
// board's factor, the keys step the factor within the screen, and Escape leaves full screen before
// it ends anything. The size is kept for the next start, cut to the screen.

#include "dialogs/RememberedSettings.h"
#include "platform/dialog/DialogUnits.h"
#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QScreen>

namespace {

// Where the middle of a cell is drawn in a board `size` large: the design's shape at the largest
// factor that fits, centred.
QPointF DrawnCentre(QSize size, qreal scale, int cell) {
    const QSize design(638, 480);
    const QPoint origin((size.width() - qRound(design.width() * scale)) / 2,
                        (size.height() - qRound(design.height() * scale)) / 2);
    // The cells are 76 pixels apart from (8, 8) in the design.
    const QPointF designed(8 + 76 * (cell % 5) + 38, 8 + 76 * (cell / 5) + 38);
    return QPointF(origin) + designed * scale;
}

}  // namespace

using ScaledBoardTest = BoardFixture;

TEST_F(ScaledBoardTest, ClicksAtTheDrawnCentresClaimExactlyThoseCellsAndDialogsFollowTheFactor) {
    for (const qreal scale : {1.5, 2.0}) {
        SCOPED_TRACE(scale);
        script.Then(IDD_SETTINGS, AcceptSettings(Person, "Ann", "Bob"));
        script.Then(IDD_MENU, [&](CDialog& menu) {
            EXPECT_EQ(menu.size(), ScaledRect(QRect(QPoint(), menu.DesignSize()), scale).size());
            // Placed within the board's centred area, not the window's corner.
            EXPECT_GE(menu.WindowRect().left(), currentBoard->mapToGlobal(QPoint(50, 0)).x());
            PressKey(menu, Qt::Key_Escape);
        });
        RunBoard([&](CGameDlg& board) {
            // Wider than the design's shape: the board is centred between margins.
            const QSize size(qRound(638 * scale) + 101, qRound(480 * scale));
            board.resize(size);
            ProcessPostedMessages();
            EXPECT_DOUBLE_EQ(board.Scale(), scale);
            const std::vector<int> claimed{0, 7, 13, 24};
            for (const int cell : claimed) {
                ClickAt(&board, DrawnCentre(size, scale, cell).toPoint());
            }
            for (int cell = 0; cell < kCellCount; ++cell) {
                const bool wanted = std::find(claimed.begin(), claimed.end(), cell) != claimed.end();
                EXPECT_EQ(gameState.cellOwner[static_cast<std::size_t>(cell)] != 0, wanted) << cell;
            }
            // A screen reader is told the cell where it is drawn.
            const CSkinButton* corner = board.cellButtons[4][4];
            const QRect told = QAccessible::queryAccessibleInterface(const_cast<CSkinButton*>(corner))->rect();
            EXPECT_TRUE(told.contains(board.mapToGlobal(DrawnCentre(size, scale, 24).toPoint())));
            EXPECT_EQ(told.size(), QSize(qRound(76 * scale), qRound(76 * scale)));

            ClickControl(board, IDC_MENU_BUTTON);
            PressKey(board, Qt::Key_Escape);
        });
    }
}

TEST_F(ScaledBoardTest, KeysStepTheFactorWithinTheScreenAndEscapeLeavesFullScreenFirst) {
    script.Then(IDD_SETTINGS, CancelDialog());
    RunBoard([&](CGameDlg& board) {
        // The screen has no room for the first step up: the size stays.
        ASSERT_LT(board.screen()->availableGeometry().width(), qRound(638 * 1.25) + 4);
        PressKey(board, Qt::Key_Equal, Qt::ControlModifier);
        PressKey(board, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(board.size(), QSize(638, 480));
        // Down from a size between two steps: the step below it, then each smaller one, then no further.
        board.resize(1300, 975);
        for (const QSize expected :
             {QSize(1276, 960), QSize(957, 720), QSize(798, 600), QSize(638, 480), QSize(638, 480)}) {
            PressKey(board, Qt::Key_Minus, Qt::ControlModifier);
            EXPECT_EQ(board.size(), expected);
        }

        PressKey(board, Qt::Key_F11);
        EXPECT_TRUE(board.isFullScreen());
        PressKey(board, Qt::Key_Escape);
        EXPECT_FALSE(board.isFullScreen());
        EXPECT_TRUE(board.IsRunning());
        PressKey(board, Qt::Key_F11);
        PressKey(board, Qt::Key_F11);
        EXPECT_FALSE(board.isFullScreen());
        board.resize(700, 500);
        PressKey(board, Qt::Key_0, Qt::ControlModifier);
        EXPECT_EQ(board.size(), QSize(638, 480));
        board.resize(720, 540);
        PressKey(board, Qt::Key_F11);
        // The close box ends the game in full screen.
        board.close();
    });
    // Ended in full screen: the size out of it comes back, and full screen with it.
    const BoardSize kept = RestoreBoardSize(QSize(638, 480), QSize(1000, 1000));
    EXPECT_EQ(kept.size, QSize(720, 540));
    EXPECT_TRUE(kept.fullScreen);
}
