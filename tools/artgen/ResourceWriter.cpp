// SPDX-License-Identifier: MIT
#include "tools/artgen/ResourceWriter.h"

#include "tools/artgen/Cursors.h"
#include "tools/artgen/Emblem.h"
#include "tools/artgen/SoundSynth.h"
#include "tools/artgen/WaveWriter.h"

#include <QDir>
#include <QSaveFile>

namespace artgen {

namespace {

QString savePng(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

QString saveText(const QString& text, const QString& path) {
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

QString ensureFolder(const QDir& root, const QString& name) {
    return root.mkpath(name) ? QString() : QStringLiteral("cannot create %1").arg(root.filePath(name));
}

}  // namespace

QString writeResources(const QString& root, const BitmapSet& bitmaps, const BitmapSet& bitmaps2x) {
    const QDir dir(root);
    for (const char* folder : {"bitmaps", "cursors", "icons", "sounds"})
        if (QString error = ensureFolder(dir, QString::fromLatin1(folder)); !error.isEmpty())
            return error;

    for (const auto& [set, suffix] : {std::pair{&bitmaps, ""}, std::pair{&bitmaps2x, "@2x"}}) {
        for (const auto& [id, image] : *set) {
            const QString path = dir.filePath(QStringLiteral("bitmaps/%1%2.png").arg(id).arg(QLatin1String(suffix)));
            if (QString error = savePng(image.convertToFormat(QImage::Format_RGB888), path); !error.isEmpty())
                return error;
        }
    }

    const QString cursorErrors = savePng(crossCursor(1), dir.filePath(QStringLiteral("cursors/134.png"))) +
                                 savePng(ringCursor(1), dir.filePath(QStringLiteral("cursors/135.png"))) +
                                 savePng(crossCursor(2), dir.filePath(QStringLiteral("cursors/134@2x.png"))) +
                                 savePng(ringCursor(2), dir.filePath(QStringLiteral("cursors/135@2x.png"))) +
                                 saveText(QStringLiteral("134 %1 %2\n135 %3 %4\n")
                                              .arg(crossHotSpot.x())
                                              .arg(crossHotSpot.y())
                                              .arg(ringHotSpot.x())
                                              .arg(ringHotSpot.y()),
                                          dir.filePath(QStringLiteral("cursors/hotspots.txt")));
    if (!cursorErrors.isEmpty())
        return cursorErrors;

    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        if (QString error = savePng(emblemIcon(side), dir.filePath(QStringLiteral("icons/128-%1.png").arg(side)));
            !error.isEmpty())
            return error;
    if (QString error = saveText(emblemSvg(), dir.filePath(QStringLiteral("icons/128.svg"))); !error.isEmpty())
        return error;

    const QString soundErrors =
        writeMonoWave(dir.filePath(QStringLiteral("sounds/303.wav")), clickSamples(), soundSampleRate) +
        writeMonoWave(dir.filePath(QStringLiteral("sounds/306.wav")), fanfareSamples(), soundSampleRate);
    return soundErrors;
}

}  // namespace artgen
