// SPDX-License-Identifier: MIT
#include "tools/artgen/ArtFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace artgen {

QString loadArtFonts() {
    for (const char* file : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"}) {
        const QString path = QString::fromLatin1(fontDirectory) + QLatin1Char('/') + QLatin1String(file);
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0 || !QFontDatabase::applicationFontFamilies(id).contains(QLatin1String(fontFamily)))
            return QStringLiteral("cannot load %1 (install fonts-liberation)").arg(path);
    }
    return {};
}

QFont artFont(int pixelSize, QFont::Weight weight) {
    QFont font(QString::fromLatin1(fontFamily));
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace artgen
