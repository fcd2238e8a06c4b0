// SPDX-License-Identifier: MIT
#include "scores/ProgramFiles.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::vector<unsigned char> kOld(5296, 0x11);
const std::vector<unsigned char> kNew(5296, 0x22);

class WholeFile : public ::testing::Test {
protected:
    void SetUp() override { WriteBytes(Target(), kOld); }

    std::filesystem::path Target() const { return directory / "high scores.dat"; }

    void ExpectOldFileAlone() const {
        EXPECT_EQ(ReadBytes(Target()), kOld);
        EXPECT_EQ(directory.Files(), std::vector<std::filesystem::path>{"high scores.dat"});
    }

    // Permissions do not stop root, so when the tests run as root the write is tried in a child
    // process that has given up root for the "nobody" user.
    void ExpectWriteRefusedToAnOrdinaryUser() const {
        const auto save = [this] {
            constexpr unsigned kNobody = 65534;
            if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
                std::_Exit(2);
            }
            std::_Exit(WriteWholeFile(Target(), kNew) == -1 ? 0 : 1);
        };
        EXPECT_EXIT(save(), ::testing::ExitedWithCode(0), "");
    }

    TemporaryDirectory directory;
};

}  // namespace

TEST(ProgramDirectory, IsTheExecutablesFolderWithItsSeparator) {
    const auto directory = ProgramDirectory();
    ASSERT_TRUE(directory.has_value());
    EXPECT_TRUE(directory->is_absolute());
    EXPECT_EQ(directory->string().back(), '/');
    EXPECT_TRUE(std::filesystem::equivalent(directory->parent_path(),
                                            std::filesystem::canonical("/proc/self/exe").parent_path()));
}

TEST_F(WholeFile, ReadFillsTheWholeBuffer) {
    std::array<unsigned char, 5296> buffer{};
    EXPECT_EQ(ReadWholeFile(Target(), buffer), 0);
    EXPECT_EQ(std::vector<unsigned char>(buffer.begin(), buffer.end()), kOld);
}

TEST_F(WholeFile, ReadOfAMissingFileZeroesTheBuffer) {
    std::array<unsigned char, 16> buffer;
    buffer.fill(0xAA);
    EXPECT_EQ(ReadWholeFile(directory / "missing.dat", buffer), -1);
    EXPECT_EQ(buffer, (std::array<unsigned char, 16>{}));
}

TEST_F(WholeFile, ReadOfADirectoryFails) {
    std::array<unsigned char, 16> buffer{};
    EXPECT_EQ(ReadWholeFile(directory.Path(), buffer), -1);
}

TEST_F(WholeFile, WriteReplacesTheFileAndLeavesNoTemporary) {
    EXPECT_EQ(WriteWholeFile(Target(), kNew), 1);
    EXPECT_EQ(ReadBytes(Target()), kNew);
    EXPECT_EQ(directory.Files(), std::vector<std::filesystem::path>{"high scores.dat"});
}

TEST_F(WholeFile, WriteWhoseParentIsAFileFails) {
    EXPECT_EQ(WriteWholeFile(Target() / "nested.dat", kNew), -1);
    ExpectOldFileAlone();
}

TEST_F(WholeFile, WriteOverADirectoryFailsAndRemovesTheTemporary) {
    std::filesystem::create_directory(directory / "folder.dat");
    EXPECT_EQ(WriteWholeFile(directory / "folder.dat", kNew), -1);
    EXPECT_TRUE(std::filesystem::is_directory(directory / "folder.dat"));
    EXPECT_EQ(directory.Files().size(), 2u);
    EXPECT_EQ(ReadBytes(Target()), kOld);
}

// A file-size limit makes every write past it fail as a full disk does, even for root. The
// limit is set in a child process so that it cannot affect the rest of the tests.
TEST_F(WholeFile, WriteOnAFullDiskLeavesThePreviousFile) {
    const auto saveWithLimit = [this] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::_Exit(WriteWholeFile(Target(), kNew) == -1 ? 0 : 1);
    };
    EXPECT_EXIT(saveWithLimit(), ::testing::ExitedWithCode(0), "");
    ExpectOldFileAlone();
}

TEST_F(WholeFile, WriteIntoAReadOnlyFolderFails) {
    std::filesystem::permissions(directory.Path(), std::filesystem::perms(0555));
    ExpectWriteRefusedToAnOrdinaryUser();
    std::filesystem::permissions(directory.Path(), std::filesystem::perms(0755));
    ExpectOldFileAlone();
}

TEST_F(WholeFile, ReadOnlyFileIsNotReplaced) {
    std::filesystem::permissions(directory.Path(), std::filesystem::perms(0777));
    std::filesystem::permissions(Target(), std::filesystem::perms(0444));
    ExpectWriteRefusedToAnOrdinaryUser();
    ExpectOldFileAlone();
}

// Only the read and write bits carry over: a name hard-linked to a set-user-id program must not
// turn the new table into one.
TEST_F(WholeFile, WriteKeepsOnlyTheFilesReadAndWritePermissions) {
    for (const auto& [before, after] : {std::pair{0600, 0600}, std::pair{06755, 0644}, std::pair{01660, 0660}}) {
        ASSERT_EQ(::chmod(Target().c_str(), static_cast<mode_t>(before)), 0);
        EXPECT_EQ(WriteWholeFile(Target(), kNew), 1);
        struct stat replaced {};
        ASSERT_EQ(::stat(Target().c_str(), &replaced), 0);
        EXPECT_EQ(replaced.st_mode & 07777, static_cast<mode_t>(after)) << std::oct << before;
    }
}

// A FIFO, a device or a folder under the file's name is refused at once: an alarm ends the test
// program if a read waits.
TEST_F(WholeFile, ReadNeverWaitsOnSomethingThatIsNoRegularFile) {
    ASSERT_EQ(::mkfifo((directory / "fifo.dat").c_str(), 0666), 0);
    std::array<unsigned char, 16> buffer{};
    ::alarm(10);
    for (const std::filesystem::path& path :
         {directory / "fifo.dat", std::filesystem::path("/dev/zero"), directory.Path()}) {
        buffer.fill(0xAA);
        EXPECT_EQ(ReadWholeFile(path, buffer), -1) << path;
        EXPECT_EQ(buffer, (std::array<unsigned char, 16>{})) << path;
    }
    ::alarm(0);
}

// A planted link is a trap: reading through it would show another user's private file, and
// replacing it would leave a world-readable copy. A link is neither read nor replaced, wherever
// it points.
TEST_F(WholeFile, SymbolicLinksAreNeitherReadNorReplaced) {
    const std::filesystem::path privateFile = directory / "private";
    WriteBytes(privateFile, kOld);
    std::filesystem::permissions(privateFile, std::filesystem::perms(0600));
    std::filesystem::create_directory(directory / "folder");
    for (const auto& [name, target] :
         {std::pair{"to-private.dat", privateFile}, std::pair{"dangling.dat", directory / "nowhere"},
          std::pair{"to-folder.dat", directory / "folder"}}) {
        const std::filesystem::path link = directory / name;
        std::filesystem::create_symlink(target, link);
        std::array<unsigned char, 16> buffer{};
        EXPECT_EQ(ReadWholeFile(link, buffer), -1) << name;
        EXPECT_EQ(buffer, (std::array<unsigned char, 16>{})) << name;
        std::string failure;
        EXPECT_EQ(WriteWholeFile(link, kNew, &failure), -1) << name;
        EXPECT_EQ(failure, "it is not a regular file");
        EXPECT_TRUE(std::filesystem::is_symlink(link)) << name;
    }
    EXPECT_EQ(ReadBytes(privateFile), kOld);
    EXPECT_FALSE(std::filesystem::exists(directory / "nowhere"));
    EXPECT_TRUE(std::filesystem::is_empty(directory / "folder"));
}
