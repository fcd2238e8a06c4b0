// SPDX-License-Identifier: MIT
// Two copies of the game on one file, as real processes: whichever saves last keeps the other's
// results, however long the other's save takes and where the file system has no locks; a copy
// killed in the middle of a save leaves a whole file behind.

#include "scores/HighScoreRecords.h"
#include "scores/ProgramFiles.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <thread>

#include <sys/file.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

class HighScoreMergeTest : public ::testing::Test {
protected:
    HighScoreRecords Copy() const {
        HighScoreRecords records;
        records.SetFilePath(directory / "high scores.dat");
        records.LoadHighScores();
        return records;
    }

    // Runs `copy` in a process of its own; it exits with 0 when all went well.
    static pid_t InOtherProcess(const std::function<int()>& copy) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            std::_Exit(copy());
        }
        return pid;
    }

    static int ExitCode(pid_t pid) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Whose lines the list of the first range holds, best first.
    static std::vector<std::string> Lines(const HighScoreRecords& records) {
        std::vector<std::string> names;
        for (int line = 0; line < records.Table().ranges[0].count; ++line) {
            const std::string text = records.LineText(0, line);
            names.push_back(text.substr(0, text.find(' ')));
        }
        return names;
    }

    TemporaryDirectory directory;
};

const std::vector<std::string> kBoth{"Al", "Bea"};

class ScopedFileSystemCalls {
public:
    explicit ScopedFileSystemCalls(FileSystemCalls calls) : previous_(SetFileSystemCalls(calls)) {}
    ScopedFileSystemCalls(const ScopedFileSystemCalls&) = delete;
    ScopedFileSystemCalls& operator=(const ScopedFileSystemCalls&) = delete;
    ~ScopedFileSystemCalls() { SetFileSystemCalls(previous_); }

private:
    FileSystemCalls previous_;
};

// Told through a pipe each time a slowed save starts flushing, its folder's lock held.
int g_flushStarted = -1;

// A disk that takes 1.2 s per flush: a save (the file, then its folder) keeps the lock 2.4 s.
int SlowFlush(int fd) {
    [[maybe_unused]] const ssize_t told = ::write(g_flushStarted, "f", 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    return ::fsync(fd);
}

int RefuseLock(int, int) {
    errno = ENOLCK;
    return -1;
}

}  // namespace

TEST_F(HighScoreMergeTest, TheCopySavingLastKeepsTheOthersResults) {
    HighScoreRecords first = Copy();
    const pid_t other = InOtherProcess([this] {
        HighScoreRecords second = Copy();
        second.RecordResult(0, "Bea", 30, 1, "Computer", 0, 0);
        return second.SaveHighScores() == 1 ? 0 : 1;
    });
    ASSERT_EQ(ExitCode(other), 0);

    first.RecordResult(0, "Al", 40, 1, "Computer", 0, 0);
    ASSERT_EQ(first.SaveHighScores(), 1);
    EXPECT_EQ(Lines(Copy()), kBoth);
    // The table on screen shows everyone's results, the new line still marked.
    EXPECT_EQ(Lines(first), kBoth);
    EXPECT_EQ(first.newLine[0], 0);
}

TEST_F(HighScoreMergeTest, TheCopySavingFirstKeepsItsResultsToo) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    HighScoreRecords first = Copy();
    const pid_t other = InOtherProcess([&] {
        HighScoreRecords second = Copy();
        char byte = 0;
        // Loaded before the first copy saved; records and saves after it.
        if (::read(ready[0], &byte, 1) != 1) {
            return 2;
        }
        second.RecordResult(0, "Bea", 30, 1, "Computer", 0, 0);
        return second.SaveHighScores() == 1 ? 0 : 1;
    });
    first.RecordResult(0, "Al", 40, 1, "Computer", 0, 0);
    ASSERT_EQ(first.SaveHighScores(), 1);
    ASSERT_EQ(::write(ready[1], "x", 1), 1);
    ASSERT_EQ(ExitCode(other), 0);
    EXPECT_EQ(Lines(Copy()), kBoth);
    ::close(ready[0]);
    ::close(ready[1]);
}

// The copy that waits for a slow save must not give up and write its own table over the other's
// result.
TEST_F(HighScoreMergeTest, ACopyWaitingForASlowSaveKeepsBothResults) {
    int flushStarted[2];
    ASSERT_EQ(::pipe(flushStarted), 0);
    HighScoreRecords second = Copy();
    const pid_t first = InOtherProcess([&] {
        g_flushStarted = flushStarted[1];
        SetFileSystemCalls({::flock, SlowFlush});
        HighScoreRecords records = Copy();
        records.RecordResult(0, "Al", 40, 1, "Computer", 0, 0);
        return records.SaveHighScores() == 1 ? 0 : 1;
    });
    char byte = 0;
    ASSERT_EQ(::read(flushStarted[0], &byte, 1), 1);
    second.RecordResult(0, "Bea", 30, 1, "Computer", 0, 0);
    EXPECT_EQ(second.SaveHighScores(), 1);
    ASSERT_EQ(ExitCode(first), 0);
    EXPECT_EQ(Lines(Copy()), kBoth);
    ::close(flushStarted[0]);
    ::close(flushStarted[1]);
}

// Some network and FUSE file systems refuse locks: two games one after the other still keep both.
TEST_F(HighScoreMergeTest, SavesWithoutLocksStillMerge) {
    const ScopedFileSystemCalls noLocks({RefuseLock, ::fsync});
    HighScoreRecords first = Copy();
    HighScoreRecords second = Copy();
    first.RecordResult(0, "Al", 40, 1, "Computer", 0, 0);
    ASSERT_EQ(first.SaveHighScores(), 1);
    second.RecordResult(0, "Bea", 30, 1, "Computer", 0, 0);
    ASSERT_EQ(second.SaveHighScores(), 1);
    EXPECT_EQ(Lines(Copy()), kBoth);
}

// Locked by someone else past the wait's patience: nothing is written, the player is told, and the
// result stays for the next save. The wait keeps calling back, so that the windows keep painting.
TEST_F(HighScoreMergeTest, ALockHeldPastThePatienceKeepsTheResultForTheNextSave) {
    HighScoreRecords records = Copy();
    int tries = 0;
    records.SetLockWait({.patience = std::chrono::milliseconds(300), .betweenTries = [&tries] { ++tries; }});
    records.RecordResult(0, "Al", 40, 1, "Computer", 0, 0);
    {
        const FolderLock other(directory.Path(), std::chrono::milliseconds(0), {});
        ASSERT_EQ(other.GetState(), FolderLock::State::Held);
        EXPECT_EQ(records.SaveHighScores(), -1);
        EXPECT_GT(tries, 5);
        EXPECT_EQ(
            records.TakeProblemToTell(),
            "The high scores could not be saved to \"" + (directory / "high scores.dat").string() +
                "\": its folder stayed locked by another program, perhaps another copy of the game still saving.");
        EXPECT_TRUE(directory.Files().empty());
    }
    EXPECT_EQ(records.SaveHighScores(), 1);
    EXPECT_EQ(Lines(Copy()), std::vector<std::string>{"Al"});
}

// A save killed before its rename leaves its temporary file behind; the next save removes such
// files and nothing else. Where there are no locks, a fresh one may be another copy's save under
// way and stays.
TEST_F(HighScoreMergeTest, TheNextSaveRemovesWhatKilledSavesLeft) {
    const std::vector<unsigned char> bytes(5296, 1);
    for (const char* name : {"high scores.dat.tmp4242-0", "high scores.dat.tmp4242-1", "high scores.dat.tmp",
                             "high scores.dat.tmp12-3.bak", "other.dat.tmp12-3"}) {
        WriteBytes(directory / name, bytes);
    }
    std::filesystem::create_directory(directory / "high scores.dat.tmp7-0");
    std::filesystem::create_symlink(directory / "other.dat.tmp12-3", directory / "high scores.dat.tmp8-0");
    HighScoreRecords records = Copy();
    ASSERT_EQ(records.SaveHighScores(), 1);
    std::vector<std::filesystem::path> files = directory.Files();
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::filesystem::path>{"high scores.dat", "high scores.dat.tmp",
                                                         "high scores.dat.tmp12-3.bak", "high scores.dat.tmp7-0",
                                                         "high scores.dat.tmp8-0", "other.dat.tmp12-3"}));

    const ScopedFileSystemCalls noLocks({RefuseLock, ::fsync});
    WriteBytes(directory / "high scores.dat.tmp4242-0", bytes);
    WriteBytes(directory / "high scores.dat.tmp4242-1", bytes);
    std::filesystem::last_write_time(directory / "high scores.dat.tmp4242-1",
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(2));
    ASSERT_EQ(records.SaveHighScores(), 1);
    EXPECT_TRUE(std::filesystem::exists(directory / "high scores.dat.tmp4242-0"));
    EXPECT_FALSE(std::filesystem::exists(directory / "high scores.dat.tmp4242-1"));
}

// The file is replaced whole or not at all: killed at any moment, a copy saving over and over
// leaves one of the two tables it writes.
TEST_F(HighScoreMergeTest, AKillDuringASaveLeavesAWholeFile) {
    HighScoreRecords seed = Copy();
    seed.RecordResult(0, "Seed", 5, 1, "Computer", 0, 0);
    ASSERT_EQ(seed.SaveHighScores(), 1);
    for (int round = 0; round < 10; ++round) {
        const pid_t saver = InOtherProcess([this] {
            HighScoreRecords copy = Copy();
            for (int score = 0;; ++score) {
                copy.RecordResult(0, "Loop", score, 1, "Computer", 0, 1);
                copy.SaveHighScores();
            }
            return 0;
        });
        ::usleep(static_cast<useconds_t>(2000 + round * 1500));
        ::kill(saver, SIGKILL);
        ExitCode(saver);
        HighScoreRecords after;
        after.SetFilePath(directory / "high scores.dat");
        ASSERT_EQ(after.LoadHighScores(), 0) << "round " << round;
        EXPECT_EQ(Lines(after), std::vector<std::string>{"Seed"});
    }
}
