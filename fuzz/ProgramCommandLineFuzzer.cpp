// SPDX-License-Identifier: MIT
// The game's own command line from arbitrary bytes, NUL-separated as the kernel passes it, through
// both checks the program makes before and after the toolkit starts. Their answers go to standard
// output and error; tools/fuzz.sh has libFuzzer close both.

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
    const std::optional<int> answered = AnswerInformationRequest(arguments, identity);
    Require(!answered || *answered == 0, "an answered request exits with 0");
    const std::optional<int> refused = RefuseOtherArguments(arguments, identity);
    Require(!refused || *refused == 2, "refused arguments exit with 2");
    return 0;
}
