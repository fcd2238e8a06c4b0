// SPDX-License-Identifier: MIT
// The program's command line, tried as a player would: the answers need no display; anything else
// is refused with a message and exit code 2 (the program never starts then; `timeout` guards it).

#include "platform/shell/ProgramCommandLine.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// With or without a display: the command line is read before Qt needs one.
TEST(ProgramCommandLine, UnknownOptionsAndStrayArgumentsAreRefused) {
    for (const std::string& environment : {kNoDisplay, kOffscreen}) {
        const ProgramRun option = RunProgram(environment, "--frobnicate");
        EXPECT_EQ(option.status, 2) << environment;
        EXPECT_NE(option.output.find("quinsum: Unknown option 'frobnicate'."), std::string::npos) << option.output;
        EXPECT_NE(option.output.find("Try 'quinsum --help'"), std::string::npos);

        const ProgramRun stray = RunProgram(environment, "scores.dat");
        EXPECT_EQ(stray.status, 2) << environment;
        EXPECT_NE(stray.output.find("unexpected argument 'scores.dat'"), std::string::npos) << stray.output;
    }
}

// The first of the system's languages that the game speaks, from the compiled-in translations;
// English put first keeps English.
TEST(ProgramCommandLine, AnswersInThePlayersLanguage) {
    const std::string unset = kNoDisplay + " -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG ";
    EXPECT_NE(RunProgram(unset + "LANGUAGE=de LANG=fr_FR.UTF-8", "-h").output.find("Aufruf: quinsum [Optionen]\n"),
              std::string::npos);
    EXPECT_NE(RunProgram(unset + "LANG=fr_FR.UTF-8", "-h").output.find("Usage : quinsum [options]\n"),
              std::string::npos);
    EXPECT_NE(RunProgram(unset + "LANGUAGE=en:de LANG=de_DE.UTF-8", "-h").output.find("Usage: quinsum [options]\n"),
              std::string::npos);
    EXPECT_NE(RunProgram(unset + "LC_MESSAGES=it_IT.UTF-8", "stray").output.find("argomento inatteso 'stray'."),
              std::string::npos);
}

// Qt's own options are Qt's: none is read as the game's ("-reverse" holds no "-v", "-stylesheet" no
// "-h") and a value is no stray argument. A missing value, or a value given to --help, is refused.
TEST(ProgramCommandLine, LeavesQtsOwnOptionsToQt) {
    const ApplicationIdentity identity{"quinsum", "2.0", "", ""};
    const auto answer = [&identity](QStringList arguments) {
        arguments.prepend(QStringLiteral("quinsum"));
        return AnswerCommandLine(arguments, identity);
    };
    for (const QStringList& qtOptions :
         {QStringList{"-reverse"}, QStringList{"-visual", "0x21"}, QStringList{"-stylesheet", "/dev/null"},
          QStringList{"-style", "fusion"}, QStringList{"-style=fusion"}, QStringList{"--platform", "offscreen"},
          QStringList{"-qwindowgeometry", "640x480+0+0", "-display", ":0", "-name", "q", "-nograb"},
          QStringList{"-qmljsdebugger=port:1234"}}) {
        EXPECT_EQ(answer(qtOptions), std::nullopt) << qtOptions.join(' ').toStdString();
    }
    for (const QStringList& refused :
         {QStringList{"-style"}, QStringList{"--help=yes"}, QStringList{"-hv"}, QStringList{"-reverse", "stray"}}) {
        EXPECT_EQ(answer(refused), 2) << refused.join(' ').toStdString();
    }
}

namespace {

// The game started from a copy in `folder` with `arguments` and the environment less `unset`, once
// it catches termination signals (its board is being set up).
pid_t StartGame(const std::filesystem::path& folder, const std::vector<std::string>& arguments,
                const std::vector<std::string>& unset) {
    const std::filesystem::path program = folder / "quinsum";
    std::filesystem::copy_file(QUINSUM_PROGRAM_PATH, program);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> environment;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view entry(*variable);
        if (std::none_of(unset.begin(), unset.end(),
                         [&entry](const std::string& name) { return entry.starts_with(name + "="); })) {
            environment.push_back(*variable);
        }
    }
    environment.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environment.data()) != 0) {
        return -1;
    }
    const std::string status = "/proc/" + std::to_string(pid) + "/status";
    for (int attempt = 0; attempt < 400 && !CatchesTerminationSignal(status); ++attempt) {
        ::usleep(50000);
    }
    return pid;
}

}  // namespace

// The end of a session or a Ctrl-C closes the windows as the player would: the results are saved.
// Qt takes its own options: with no display but "-platform offscreen" the game comes up.
TEST(ProgramCommandLine, ATerminationSignalClosesTheGameAndKeepsItsResults) {
    const TemporaryDirectory folder;
    const pid_t pid = StartGame(folder.Path(), {"-platform", "offscreen", "-reverse", "-stylesheet", "/dev/null"},
                                {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(CatchesTerminationSignal("/proc/" + std::to_string(pid) + "/status"));
    ::kill(pid, SIGTERM);
    int exit = 0;
    ASSERT_EQ(::waitpid(pid, &exit, 0), pid);
    EXPECT_TRUE(WIFEXITED(exit));
    EXPECT_EQ(std::filesystem::file_size(folder / "high scores.dat"), 5296u);
}
