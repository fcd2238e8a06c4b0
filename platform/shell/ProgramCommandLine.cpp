// SPDX-License-Identifier: MIT
#include "platform/shell/ProgramCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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

// The command line's own texts, in the player's language once the program's translations are installed.
QString Text(const char* source) {
    return QCoreApplication::translate("ProgramCommandLine", source);
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

void PrintHelp(const ApplicationIdentity& identity) {
    // The options' names keep their column; only the descriptions are translated.
    Print(stdout,
          Text(QT_TRANSLATE_NOOP("ProgramCommandLine", "Usage: %1 [options]")).arg(QString::fromUtf8(identity.name)) +
              QLatin1Char('\n') + QCoreApplication::translate("ApplicationIdentity", identity.summary) +
              QStringLiteral("\n\n") + Text(QT_TRANSLATE_NOOP("ProgramCommandLine", "Options:")) +
              QStringLiteral("\n  -h, --help     ") +
              Text(QT_TRANSLATE_NOOP("ProgramCommandLine", "Show this help and exit.")) +
              QStringLiteral("\n  -v, --version  ") +
              Text(QT_TRANSLATE_NOOP("ProgramCommandLine", "Show the version and exit.")) + QStringLiteral("\n\n") +
              Text(QT_TRANSLATE_NOOP("ProgramCommandLine",
                                     "The Qt toolkit's own options, such as -platform and -style, are "
                                     "taken too.")) +
              QLatin1Char('\n'));
}

int Refuse(const ApplicationIdentity& identity, const QString& problem) {
    const QString name = QString::fromUtf8(identity.name);
    Print(stderr, name + QStringLiteral(": ") + problem + QLatin1Char('\n') +
                      Text(QT_TRANSLATE_NOOP("ProgramCommandLine", "Try '%1 --help' for more information.")).arg(name) +
                      QLatin1Char('\n'));
    return 2;
}

}  // namespace

std::optional<int> AnswerCommandLine(const QStringList& arguments, const ApplicationIdentity& identity) {
    Parser options;
    if (!options.parser.parse(arguments)) {
        return Refuse(identity, options.parser.errorText());
    }
    if (const QStringList extra = options.parser.positionalArguments(); !extra.isEmpty()) {
        return Refuse(
            identity,
            Text(QT_TRANSLATE_NOOP("ProgramCommandLine", "unexpected argument '%1'.")).arg(extra.constFirst()));
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
