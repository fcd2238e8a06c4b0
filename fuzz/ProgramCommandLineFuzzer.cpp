// SPDX-License-Identifier: MIT
// The game's own command line from arbitrary bytes, NUL-separated as the kernel passes it, read as
// the program reads it before the toolkit starts. Its answers go to standard output and error;
// tools/fuzz.sh has libFuzzer close both.

#include "fuzz/FuzzSupport.h"
#include "platform/shell/ProgramCommandLine.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ApplicationIdentity identity{"quinsum", "2.0", "A fuzzed command line.", "io.github.quinsum.Quinsum"};

    QStringList arguments{QStringLiteral("quinsum")};
    for (const std::string_view argument : SplitArguments({reinterpret_cast<const char*>(data), size})) {
        arguments.append(QString::fromLocal8Bit(argument.data(), static_cast<qsizetype>(argument.size())));
    }
    const std::optional<int> exitCode = AnswerCommandLine(arguments, identity);
    Require(!exitCode || *exitCode == 0 || *exitCode == 2, "an answer exits with 0, a refusal with 2");
    return 0;
}
