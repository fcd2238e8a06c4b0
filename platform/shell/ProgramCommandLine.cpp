// SPDX-License-Identifier: MIT
#include "platform/shell/ProgramCommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

namespace {

// The options Qt 6 takes from the command line of a widgets program on Linux (QGuiApplication,
// QApplication and the xcb platform), each also written with two dashes. They are declared so that
// "-reverse" is not read as "-r -e -v ..." and a value such as "-style fusion" is not a stray
// argument; Qt then takes them from the command line itself.
const QStringList kToolkitOptionsWithValue =
    QStringLiteral(
        "platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowtitle title "
        "qwindowicon icon session style stylesheet display name visual qmljsdebugger")
        .split(QLatin1Char(' '));
const QStringList kToolkitFlags =
    QStringLiteral("reverse widgetcount testability nograb dograb").split(QLatin1Char(' '));

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};

    Parser() {
        // Qt's options have one dash and long names.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        for (const QString& name : kToolkitOptionsWithValue) {
            parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
        }
        for (const QString& name : kToolkitFlags) {
            parser.addOption(QCommandLineOption(name));
        }
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

std::optional<int> AnswerCommandLine(const QStringList& arguments, const ApplicationIdentity& identity) {
    Parser options;
    if (!options.parser.parse(arguments)) {
        return Refuse(identity, options.parser.errorText());
    }
    if (const QStringList extra = options.parser.positionalArguments(); !extra.isEmpty()) {
        return Refuse(identity, QStringLiteral("unexpected argument '%1'.").arg(extra.constFirst()));
    }
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
