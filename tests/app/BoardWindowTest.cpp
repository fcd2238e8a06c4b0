// SPDX-License-Identifier: MIT
// The board window as a player meets it: the first settings over the painted board, a board that
// ignores input before the first deal and out of turn, the cursor telling whose turn it is, the
// window menu's about command and F1's help page.
#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include "dialogs/CAboutDlg.h"
#include "dialogs/HelpPage.h"
#include "platform/draw/Resources.h"
#include "tests/support/FakeShellServices.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// The first paint of the board and the showing of other windows, in the order they happen.
class WindowOrder final : public QObject {
public:
    explicit WindowOrder(std::function<QWidget*()> board) : board_(std::move(board)) { qApp->installEventFilter(this); }
    ~WindowOrder() override { qApp->removeEventFilter(this); }
    std::vector<std::string> events;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QWidget* board = board_();
        if (board != nullptr && watched == board && event->type() == QEvent::Paint && !boardPainted_) {
            boardPainted_ = true;
            events.emplace_back("board painted");
        } else if (event->type() == QEvent::Show && watched != board && watched->isWidgetType() &&
                   static_cast<QWidget*>(watched)->isWindow()) {
            events.emplace_back("dialog shown");
        }
        return false;
    }

private:
    std::function<QWidget*()> board_;
    bool boardPainted_ = false;
};

// The cursor a player sees over the middle cell: the board's, which its cells take over.
QCursor CursorOverACell(const CGameDlg& board) {
    return board.cellButtons[2][2]->cursor();
}

int FirstFreeCell() {
    int cell = 0;
    while (gameState.cellOwner[static_cast<std::size_t>(cell)] != 0) {
        ++cell;
    }
    return cell;
}

}  // namespace

using BoardWindowTest = BoardFixture;

// The board's first picture comes before the settings dialog is even shown, and brings its icon.
TEST_F(BoardWindowTest, SettingsOpenOnlyOnceTheBoardIsPaintedAndDealTheFirstGame) {
    WindowOrder order([this] { return currentBoard; });
    bool boardVisible = false;
    script.Then(IDD_SETTINGS, [&](CDialog& settings) {
        boardVisible = currentBoard->isVisible();
        EXPECT_FALSE(currentBoard->windowIcon().isNull());
        EXPECT_EQ(gameState.gameOver, 1);
        AcceptSettings(Person)(settings);
    });
    RunBoard([&](CGameDlg& board) {
        EXPECT_TRUE(IsValidPlayer(gameState.currentPlayer));
        EXPECT_EQ(gameState.gameOver, 0);
        EXPECT_EQ(gameState.lastMoveCol, -1);
        EXPECT_EQ(board.windowTitle().toStdString(), "Quinsum 2.0");
        PressKey(board, Qt::Key_Escape);
    });
    EXPECT_TRUE(boardVisible);
    ASSERT_GE(order.events.size(), 2u);
    EXPECT_EQ(order.events[0], "board painted");
    EXPECT_EQ(order.events[1], "dialog shown");
}

// With the first settings cancelled no game exists: clicks and ticks do nothing at all.
TEST_F(BoardWindowTest, BeforeAnyGameClicksAndTicksDoNothing) {
    script.Then(IDD_SETTINGS, CancelDialog());
    RunBoard([&](CGameDlg& board) {
        EXPECT_EQ(gameState.gameOver, 0);
        sounds.log.clear();
        const GameState before = gameState;
        ClickControl(board, IDC_FIRST_CELL + 12);
        Tick();
        EXPECT_EQ(gameState, before);
        EXPECT_TRUE(sounds.log.empty());
        EXPECT_EQ(CursorOverACell(board).shape(), Qt::ArrowCursor);
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(BoardWindowTest, ClicksOutOfTurnAreIgnoredAndTheCursorShowsTheTurn) {
    script.Then(IDD_SETTINGS, AcceptSettings(Expert));
    RunBoard([&](CGameDlg& board) {
        if (gameState.currentPlayer == 2) {
            EXPECT_EQ(CursorOverACell(board).shape(), Qt::WaitCursor);
            const GameState before = gameState;
            ClickControl(board, IDC_FIRST_CELL + FirstFreeCell());
            EXPECT_EQ(gameState, before);
            Tick();
        }
        ASSERT_EQ(gameState.currentPlayer, 1);
        EXPECT_EQ(CursorOverACell(board), CursorResource(IDCUR_PLAYER1));

        sounds.log.clear();
        const int cell = FirstFreeCell();
        ClickControl(board, IDC_FIRST_CELL + cell);
        // A claim without a line: the click, then half a second.
        EXPECT_EQ(sounds.log, (std::vector<std::string>{kClick, kPause}));
        EXPECT_EQ(gameState.lastMoveCol, cell % 5);
        EXPECT_EQ(gameState.currentPlayer, 2);
        EXPECT_EQ(CursorOverACell(board).shape(), Qt::WaitCursor);
        PressKey(board, Qt::Key_Escape);
    });
}

// The window menu offers the about box after a separator; the command opens it whatever its low
// four bits, and nothing else does.
TEST_F(BoardWindowTest, TheWindowMenusAboutCommandOpensTheAboutBox) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person));
    script.Then(IDD_ABOUT, [](CDialog& about) {
        // Its link opens the same page as F1.
        EXPECT_EQ(std::filesystem::path(dynamic_cast<CAboutDlg&>(about).link->GetTarget()), HelpPagePath());
        PressKey(about, Qt::Key_Escape);
    });
    script.Then(IDD_ABOUT, CancelDialog());
    script.Then(IDD_ABOUT, CancelDialog());
    RunBoard([&](CGameDlg& board) {
        QStringList entries;
        QTimer::singleShot(0, &board, [&entries] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr) << "no window menu";
            for (const QAction* action : menu->actions()) {
                entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
            }
            QTest::keyClick(menu, Qt::Key_A);
            if (menu->isVisible()) {
                ADD_FAILURE() << "the about entry took no key";
                menu->close();
            }
        });
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(20, 20), board.mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(&board, &request);
        EXPECT_EQ(entries,
                  (QStringList{QStringLiteral("Mi&nimize"), QStringLiteral("-"), QStringLiteral("&About Quinsum...")}));

        board.OnSysCommand(0x0010);
        board.OnSysCommand(0x001F);
        board.OnSysCommand(0x0020);
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(BoardWindowTest, F1OpensTheHowToPlayPageBesideTheProgram) {
    FakeShellServices shell;
    ScopedShellServices useShell(shell);
    script.Then(IDD_SETTINGS, AcceptSettings(Person));
    RunBoard([&](CGameDlg& board) {
        PressKey(board, Qt::Key_F1);
        PressKey(board, Qt::Key_Escape);
    });
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(std::filesystem::path(shell.opened[0]), HelpPagePath());
    EXPECT_EQ(HelpPagePath().filename(), "quinsum-help.html");
    EXPECT_EQ(shell.beeps, 0);
}
