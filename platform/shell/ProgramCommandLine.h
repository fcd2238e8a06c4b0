// SPDX-License-Identifier: MIT
#pragma once
// The command line every program of the layer answers, read whole before the toolkit starts (no
// display needed): --help and --version, and the toolkit's own options (-platform, -style,
// -reverse...), which are left for the toolkit to take.

#include <QStringList>
#include <optional>

// Who the program is, for its command line and for the desktop.
struct ApplicationIdentity {
    const char* name;  // the command, "quinsum"
    const char* version;
    const char* summary;          // one line for --help, translated in the context "ApplicationIdentity"
    const char* desktopFileName;  // the desktop entry's id, without ".desktop"
};

// The exit code when the command line ends the program: 0 after answering --help or --version on
// standard output, 2 after refusing an unknown option, a missing or unexpected value or a stray
// argument with a message on standard error. None when the program is to start.
std::optional<int> AnswerCommandLine(const QStringList& arguments, const ApplicationIdentity& identity);
