// SPDX-License-Identifier: MIT
// Where the results go and what the player hears when they cannot go there. The folder checks run
// as an ordinary user (root may write anywhere): in a child process that gives root up for
// "nobody" when the tests run as root.

#include "scores/HighScoreRecords.h"
#include "scores/ProgramFiles.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::filesystem::path kFile = "high scores.dat";
constexpr unsigned kNobody = 65534;

class HighScoreLocationTest : public ::testing::Test {
protected:
    HighScoreLocationTest() {
        std::filesystem::permissions(directory.Path(), std::filesystem::perms(0777));
        std::filesystem::create_directory(program);
        std::filesystem::permissions(program, std::filesystem::perms(0777));
    }

    // A table with one result beside the program, world-readable.
    void PutTableBesideTheProgram(const char* name) const {
        HighScoreRecords beside;
        beside.SetFilePath(program / kFile);
        beside.RecordResult(0, name, 40, 1, "Computer", 10, 0);
        ASSERT_EQ(beside.SaveHighScores(), 1);
        std::filesystem::permissions(program / kFile, std::filesystem::perms(0644));
    }

    // Makes `path` the ordinary user's, as the player's own folder is.
    static void GiveToTheOrdinaryUser(const std::filesystem::path& path) {
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
        }
    }

    // Runs `check` as an ordinary user; it fails the test by exiting with a non-zero code.
    static void AsOrdinaryUser(const std::function<int()>& check) {
        const auto run = [&check] {
            if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
                std::_Exit(100);
            }
            std::_Exit(check());
        };
        EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "");
    }

    TemporaryDirectory directory;
    const std::filesystem::path program = directory / "program";
    const std::filesystem::path data = directory / "home" / "share" / "quinsum";
};

}  // namespace

TEST_F(HighScoreLocationTest, AWritableProgramFolderKeepsTheFileBesideTheProgram) {
    const HighScoreLocation location = ChooseHighScoreLocation(program, data);
    EXPECT_EQ(location.savePath, program / kFile);
    EXPECT_EQ(location.startPath, program / kFile);
    EXPECT_TRUE(location.notice.empty());
}

// A copy of the game in a folder of its own keeps its table beside it; installed, the same writable
// folder (as root sees /usr/games) is never written: the results go to the player's data folder.
TEST_F(HighScoreLocationTest, AnInstalledProgramNeverWritesBesideItselfEvenWhereItMay) {
    PutTableBesideTheProgram("Shipped");
    const auto besideBytes = ReadBytes(program / kFile);
    std::filesystem::create_directories(program / kInstalledShareFromProgram / kInstalledHelpFolder);

    const HighScoreLocation location = ChooseHighScoreLocation(program, data);
    EXPECT_EQ(location.savePath, data / kFile);
    EXPECT_EQ(location.startPath, program / kFile);
    HighScoreRecords records;
    records.SetLocation(location);
    ASSERT_EQ(records.LoadHighScores(), 0);
    records.RecordResult(0, "Root", 50, 1, "Computer", 10, 0);
    EXPECT_EQ(records.SaveHighScores(), 1);
    EXPECT_EQ(ReadBytes(program / kFile), besideBytes);
    EXPECT_EQ(std::filesystem::file_size(data / kFile), 5296u);
}

// An installed program's folder is read-only: the copy beside it starts the table, the results go
// to the player's data folder, created private, and that file is read from then on.
TEST_F(HighScoreLocationTest, AReadOnlyProgramFolderSendsTheResultsToTheDataFolder) {
    PutTableBesideTheProgram("Shipped");
    const auto besideBytes = ReadBytes(program / kFile);
    std::filesystem::permissions(program, std::filesystem::perms(0555));
    std::filesystem::create_directories(directory / "home");
    std::filesystem::permissions(directory / "home", std::filesystem::perms(0777));

    AsOrdinaryUser([this] {
        HighScoreRecords records;
        records.SetLocation(ChooseHighScoreLocation(program, data));
        if (records.LoadHighScores() != 0 || records.LineText(0, 0).find("Shipped") == std::string::npos) {
            return 1;
        }
        records.RecordResult(0, "Player", 50, 1, "Computer", 10, 0);
        if (records.SaveHighScores() != 1 || !records.TakeProblemToTell().empty()) {
            return 2;
        }
        struct stat folder {};
        if (::stat(data.c_str(), &folder) != 0 || (folder.st_mode & 0777) != 0700) {
            return 3;
        }
        HighScoreRecords next;
        next.SetLocation(ChooseHighScoreLocation(program, data));
        next.LoadHighScores();
        return next.Table().ranges[0].count == 2 ? 0 : 4;
    });
    EXPECT_EQ(ReadBytes(program / kFile), besideBytes);
}

// Nothing is lost: the table stays in memory and the file beside the program is untouched; the
// player is told once, with the file and the reason.
TEST_F(HighScoreLocationTest, AnUnwritableDataFolderIsToldOnce) {
    PutTableBesideTheProgram("Shipped");
    std::filesystem::permissions(program, std::filesystem::perms(0555));
    std::filesystem::create_directories(data);
    std::filesystem::permissions(data, std::filesystem::perms(0555));
    GiveToTheOrdinaryUser(data);

    AsOrdinaryUser([this] {
        HighScoreRecords records;
        records.SetLocation(ChooseHighScoreLocation(program, data));
        records.LoadHighScores();
        records.RecordResult(0, "Player", 50, 1, "Computer", 10, 0);
        if (records.SaveHighScores() != -1) {
            return 1;
        }
        const std::string told = records.TakeProblemToTell();
        const std::string expected =
            "The high scores could not be saved to \"" + (data / kFile).string() + "\": Permission denied.";
        if (told != expected) {
            return 2;
        }
        if (records.SaveHighScores() != -1 || !records.TakeProblemToTell().empty()) {
            return 3;
        }
        return records.Table().ranges[0].count == 2 ? 0 : 4;
    });
}

// Something planted beside the program under the file's name is neither read nor replaced; the
// results go to the data folder and the player is told why.
TEST_F(HighScoreLocationTest, AFileBesideTheProgramThatIsNoRegularFileIsPassedBy) {
    ASSERT_EQ(::mkfifo((program / kFile).c_str(), 0666), 0);
    const HighScoreLocation location = ChooseHighScoreLocation(program, data);
    EXPECT_EQ(location.savePath, data / kFile);
    EXPECT_EQ(location.startPath, data / kFile);
    EXPECT_EQ(location.notice, std::string("\"") + (program / kFile).string() +
                                   "\" is not a regular file, so the high scores are kept in \"" +
                                   (data / kFile).string() + "\".");

    HighScoreRecords records;
    records.SetLocation(location);
    records.LoadHighScores();
    EXPECT_EQ(records.SaveHighScores(), 1);
    EXPECT_EQ(records.TakeProblemToTell(), location.notice);
    EXPECT_TRUE(std::filesystem::is_fifo(program / kFile));
    EXPECT_EQ(std::filesystem::file_size(data / kFile), 5296u);
}

// The data folder is used only as a real folder of the player's own. A link (to a shared place or
// another user's folder), a plain file, another user's folder or one that cannot be created is
// refused with the reason; nothing is read or written there, and the results stay in memory.
TEST_F(HighScoreLocationTest, ADataFolderThatIsNotThePlayersOwnIsRefusedWithTheReason) {
    std::filesystem::permissions(program, std::filesystem::perms(0555));
    const std::filesystem::path elsewhere = directory / "elsewhere";
    std::filesystem::create_directory(elsewhere);
    std::filesystem::permissions(elsewhere, std::filesystem::perms(0777));
    const std::filesystem::path planted = elsewhere / kFile;
    {
        HighScoreRecords plant;
        plant.SetFilePath(planted);
        plant.RecordResult(0, "Planted", 99, 1, "Computer", 0, 0);
        ASSERT_EQ(plant.SaveHighScores(), 1);
        std::filesystem::permissions(planted, std::filesystem::perms(0666));
    }
    const auto plantedBytes = ReadBytes(planted);
    const std::filesystem::path home = directory / "home";
    std::filesystem::create_directories(home / "locked");
    std::filesystem::permissions(home, std::filesystem::perms(0777));
    std::filesystem::permissions(home / "locked", std::filesystem::perms(0555));
    std::filesystem::create_symlink(elsewhere, home / "linked");
    WriteBytes(home / "file", {});

    AsOrdinaryUser([&] {
        const std::vector<std::pair<std::filesystem::path, std::string>> refused{
            {home / "linked", "is a symbolic link"},
            {home / "file", "cannot be used: Not a directory"},
            // The root folder belongs to root.
            {"/", "belongs to another user"},
            {home / "locked" / "quinsum", "cannot be created: Permission denied"},
        };
        for (const auto& [folder, reason] : refused) {
            HighScoreRecords records;
            records.SetLocation(ChooseHighScoreLocation(program, folder));
            records.LoadHighScores();
            if (records.Table().ranges[0].count != 0) {
                return 1;
            }
            records.RecordResult(0, "Player", 50, 1, "Computer", 10, 0);
            if (records.SaveHighScores() != -1 || records.Table().ranges[0].count != 1) {
                return 2;
            }
            const std::string expected = "The high scores could not be saved to \"" + (folder / kFile).string() +
                                         "\": the folder \"" + folder.string() + "\" " + reason + ".";
            if (records.TakeProblemToTell() != expected) {
                return 3;
            }
        }
        return 0;
    });
    EXPECT_EQ(ReadBytes(planted), plantedBytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(elsewhere), std::filesystem::directory_iterator()), 1);
    EXPECT_FALSE(std::filesystem::exists(home / "locked" / "quinsum"));
}
