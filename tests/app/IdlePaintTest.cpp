// SPDX-License-Identifier: MIT
// No window repaints itself while nothing happens: not the board, its cells or plates, nor a
// dialog over it.
#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include <QApplication>
#include <QTest>

namespace {

// Paint events of every window of the program (controls included) while it sits idle.
class PaintCounter final : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }

    // Lets start-up and the last action settle, then counts the paints of two idle seconds.
    int PaintsWhileIdle() {
        QTest::qWait(300);
        paints_ = 0;
        QTest::qWait(2000);
        return paints_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            ++paints_;
        }
        return false;
    }

private:
    int paints_ = 0;
};

// A focused answer or name box blinks its caret twice a second, which paints the box and the
// dialog beneath its rounded frame; nothing else should paint.
constexpr int kFewPaints = 10;

}  // namespace

using IdlePaintTest = BoardFixture;

TEST_F(IdlePaintTest, NoWindowRepaintsItselfWhileNothingHappens) {
    PaintCounter counter;
    script.Then(IDD_SETTINGS, [&](CDialog& settings) {
        EXPECT_LE(counter.PaintsWhileIdle(), kFewPaints) << "settings open";
        AcceptSettings(Person)(settings);
    });
    script.Then(IDD_MENU, [&](CDialog& menu) {
        EXPECT_LE(counter.PaintsWhileIdle(), kFewPaints) << "menu open";
        ClickControl(menu, IDC_MENU_HIGH_SCORES);
    });
    script.Then(IDD_HIGH_SCORES, [&](CDialog& table) {
        EXPECT_LE(counter.PaintsWhileIdle(), kFewPaints) << "high scores open";
        PressKey(table, Qt::Key_Escape);
    });
    script.Then(IDD_ANSWER, [&](CDialog& challenge) {
        EXPECT_LE(counter.PaintsWhileIdle(), kFewPaints) << "challenge open";
        PressKey(challenge, Qt::Key_Escape);
    });
    script.Then(IDD_SETTINGS, CancelDialog());
    RunBoard([&](CGameDlg& board) {
        QWidget* cell = board.GetDlgItem(IDC_FIRST_CELL + 12);
        QTest::mouseMove(cell, cell->rect().center());
        EXPECT_LE(counter.PaintsWhileIdle(), kFewPaints) << "game dealt, pointer on a cell";

        ClickControl(board, IDC_MENU_BUTTON);
        SetPosition({1, 1, 0, 0, 0, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1);
        ClickControl(board, IDC_FIRST_CELL + 2);
        ProcessPostedMessages();
        PressKey(board, Qt::Key_Escape);
    });
}
