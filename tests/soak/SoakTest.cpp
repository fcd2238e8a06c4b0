// SPDX-License-Identifier: MIT
// Many whole games in one process, as a long evening of play would go: board windows opened and
// closed, games started from the menu and after forfeits, every level and range, sound on. Once
// the first games have warmed the caches up, memory, descriptors, windows and timers must stop
// growing.

#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include "dialogs/CAnswerDlg.h"
#include "platform/sound/SdlSoundOutput.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define SOAK_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOAK_UNDER_ASAN 1
#endif
#endif
#ifdef SOAK_UNDER_ASAN
// From the sanitizer runtime; GCC does not install its header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr double kMemorySlackMiB = 4.0;

int GamesToPlay() {
    const char* games = std::getenv("QUINSUM_SOAK_GAMES");
    return games != nullptr && std::atoi(games) > 0 ? std::atoi(games) : 1000;
}

// The program's SDL output with its waits left out: every sound still reaches the audio device,
// but a game takes milliseconds instead of half a minute of clips and pauses.
class SdlOutputWithoutWaits final : public SoundOutput {
public:
    explicit SdlOutputWithoutWaits(SoundOutput& sdl) : sdl_(sdl) {}

    bool Play(unsigned resourceId, bool) override {
        ++played;
        const bool result = sdl_.Play(resourceId, false);
        failed += result ? 0 : 1;
        return result;
    }
    void Pause(unsigned) override {}

    int played = 0;
    int failed = 0;

private:
    SoundOutput& sdl_;
};

SdlSoundOutput& ProgramSoundOutput() {
    SoundOutput* replaced = SetSoundOutput(nullptr);
    auto& program = dynamic_cast<SdlSoundOutput&>(CurrentSoundOutput());
    SetSoundOutput(replaced);
    return program;
}

long StatusValue(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stol(line.substr(field.size() + 1));
        }
    }
    return -1;
}

// QTimers owned by the application, such as the sound output's one that closes the device.
int RunningApplicationTimers() {
    const QList<QTimer*> timers = qApp->findChildren<QTimer*>();
    return static_cast<int>(
        std::count_if(timers.begin(), timers.end(), [](const QTimer* timer) { return timer->isActive(); }));
}

struct Sample {
    int games = 0;
    double seconds = 0;
    double rssMiB = 0;
    // What the growth bound applies to: the resident size, or under AddressSanitizer, whose
    // quarantine keeps up to 256 MiB of freed blocks resident, the live heap.
    double memoryMiB = 0;
    long fds = 0;
    int widgets = 0;
    int topLevels = 0;
    int timers = 0;
    long threads = 0;
};

Sample TakeSample(int games, double seconds) {
    Sample sample;
    sample.games = games;
    sample.seconds = seconds;
    sample.rssMiB = static_cast<double>(StatusValue("VmRSS")) / 1024.0;
#ifdef SOAK_UNDER_ASAN
    sample.memoryMiB = static_cast<double>(__sanitizer_get_current_allocated_bytes()) / (1024.0 * 1024.0);
#else
    sample.memoryMiB = sample.rssMiB;
#endif
    sample.fds =
        std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator());
    const QWidgetList widgets = QApplication::allWidgets();
    sample.widgets = static_cast<int>(widgets.size());
    sample.topLevels = static_cast<int>(QApplication::topLevelWidgets().size());
    // The timers of the windows themselves, such as the board's one-second timer.
    for (QWidget* widget : widgets) {
        sample.timers += static_cast<int>(QAbstractEventDispatcher::instance()->registeredTimers(widget).size());
    }
    sample.timers += RunningApplicationTimers();
    sample.threads = StatusValue("Threads");
    std::printf(
        "soak: %5d games %8.1f s of play %7.2f games/s  RSS %7.1f MiB  memory %7.1f MiB  %3ld fds  %3d widgets"
        " (%d top-level)  %d timers  %ld threads\n",
        sample.games, sample.seconds, sample.games / std::max(sample.seconds, 1e-3), sample.rssMiB, sample.memoryMiB,
        sample.fds, sample.widgets, sample.topLevels, sample.timers, sample.threads);
    std::fflush(stdout);
    return sample;
}

// Game n's settings: the second player turns through Person and the three levels, the range
// every 4 games, the first player every 16 (a person, or "k7" to "k9", a computer of each level).
struct GamePlan {
    const char* firstName;
    OpponentKind opponent;
    int range;
};

GamePlan PlanFor(int game) {
    static constexpr const char* kFirstNames[] = {"Ann", "k7", "k8", "k9"};
    return {kFirstNames[game / 16 % 4], static_cast<OpponentKind>(game % 4), game / 4 % 4};
}

class SoakTest : public BoardFixture {
protected:
    SoakTest() {
        CloseHighScoresWithDone();
        script.Whenever(IDD_MENU, ClickButton(IDC_MENU_NEW_GAME));
        // A forfeit in the board's last game asks for one more, which is declined: the board
        // then closes on the forfeited game.
        script.Whenever(IDD_SETTINGS, [this](CDialog& settings) {
            if (gamesStarted == boardEnd) {
                CancelDialog()(settings);
                return;
            }
            const GamePlan plan = PlanFor(gamesStarted++);
            AcceptSettings(plan.opponent, plan.firstName, "Bob", plan.range)(settings);
        });
        // Mostly right, sometimes wrong (asked again), now and then forfeited with Cancel.
        script.Whenever(IDD_ANSWER, [this](CDialog& dialog) {
            const int roll = std::uniform_int_distribution<int>(0, 99)(choices);
            ++challenges;
            if (roll < 3) {
                ++forfeits;
                ClickControl(dialog, IDCANCEL);
                return;
            }
            const int sum = SumOfQuestion(dynamic_cast<CAnswerDlg&>(dialog).question);
            wrongAnswers += roll < 20 ? 1 : 0;
            TypeInto(dialog, IDC_ANSWER_BOX, std::to_string(roll < 20 ? sum + 1 : sum));
            ClickControl(dialog, IDOK);
        });
    }

    // Plays the board's games, the first dealt by the board itself, until `boardEnd` games have
    // been started in all, then closes the board.
    void PlayBoard(CGameDlg& board) {
        for (;;) {
            const int started = gamesStarted;
            const int forfeitsBefore = forfeits;
            for (int claim = 0; claim < 2 * kCellCount && gamesStarted == started && forfeits == forfeitsBefore &&
                                gameState.gameOver == 0;
                 ++claim) {
                Move(board);
                // The board's own loop would run the new game a forfeit posted.
                ProcessPostedMessages();
            }
            if (forfeits == forfeitsBefore && gameState.gameOver == 0) {
                ADD_FAILURE() << "game " << started << " did not end";
                break;
            }
            if (gamesStarted == started && gamesStarted < boardEnd) {
                ClickControl(board, IDC_MENU_BUTTON);
                ++startedFromMenu;
                if (gamesStarted == started) {
                    ADD_FAILURE() << "Start New Game dealt no game";
                    break;
                }
            }
            if (gamesStarted == started) {
                break;
            }
        }
        PressKey(board, Qt::Key_Escape);
    }

    // A computer to move gets a tick; a person claims a free cell at random.
    void Move(CGameDlg& board) {
        if (board.settingsDlg.playerKind[PlayerIndex(gameState.currentPlayer)] > Person) {
            Tick();
            return;
        }
        std::vector<int> freeCells;
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (gameState.cellOwner[static_cast<std::size_t>(cell)] == 0) {
                freeCells.push_back(cell);
            }
        }
        ASSERT_FALSE(freeCells.empty());
        const auto pick = std::uniform_int_distribution<std::size_t>(0, freeCells.size() - 1)(choices);
        ClickControl(board, IDC_FIRST_CELL + freeCells[pick]);
    }

    int gamesStarted = 0;
    int boardEnd = 0;
    int forfeits = 0;
    int challenges = 0;
    int wrongAnswers = 0;
    int startedFromMenu = 0;
    std::mt19937 choices{20240611};
};

}  // namespace

TEST_F(SoakTest, ManyGamesInOneProcessLeaveNothingGrowing) {
    const int games = GamesToPlay();
    // Every 100 games, and at least four samples in a short run.
    const int sampleEvery = std::clamp(games / 4, 1, 100);

    SdlSoundOutput& program = ProgramSoundOutput();
    ASSERT_STREQ(program.DriverName(), "dummy");
    SdlOutputWithoutWaits output(program);
    ScopedSoundOutput sdlSound(output);

    std::vector<Sample> samples;
    const auto start = std::chrono::steady_clock::now();
    std::chrono::duration<double> waited{};
    int board = 0;
    for (; gamesStarted < games && !HasFailure(); ++board) {
        // Boards of one to seven games, each ending where a sample is due.
        const int nextSample = (gamesStarted / sampleEvery + 1) * sampleEvery;
        boardEnd = std::min({gamesStarted + 1 + board % 7, nextSample, games});
        EXPECT_EQ(RunBoard([this](CGameDlg& window) { PlayBoard(window); }), IDCANCEL);
        EXPECT_EQ(gamesStarted, boardEnd);
        // The closed board's widgets are deleted once the loop runs again.
        ProcessPostedMessages();
        if (gamesStarted % sampleEvery == 0 || gamesStarted == games) {
            // A long run lets the audio device close after its quiet seconds before each sample,
            // so closing and opening it again is soaked too; the time of play leaves that out.
            if (sampleEvery == 100) {
                const auto waitStart = std::chrono::steady_clock::now();
                EXPECT_TRUE(QTest::qWaitFor([] { return RunningApplicationTimers() == 0; }, 10000));
                waited += std::chrono::steady_clock::now() - waitStart;
            }
            const std::chrono::duration<double> played = std::chrono::steady_clock::now() - start - waited;
            samples.push_back(TakeSample(gamesStarted, played.count()));
        }
    }

    std::printf("soak: %d boards, %d games started from the menu, %d challenges, %d answered wrong, %d forfeited\n",
                board, startedFromMenu, challenges, wrongAnswers, forfeits);
    EXPECT_GT(highScoresShown, 0);
    EXPECT_GT(output.played, 0);
    EXPECT_EQ(output.failed, 0) << "sounds the SDL output could not play";
    HighScoreRecords saved;
    saved.SetFilePath(ScoresFile());
    EXPECT_EQ(saved.LoadHighScores(), 0);

    ASSERT_GE(samples.size(), 2u) << "too few games to compare";
    const Sample& warm = samples.front();
    const Sample& last = samples.back();
    EXPECT_LE(last.memoryMiB, warm.memoryMiB + kMemorySlackMiB) << "memory grew after game " << warm.games;
    EXPECT_LE(last.fds, warm.fds) << "file descriptors left open";
    EXPECT_EQ(last.widgets, warm.widgets) << "widgets left alive";
    EXPECT_EQ(last.topLevels, warm.topLevels) << "windows left open";
    // The audio device's timer and thread may have stopped meanwhile, never started again.
    EXPECT_LE(last.timers, warm.timers) << "timers left running";
    EXPECT_LE(last.threads, warm.threads) << "threads left running";
}
