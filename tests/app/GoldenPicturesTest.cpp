// SPDX-License-Identifier: MIT
// Every window of the game in every state a player meets, compared pixel for pixel with the pictures
// in tests/goldens/: the first settings and the same after arrow keys, the dealt board, a claim and
// the computer's answer, the challenge in each of its three places, the menu, the about box, the high
// scores at the end of a game and a finished board. Dialogs are shown over the board where they
// open, so that a picture also tells where each one went. The clock, the seed and the pointer are
// fixed; what no paint covers shows magenta. QUINSUM_RECORD_GOLDENS=1 writes the pictures anew; a
// mismatch leaves the picture taken beside the test program.
#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include "core/RandomGenerator.h"
#include "dialogs/CAnswerDlg.h"
#include "resources/GameDialogTemplates.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace {

constexpr std::uint32_t kSeed = 2026;

QWidget* WidgetOf(const CDialog& window) {
    return const_cast<CDialog*>(&window);
}

// What `window` draws, over magenta: a part that nobody paints shows as such, not as left-over pixels.
QImage Drawn(const CDialog& window) {
    QWidget* widget = WidgetOf(window);
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget->render(&image);
    return image;
}

// The board's area of the screen with `dialogs` drawn over it where they are.
QImage Screen(const CDialog& board, std::initializer_list<const CDialog*> dialogs = {}) {
    // No pointer over anything: no hover picture in the shot.
    MovePointer(kPointerParking);
    ProcessPostedMessages();
    const QPoint origin = WidgetOf(board)->mapToGlobal(QPoint(0, 0));
    QImage screen = Drawn(board);
    QPainter painter(&screen);
    for (const CDialog* dialog : dialogs) {
        painter.drawImage(WidgetOf(*dialog)->mapToGlobal(QPoint(0, 0)) - origin, Drawn(*dialog));
    }
    return screen;
}

void ExpectGolden(const QImage& shot, const QString& name) {
    const QString golden = QStringLiteral(QUINSUM_GOLDEN_DIR "/%1.png").arg(name);
    if (qEnvironmentVariableIntValue("QUINSUM_RECORD_GOLDENS") != 0) {
        ASSERT_TRUE(shot.save(golden)) << golden.toStdString();
        return;
    }
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull()) << "no golden picture " << golden.toStdString();
    int differing = 0;
    if (expected.size() == shot.size()) {
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                differing += expected.pixel(x, y) != shot.pixel(x, y) ? 1 : 0;
            }
        }
    }
    if (expected.size() != shot.size() || differing != 0) {
        const QString taken = QDir::current().filePath(name + QStringLiteral(".actual.png"));
        shot.save(taken);
        ADD_FAILURE() << name.toStdString() << ": " << differing << " pixels differ (size " << shot.width() << " x "
                      << shot.height() << "); taken: " << taken.toStdString();
    }
}

class GoldenPicturesTest : public BoardFixture {
protected:
    GoldenPicturesTest() { QApplication::setCursorFlashTime(0); }

    // The board dealt from the fixed seed: Ann against the Expert, numbers 0 to 10. The computer
    // moves only when a test says so: its timer stops before the deal.
    void DealFixedBoard() {
        script.Then(IDD_SETTINGS, [this](CDialog& settings) {
            StopComputerTimer(*currentBoard);
            SeedRandom(kSeed);
            AcceptSettings(Expert)(settings);
        });
    }

    // Ann (player 1, to move) owns `cells`; the cells are redrawn as the board shows them.
    static void GiveAnn(CGameDlg& board, std::initializer_list<int> cells) {
        std::array<std::int32_t, kCellCount> owner{};
        for (const int cell : cells) {
            owner[static_cast<std::size_t>(cell)] = 1;
        }
        SetPosition(owner, 1);
        for (std::int32_t row = 0; row < kBoardSize; ++row) {
            for (std::int32_t col = 0; col < kBoardSize; ++col) {
                board.DrawCell(col, row);
            }
        }
    }

    // Answers the next challenge right, after its picture over the board.
    void ShootAndAnswerChallenge(const QString& name) {
        script.Then(IDD_ANSWER, [this, name](CDialog& dialog) {
            ExpectGolden(Screen(*currentBoard, {&dialog}), name);
            const int sum = SumOfQuestion(dynamic_cast<CAnswerDlg&>(dialog).question);
            TypeInto(dialog, IDC_ANSWER_BOX, std::to_string(sum));
            ClickControl(dialog, IDOK);
        });
    }

    // The board's own one-second timer would move the computer whenever a test runs slowly, even
    // before the test's first look at the board.
    static void StopComputerTimer(CGameDlg& board) { board.killTimer(std::exchange(timerId, 0)); }
};

}  // namespace

TEST_F(GoldenPicturesTest, SettingsAtStartAndAfterArrowKeys) {
    script.Then(IDD_SETTINGS, [this](CDialog& settings) {
        ExpectGolden(Screen(*currentBoard, {&settings}), QStringLiteral("settings-at-start"));
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Tab, Qt::Key_Right}) {
            PressKey(settings, key);
        }
        ExpectGolden(Screen(*currentBoard, {&settings}), QStringLiteral("settings-after-arrow-keys"));
        PressKey(settings, Qt::Key_Escape);
    });
    RunBoard([](CGameDlg& board) { PressKey(board, Qt::Key_Escape); });
}

TEST_F(GoldenPicturesTest, BoardDealtThenAClaimAndTheComputersAnswer) {
    DealFixedBoard();
    RunBoard([this](CGameDlg& board) {
        ExpectGolden(Screen(board), QStringLiteral("board-dealt"));
        gameState.currentPlayer = 1;
        ClickControl(board, IDC_FIRST_CELL + 12);
        Tick();
        ExpectGolden(Screen(board), QStringLiteral("board-claim-and-answer"));
        PressKey(board, Qt::Key_Escape);
    });
}

// Centred on the board for a line at the top, near the top for a line in the middle, at the bottom
// for a line that reaches from the top to the middle.
TEST_F(GoldenPicturesTest, TheChallengeInEachOfItsPlaces) {
    DealFixedBoard();
    ShootAndAnswerChallenge(QStringLiteral("challenge-centred"));
    ShootAndAnswerChallenge(QStringLiteral("challenge-near-the-top"));
    ShootAndAnswerChallenge(QStringLiteral("challenge-at-the-bottom"));
    RunBoard([](CGameDlg& board) {
        GiveAnn(board, {0, 1});
        ClickControl(board, IDC_FIRST_CELL + 2);
        GiveAnn(board, {10, 11});
        ClickControl(board, IDC_FIRST_CELL + 12);
        GiveAnn(board, {0, 5});
        ClickControl(board, IDC_FIRST_CELL + 10);
        PressKey(board, Qt::Key_Escape);
    });
}

TEST_F(GoldenPicturesTest, MenuAboutHighScoresAndAFinishedGame) {
    DealFixedBoard();
    AnswerChallenges(false);
    script.Then(IDD_HIGH_SCORES, [this](CDialog& table) {
        ExpectGolden(Screen(*currentBoard, {&table}), QStringLiteral("high-scores-end-of-game"));
        ClickControl(table, IDOK);
    });
    script.Then(IDD_MENU, [this](CDialog& menu) {
        ExpectGolden(Screen(*currentBoard, {&menu}), QStringLiteral("menu"));
        ClickControl(menu, IDC_MENU_ABOUT);
    });
    script.Then(IDD_ABOUT, [this](CDialog& about) {
        ExpectGolden(Screen(*currentBoard, {&about}), QStringLiteral("about"));
        PressKey(about, Qt::Key_Escape);
    });
    RunBoard([this](CGameDlg& board) {
        gameState.currentPlayer = 1;
        PlayToTheEnd(board);
        ExpectGolden(Screen(board), QStringLiteral("board-finished"));
        ClickControl(board, IDC_MENU_BUTTON);
        PressKey(board, Qt::Key_Escape);
    });
}
