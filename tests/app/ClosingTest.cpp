// SPDX-License-Identifier: MIT
// However the board closes, the session's results are in the high-score file, and a file that
// cannot be written is told to the player once.
#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include "controls/MessageBox.h"
#include "scores/ProgramFiles.h"

#include <QApplication>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace {

enum class Closing { QuitGame, Escape, CloseBox };

const char* NameOf(Closing way) {
    const char* const names[] = {"QuitGame", "Escape", "CloseBox"};
    return names[static_cast<int>(way)];
}

void PrintTo(Closing way, std::ostream* out) {
    *out << NameOf(way);
}

std::string WayName(const ::testing::TestParamInfo<Closing>& way) {
    return NameOf(way.param);
}

// What the message boxes told, instead of showing them.
class ToldMessages {
public:
    ToldMessages()
        : previous_(SetMessageBoxPresenter(
              [this](QWidget*, const std::string& text, const std::string&) { told.push_back(text); })) {}
    ~ToldMessages() { SetMessageBoxPresenter(previous_); }
    ToldMessages(const ToldMessages&) = delete;
    ToldMessages& operator=(const ToldMessages&) = delete;

    std::vector<std::string> told;

private:
    MessageBoxPresenter previous_;
};

}  // namespace

class ClosingTest : public BoardFixture, public ::testing::WithParamInterface<Closing> {};

// The result of a game is in the file as soon as the game ends, and stays there whichever way
// the board closes.
TEST_P(ClosingTest, LeavesTheHighScoreFileWithTheSessionsResults) {
    AnswerChallenges(false);
    CloseHighScoresWithDone();
    script.Then(IDD_SETTINGS, AcceptSettings(Novice, "Closer", "", 2));
    if (GetParam() == Closing::QuitGame) {
        script.Then(IDD_MENU, ClickButton(IDC_MENU_QUIT));
    }
    const int result = RunBoard([&](CGameDlg& board) {
        PlayToTheEnd(board);
        // Saved as the game ended, before any closing: a kill from here on loses nothing.
        HighScoreRecords already;
        already.SetFilePath(ScoresFile());
        EXPECT_EQ(already.LoadHighScores(), 0);
        EXPECT_EQ(already.Table().ranges[2].count, 1);
        switch (GetParam()) {
        case Closing::QuitGame:
            ClickControl(board, IDC_MENU_BUTTON);
            break;
        case Closing::Escape:
            PressKey(board, Qt::Key_Escape);
            break;
        case Closing::CloseBox:
            board.close();
            break;
        }
    });
    EXPECT_EQ(result, GetParam() == Closing::QuitGame ? IDOK : IDCANCEL);

    ASSERT_TRUE(std::filesystem::exists(ScoresFile()));
    EXPECT_EQ(std::filesystem::file_size(ScoresFile()), 5296u);
    HighScoreRecords saved;
    saved.SetFilePath(ScoresFile());
    ASSERT_EQ(saved.LoadHighScores(), 0);
    ASSERT_EQ(saved.Table().ranges[2].count, 1);
    EXPECT_NE(saved.LineText(2, 0).find("Closer"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EveryWay, ClosingTest,
                         ::testing::Values(Closing::QuitGame, Closing::Escape, Closing::CloseBox), WayName);

using ExistingScoresTest = BoardFixture;

// The table read at start-up is written back unchanged when nothing was played.
TEST_F(ExistingScoresTest, KeepsTheLoadedTableWhenNoGameWasPlayed) {
    HighScoreRecords earlier;
    earlier.SetFilePath(ScoresFile());
    earlier.RecordResult(Person, "Early", 30, Novice, "Computer 1", 10, 0);
    ASSERT_EQ(earlier.SaveHighScores(), 1);
    const auto bytes = ReadBytes(ScoresFile());

    script.Then(IDD_SETTINGS, CancelDialog());
    RunBoard([&](CGameDlg& board) { PressKey(board, Qt::Key_Escape); });
    EXPECT_EQ(ReadBytes(ScoresFile()), bytes);
}

// A folder in the file's place cannot be replaced: the player hears so once, naming the file and
// the reason, although the end of the game and the closing both fail to save.
TEST_F(ExistingScoresTest, ASaveThatFailsIsToldOnce) {
    std::filesystem::create_directory(ScoresFile());
    ToldMessages messages;
    AnswerChallenges(false);
    CloseHighScoresWithDone();
    script.Then(IDD_SETTINGS, AcceptSettings(Novice, "Ann", "", 0));
    RunBoard([&](CGameDlg& board) {
        PlayToTheEnd(board);
        EXPECT_EQ(messages.told.size(), 1u) << "not told when the game's result could not be saved";
        PressKey(board, Qt::Key_Escape);
    });
    EXPECT_EQ(messages.told, std::vector<std::string>{"The high scores could not be saved to \"" +
                                                      ScoresFile().string() + "\": it is not a regular file."});
    EXPECT_TRUE(std::filesystem::is_directory(ScoresFile()));
}

// With no game played the closing is the only save, and it is told.
TEST_F(ExistingScoresTest, ASaveThatFailsIsToldWhenTheBoardCloses) {
    std::filesystem::create_directory(ScoresFile());
    ToldMessages messages;
    script.Then(IDD_SETTINGS, CancelDialog());
    RunBoard([&](CGameDlg& board) { board.close(); });
    EXPECT_EQ(messages.told.size(), 1u);
}

// Another copy's slow save holds the folder's lock: the board's save waits for it on the interface
// thread and keeps the windows painted meanwhile.
TEST_F(ExistingScoresTest, TheBoardKeepsPaintingWhileItsSaveWaitsForAnotherCopys) {
    class BoardPaints final : public QObject {
    public:
        BoardPaints(QWidget* board, const std::atomic<bool>& otherSaving) : board_(board), otherSaving_(otherSaving) {
            qApp->installEventFilter(this);
        }
        ~BoardPaints() override { qApp->removeEventFilter(this); }
        int whileOtherSaves = 0;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (watched == board_ && event->type() == QEvent::Paint && otherSaving_) {
                ++whileOtherSaves;
            }
            return false;
        }

    private:
        QWidget* board_;
        const std::atomic<bool>& otherSaving_;
    };

    script.Then(IDD_SETTINGS, CancelDialog());
    int paintsWhileWaiting = 0;
    RunBoard([&](CGameDlg& board) {
        QWidget* window = &board;
        std::atomic<bool> otherSaving = true;
        std::promise<void> locked;
        std::thread other([&] {
            const FolderLock lock(directory.Path(), std::chrono::milliseconds(0), {});
            locked.set_value();
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            QMetaObject::invokeMethod(
                window, [window] { window->update(); }, Qt::QueuedConnection);
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            otherSaving = false;
        });
        locked.get_future().wait();
        const BoardPaints paints(window, otherSaving);
        PressKey(board, Qt::Key_Escape);
        other.join();
        paintsWhileWaiting = paints.whileOtherSaves;
    });
    EXPECT_GT(paintsWhileWaiting, 0);
    EXPECT_EQ(std::filesystem::file_size(ScoresFile()), 5296u);
}
