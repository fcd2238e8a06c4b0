// SPDX-License-Identifier: MIT
#pragma once
// The command line every program of the layer answers: --help and --version, printed before the
// toolkit starts (no display needed), and nothing else beyond the toolkit's own options.

#include <QStringList>
#include <optional>

// Who the program is, for its command line and for the desktop.
struct ApplicationIdentity {
    const char* name;  // the command, "quinsum"
    const char* version;
    const char* summary;          // one line for --help
    const char* desktopFileName;  // the desktop entry's id, without ".desktop"
};

// --help or --version anywhere: the answer on standard output, and the exit code 0.
std::optional<int> AnswerInformationRequest(const QStringList& arguments, const ApplicationIdentity& identity);
// After the toolkit has taken its own options: anything left is refused with a message on
// standard error, and the exit code 2.
std::optional<int> RefuseOtherArguments(const QStringList& arguments, const ApplicationIdentity& identity);
