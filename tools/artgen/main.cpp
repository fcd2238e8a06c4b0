// SPDX-License-Identifier: MIT
// quinsum-artgen: draws the game's bitmaps, cursors and icon and synthesises its sounds.
//
//   quinsum-artgen RESOURCES_DIR [--preview DIR]
//
// Writes every resource file under RESOURCES_DIR; with --preview also writes a contact sheet and
// mock-ups of the board and dialogs into DIR, for looking at the art (not shipped).

#include "tools/artgen/ArtFonts.h"
#include "tools/artgen/BitmapCatalogue.h"
#include "tools/artgen/Preview.h"
#include "tools/artgen/ResourceWriter.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "quinsum-artgen: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Drawing needs no display; the offscreen platform keeps the output the same everywhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList arguments = QGuiApplication::arguments().mid(1);
    QString previewDir;
    if (const qsizetype flag = arguments.indexOf(QStringLiteral("--preview")); flag >= 0) {
        if (flag + 1 >= arguments.size())
            return fail(QStringLiteral("--preview needs a directory"));
        previewDir = arguments.at(flag + 1);
        arguments.remove(flag, 2);
    }
    if (arguments.size() != 1)
        return fail(QStringLiteral("usage: quinsum-artgen RESOURCES_DIR [--preview DIR]"));

    if (const QString error = artgen::loadArtFonts(); !error.isEmpty())
        return fail(error);

    const artgen::BitmapSet bitmaps = artgen::drawAllBitmaps(1);
    if (const QString error = artgen::writeResources(arguments.front(), bitmaps, artgen::drawAllBitmaps(2));
        !error.isEmpty())
        return fail(error);
    if (!previewDir.isEmpty())
        if (const QString error = artgen::writePreviews(previewDir, bitmaps); !error.isEmpty())
            return fail(error);
    return 0;
}
