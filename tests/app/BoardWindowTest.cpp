// SPDX-License-Identifier: MIT
#include "tests/app/BoardFixture.h"

#include "app/CGameApp.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/HelpPage.h"
#include "platform/draw/Resources.h"
#include "platform/shell/ShellServices.h"
#include "platform/window/CMenu.h"
#include "platform/window/CursorShape.h"
#include "resources/GameDialogTemplates.h"
#include "tests/support/Input.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <functional>

namespace {

class RecordingShell final : public ShellServices {
public:
    int OpenDocument(const std::string& target, int) override {
        opened.push_back(target);
        return 42;
    }
    void Beep(UINT) override {}

    std::vector<std::string> opened;
};

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

}  // namespace

using BoardWindowTest = BoardFixture;

// The board's first picture comes before the settings dialog is even shown, and brings its icon.
TEST_F(BoardWindowTest, SettingsOpenOnlyOnceTheBoardIsPaintedAndDealTheFirstGame) {
    WindowOrder order([this] { return currentBoard != nullptr ? currentBoard->GetSafeHwnd() : nullptr; });
    bool boardVisible = false;
    script.Then(IDD_SETTINGS, [&](CDialog& settings) {
        boardVisible = currentBoard->GetSafeHwnd()->isVisible();
        EXPECT_FALSE(currentBoard->GetSafeHwnd()->windowIcon().isNull());
        EXPECT_EQ(gameState.gameOver, 1);
        AcceptSettings(Person)(settings);
    });
    RunBoard([&](CGameDlg& board) {
        EXPECT_TRUE(IsValidPlayer(gameState.currentPlayer));
        EXPECT_EQ(gameState.gameOver, 0);
        EXPECT_EQ(gameState.lastMoveCol, -1);
        std::string title;
        board.GetWindowText(title);
        EXPECT_EQ(title, "Quinsum 2.0");
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
        ClickControl(board, static_cast<int>(IDC_FIRST_CELL) + 12);
        Tick();
        EXPECT_EQ(gameState, before);
        EXPECT_TRUE(sounds.log.empty());
        EXPECT_EQ(GetCursor(), LoadStandardCursor(IDC_ARROW));
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(BoardWindowTest, ClicksOutOfTurnAreIgnoredAndTheCursorShowsTheTurn) {
    script.Then(IDD_SETTINGS, AcceptSettings(Expert));
    RunBoard([&](CGameDlg& board) {
        if (gameState.currentPlayer == 2) {
            board.RefreshCursor();
            EXPECT_EQ(GetCursor(), LoadStandardCursor(IDC_WAIT));
            const GameState before = gameState;
            ClickControl(board, static_cast<int>(IDC_FIRST_CELL));
            EXPECT_EQ(gameState, before);
            Tick();
        }
        ASSERT_EQ(gameState.currentPlayer, 1);
        board.RefreshCursor();
        EXPECT_EQ(GetCursor(), LoadCursorResource(134));

        sounds.log.clear();
        int cell = 0;
        while (gameState.cellOwner[static_cast<std::size_t>(cell)] != 0) {
            ++cell;
        }
        ClickControl(board, static_cast<int>(IDC_FIRST_CELL) + cell);
        // A claim without a line: the click, then half a second.
        EXPECT_EQ(sounds.log, (std::vector<std::string>{kClick, kPause}));
        EXPECT_EQ(gameState.lastMoveCol, cell % 5);
        EXPECT_EQ(gameState.currentPlayer, 2);
        EXPECT_EQ(GetCursor(), LoadStandardCursor(IDC_WAIT));
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(BoardWindowTest, WindowMenuCommandsWithTheAboutIdOpenTheAboutBox) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person));
    script.Then(IDD_ABOUT, [](CDialog& about) {
        // Its link opens the same page as F1.
        EXPECT_EQ(std::filesystem::path(dynamic_cast<CAboutDlg&>(about).link.GetTarget()), HelpPagePath());
        PressKey(about, Qt::Key_Escape);
    });
    script.Then(IDD_ABOUT, CancelDialog());
    RunBoard([&](CGameDlg& board) {
        const CMenu* systemMenu = board.GetSystemMenu(FALSE);
        ASSERT_NE(systemMenu, nullptr);
        ASSERT_EQ(systemMenu->Entries().size(), 2u);
        EXPECT_EQ(systemMenu->Entries()[0].flags, MF_SEPARATOR);
        EXPECT_EQ(systemMenu->Entries()[1].id, IDM_ABOUTBOX);
        EXPECT_EQ(systemMenu->Entries()[1].text, "&About Quinsum...");
        board.SendMessage(WM_SYSCOMMAND, 0x0010, 0);
        board.SendMessage(WM_SYSCOMMAND, 0x001F, 0);
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(BoardWindowTest, F1OpensTheHowToPlayPageBesideTheProgram) {
    RecordingShell shell;
    ScopedShellServices useShell(shell);
    script.Then(IDD_SETTINGS, AcceptSettings(Person));
    RunBoard([&](CGameDlg& board) {
        PressKey(board, Qt::Key_F1);
        PressKey(board, Qt::Key_Escape);
    });
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(std::filesystem::path(shell.opened[0]), HelpPagePath());
    EXPECT_EQ(HelpPagePath().filename(), "quinsum-help.html");
}
