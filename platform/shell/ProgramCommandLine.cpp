// SPDX-License-Identifier: MIT
#include "platform/shell/ProgramCommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

namespace {

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};

    Parser() {
        parser.addOption(help);
        parser.addOption(version);
    }
};

void PrintHelp(const ApplicationIdentity& identity) {
    std::printf(
        "Usage: %s [options]\n%s\n\n"
        "Options:\n"
        "  -h, --help     Show this help and exit.\n"
        "  -v, --version  Show the version and exit.\n\n"
        "The Qt toolkit's own options, such as -platform and -style, are taken too.\n",
        identity.name, identity.summary);
}

int Refuse(const ApplicationIdentity& identity, const QString& problem) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", identity.name, qPrintable(problem),
                 identity.name);
    return 2;
}

}  // namespace

std::optional<int> AnswerInformationRequest(const QStringList& arguments, const ApplicationIdentity& identity) {
    Parser options;
    // The toolkit's options are not known yet; only the two answers matter here.
    options.parser.parse(arguments);
    if (options.parser.isSet(options.help)) {
        PrintHelp(identity);
        return 0;
    }
    if (options.parser.isSet(options.version)) {
        std::printf("%s %s\n", identity.name, identity.version);
        return 0;
    }
    return std::nullopt;
}

std::optional<int> RefuseOtherArguments(const QStringList& arguments, const ApplicationIdentity& identity) {
    Parser options;
    if (!options.parser.parse(arguments)) {
        return Refuse(identity, options.parser.errorText());
    }
    if (const QStringList extra = options.parser.positionalArguments(); !extra.isEmpty()) {
        return Refuse(identity, QStringLiteral("unexpected argument '%1'.").arg(extra.constFirst()));
    }
    return std::nullopt;
}
