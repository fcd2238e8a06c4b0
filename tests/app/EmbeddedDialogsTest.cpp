// SPDX-License-Identifier: MIT
// Where the window system places windows itself (Wayland), the dialogs run inside the board's
// window. They must open where a window of their own would, and keep the board out of reach while
// they run: no click gets through to the board, and Tab never leaves the dialog.
#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include "dialogs/CAnswerDlg.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// What a dialog over the board showed the test.
struct DialogSeen {
    // The dialog's rectangle on the screen (its frame included, for a window of its own) and the
    // frame's thickness.
    QRect rect;
    QMargins frame;
    bool insideTheBoard = false;
};

// The dialogs of one game (settings, then the challenge) in the order they opened.
using DialogsSeen = std::vector<DialogSeen>;

// A point of `control` that `dialog` does not cover, in the control's coordinates; none when the
// dialog covers it whole.
std::optional<QPoint> UncoveredPoint(const QWidget& control, const CDialog& dialog) {
    const QRect covered = dialog.WindowRect();
    const QRect area(control.mapToGlobal(QPoint(0, 0)), control.size());
    for (const QPoint& point : {area.center(), area.topLeft() + QPoint(3, 3), area.bottomRight() - QPoint(3, 3)}) {
        if (!covered.contains(point)) {
            return control.mapFromGlobal(point);
        }
    }
    return std::nullopt;
}

class EmbeddedDialogsTest : public BoardFixture {
protected:
    ~EmbeddedDialogsTest() override {
        CDialog::EmbedInOwner(QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
    }

    // Ann and Bob's game, in which Ann completes the top row and answers. Each dialog is pressed
    // everywhere on the board it leaves uncovered and tabbed through, then finished.
    DialogsSeen PlayGame() {
        DialogsSeen seen;
        script.Then(IDD_SETTINGS, [this, &seen](CDialog& settings) {
            seen.push_back(TryToLeave(settings));
            AcceptSettings(Person, "Ann", "Bob")(settings);
        });
        script.Then(IDD_ANSWER, [this, &seen](CDialog& challenge) {
            seen.push_back(TryToLeave(challenge));
            TypeInto(challenge, IDC_ANSWER_BOX,
                     std::to_string(SumOfQuestion(dynamic_cast<CAnswerDlg&>(challenge).question)));
            ClickControl(challenge, IDOK);
        });
        RunBoard([](CGameDlg& board) {
            std::array<std::int32_t, kCellCount> owner{};
            owner[0] = owner[1] = 1;
            SetPosition(owner, 1);
            ClickControl(board, IDC_FIRST_CELL + 2);
            EXPECT_EQ(gameState.lineCount, 1);
            PressKey(board, Qt::Key_Escape);
        });
        return seen;
    }

    // Presses the board's cells and menu button wherever `dialog` leaves them uncovered, and tabs
    // all the way round the dialog: the game stays as it was, no other dialog opens, and the focus
    // never leaves the dialog.
    DialogSeen TryToLeave(CDialog& dialog) {
        CGameDlg& board = *currentBoard;
        DialogSeen seen{dialog.WindowRect(), {}, dialog.parentWidget() == &board && !dialog.isWindow()};
        if (dialog.isWindow() && dialog.windowHandle() != nullptr) {
            seen.frame = dialog.windowHandle()->frameMargins();
        }
        const GameState before = gameState;
        const std::size_t opened = script.Opened().size();
        std::vector<QWidget*> targets{board.menuButton};
        for (const auto& row : board.cellButtons) {
            targets.insert(targets.end(), row.begin(), row.end());
        }
        int pressed = 0;
        for (QWidget* target : targets) {
            if (const std::optional<QPoint> point = UncoveredPoint(*target, dialog)) {
                ClickAt(target, *point);
                ++pressed;
            }
        }
        ProcessPostedMessages();
        EXPECT_GT(pressed, 0);
        EXPECT_EQ(gameState, before) << "a click reached the board under dialog " << dialog.GetTemplateId();
        EXPECT_EQ(script.Opened().size(), opened) << "a click opened a dialog under dialog " << dialog.GetTemplateId();

        QWidget& window = *dialog.window();
        EXPECT_TRUE(dialog.isAncestorOf(window.focusWidget()))
            << "dialog " << dialog.GetTemplateId() << " opened unfocused";
        for (int press = 0; press < 12; ++press) {
            PressKey(window, press % 3 == 2 ? Qt::Key_Backtab : Qt::Key_Tab);
            EXPECT_TRUE(dialog.isAncestorOf(window.focusWidget()))
                << "Tab left dialog " << dialog.GetTemplateId() << " after " << press + 1 << " presses";
        }
        return seen;
    }
};

}  // namespace

TEST_F(EmbeddedDialogsTest, DialogsRunInsideTheBoardWhereTheirOwnWindowsWouldOpen) {
    CDialog::EmbedInOwner(false);
    const DialogsSeen windows = PlayGame();
    CDialog::EmbedInOwner(true);
    const DialogsSeen inside = PlayGame();

    ASSERT_EQ(windows.size(), 2u);
    ASSERT_EQ(inside.size(), 2u);
    for (std::size_t dialog = 0; dialog < 2; ++dialog) {
        const char* const name = dialog == 0 ? "settings" : "challenge";
        EXPECT_FALSE(windows[dialog].insideTheBoard) << name;
        EXPECT_TRUE(inside[dialog].insideTheBoard) << name;
        // Inside the board a dialog has no frame: it may sit by the frame's thickness off the
        // place of a window of its own, and no further.
        const QMargins& frame = windows[dialog].frame;
        const QPoint shift = inside[dialog].rect.topLeft() - windows[dialog].rect.topLeft();
        EXPECT_LE(std::abs(shift.x()), std::max(frame.left(), frame.right()))
            << name << " moved " << shift.x() << " across";
        EXPECT_LE(std::abs(shift.y()), std::max(frame.top(), frame.bottom()))
            << name << " moved " << shift.y() << " down";
    }
}
