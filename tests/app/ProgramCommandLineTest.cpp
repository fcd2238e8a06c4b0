// SPDX-License-Identifier: MIT
// The program's command line, tried as a player would: the answers need no display; anything else
// is refused with a message and exit code 2 (the program never starts then; `timeout` guards it).

#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct ProgramRun {
    int status = -1;
    std::string output;
};

ProgramRun RunProgram(const std::string& environment, const std::string& arguments) {
    const std::string command =
        "env " + environment + " timeout 20 '" + std::string(QUINSUM_PROGRAM_PATH) + "' " + arguments + " 2>&1";
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        run.output += buffer;
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool CatchesTerminationSignal(const std::string& statusFile) {
    std::ifstream status(statusFile);
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0) {
            return (std::stoull(line.substr(7), nullptr, 16) & (1ULL << (SIGTERM - 1))) != 0;
        }
    }
    return false;
}

const std::string kNoDisplay = "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";
const std::string kOffscreen = "QT_QPA_PLATFORM=offscreen";

}  // namespace

TEST(ProgramCommandLine, VersionAndHelpAnswerWithoutADisplay) {
    const ProgramRun version = RunProgram(kNoDisplay, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, "quinsum 2.0\n");

    const ProgramRun help = RunProgram(kNoDisplay, "-h");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output.rfind("Usage: quinsum [options]\n", 0), 0u) << help.output;
    EXPECT_NE(help.output.find("--version"), std::string::npos);
}

TEST(ProgramCommandLine, UnknownOptionsAndStrayArgumentsAreRefused) {
    const ProgramRun option = RunProgram(kOffscreen, "--frobnicate");
    EXPECT_EQ(option.status, 2);
    EXPECT_NE(option.output.find("quinsum: Unknown option 'frobnicate'."), std::string::npos) << option.output;
    EXPECT_NE(option.output.find("Try 'quinsum --help'"), std::string::npos);

    const ProgramRun stray = RunProgram(kOffscreen, "scores.dat");
    EXPECT_EQ(stray.status, 2);
    EXPECT_NE(stray.output.find("unexpected argument 'scores.dat'"), std::string::npos) << stray.output;
}

// The end of a session or a Ctrl-C closes the windows as the player would: the results are saved.
TEST(ProgramCommandLine, ATerminationSignalClosesTheGameAndKeepsItsResults) {
    const TemporaryDirectory folder;
    const std::filesystem::path program = folder / "quinsum";
    std::filesystem::copy_file(QUINSUM_PROGRAM_PATH, program);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char* const arguments[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, program.c_str(), nullptr, nullptr, arguments, environ), 0);
    // The signal is sent once the program catches it.
    const std::string status = "/proc/" + std::to_string(pid) + "/status";
    for (int attempt = 0; attempt < 400 && !CatchesTerminationSignal(status); ++attempt) {
        ::usleep(50000);
    }
    ::kill(pid, SIGTERM);
    int exit = 0;
    ASSERT_EQ(::waitpid(pid, &exit, 0), pid);
    EXPECT_TRUE(WIFEXITED(exit));
    EXPECT_EQ(std::filesystem::file_size(folder / "high scores.dat"), 5296u);
}
