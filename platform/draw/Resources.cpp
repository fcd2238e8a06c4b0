// SPDX-License-Identifier: MIT
#include "platform/draw/Resources.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPixmap>
#include <QTextStream>
#include <cmath>
#include <future>
#include <map>
#include <mutex>
#include <utility>

#include "platform/draw/BackgroundWork.h"

namespace {

// Above this factor a cursor is drawn from its twin.
constexpr qreal kDenseCursorScale = 1.5;

QString ResourcePath(const char* folder, unsigned id, const char* suffix) {
    return QStringLiteral(":/%1/%2%3").arg(QLatin1String(folder)).arg(id).arg(QLatin1String(suffix));
}

// Lines "ID rest" of a text resource, the rest split at single spaces.
std::map<unsigned, QString> TableOf(const QString& path) {
    std::map<unsigned, QString> table;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return table;
    }
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    while (!stream.atEnd()) {
        const QString line = stream.readLine();
        const qsizetype separator = line.indexOf(QLatin1Char(' '));
        bool isNumber = false;
        const unsigned id = line.left(separator).toUInt(&isNumber);
        if (separator > 0 && isNumber) {
            table.emplace(id, line.mid(separator + 1));
        }
    }
    return table;
}

QImage DecodeBitmap(unsigned id) {
    const QImage picture(ResourcePath("bitmaps", id, ".png"));
    return picture.isNull() ? picture : picture.convertToFormat(QImage::Format_RGB32);
}

// Each picture is decoded once; every copy shares its pixels (QImage copies on write), so the cells
// and plates that take their tiles at every new look cost no decoding. Pictures may be queued for a worker thread; a
// thread that needs one the worker has not begun decodes it itself, and waits only for one being decoded.
class DecodedBitmaps {
public:
    static DecodedBitmaps& Instance() {
        static auto* decoded = new DecodedBitmaps;
        return *decoded;
    }

    QImage Picture(unsigned id) {
        std::unique_lock lock(mutex_);
        Entry& entry = pictures_[id];
        const std::shared_future<QImage> picture = entry.picture;
        if (!std::exchange(entry.claimed, true)) {
            Decode(id, std::move(lock));
        }
        return picture.get();
    }

    // Queues the pictures nobody has decoded yet for the worker.
    void Prefetch(const std::vector<unsigned>& ids) {
        RunInBackground([this, ids] {
            for (const unsigned id : ids) {
                std::unique_lock lock(mutex_);
                if (!std::exchange(pictures_[id].claimed, true)) {
                    Decode(id, std::move(lock));
                }
            }
        });
    }

private:
    struct Entry {
        std::promise<QImage> promise;
        std::shared_future<QImage> picture = promise.get_future().share();
        bool claimed = false;  // being decoded, or decoded
    };

    // Decodes a picture just claimed, without holding the lock meanwhile.
    void Decode(unsigned id, std::unique_lock<std::mutex> lock) {
        std::promise<QImage> promise = std::move(pictures_[id].promise);
        lock.unlock();
        promise.set_value(DecodeBitmap(id));
    }

    std::mutex mutex_;
    std::map<unsigned, Entry> pictures_;
};

// Drawing happens on the interface thread only.
std::map<unsigned, QImage>& HighDensityBitmaps() {
    static auto* pictures = new std::map<unsigned, QImage>;
    return *pictures;
}

}  // namespace

QImage BitmapResource(unsigned id) {
    return DecodedBitmaps::Instance().Picture(id);
}

const QImage& HighDensityBitmap(unsigned id) {
    std::map<unsigned, QImage>& pictures = HighDensityBitmaps();
    if (const auto found = pictures.find(id); found != pictures.end()) {
        return found->second;
    }
    QImage picture(ResourcePath("bitmaps", id, "@2x.png"));
    if (!picture.isNull()) {
        picture = picture.convertToFormat(QImage::Format_RGB32);
        picture.setDevicePixelRatio(2);
    }
    return pictures.emplace(id, std::move(picture)).first->second;
}

qreal TargetPixelRatio(const QPainter& painter) {
    // A painter on a widget reports the widget; its engine draws into the real target.
    const QPaintEngine* engine = painter.paintEngine();
    return engine != nullptr && engine->paintDevice() != nullptr ? engine->paintDevice()->devicePixelRatio()
                                                                 : painter.device()->devicePixelRatio();
}

std::set<unsigned> HighDensityBitmapsRead() {
    std::set<unsigned> ids;
    for (const auto& [id, picture] : HighDensityBitmaps()) {
        ids.insert(id);
    }
    return ids;
}

void PrefetchBitmapResources(const std::vector<unsigned>& ids) {
    DecodedBitmaps::Instance().Prefetch(ids);
}

QCursor CursorResource(unsigned id, qreal scale) {
    // Kept until the program ends; made only after the application object exists.
    static auto* cursors = new std::map<std::pair<unsigned, qreal>, QCursor>;
    const auto key = std::make_pair(id, scale);
    if (const auto found = cursors->find(key); found != cursors->end()) {
        return found->second;
    }
    // The @2x picture, whose file name gives it its density, where a screen is that dense or the
    // window's factor is closer to it.
    const qreal screenRatio = qGuiApp->devicePixelRatio();
    QPixmap picture;
    if (screenRatio > 1 || scale > kDenseCursorScale) {
        picture.load(ResourcePath("cursors", id, "@2x.png"));
    }
    if (picture.isNull() && !picture.load(ResourcePath("cursors", id, ".png"))) {
        return QCursor();
    }
    if (scale != 1) {
        const QSize shown = (picture.deviceIndependentSize() * scale * screenRatio).toSize();
        picture = picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(screenRatio);
    }
    int hotX = 0;
    int hotY = 0;
    const auto hotSpots = TableOf(QStringLiteral(":/cursors/hotspots.txt"));
    if (const auto spot = hotSpots.find(id); spot != hotSpots.end()) {
        const QStringList coordinates = spot->second.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (coordinates.size() == 2) {
            hotX = static_cast<int>(std::lround(coordinates[0].toInt() * scale));
            hotY = static_cast<int>(std::lround(coordinates[1].toInt() * scale));
        }
    }
    // Qt takes the hot spot in device-independent pixels, but its X11 backend hands it to the server
    // as it is, in the picture's own pixels.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        hotX = static_cast<int>(hotX * picture.devicePixelRatio());
        hotY = static_cast<int>(hotY * picture.devicePixelRatio());
    }
    return cursors->emplace(key, QCursor(picture, hotX, hotY)).first->second;
}

QIcon IconResource(unsigned id) {
    // One picture per size, "ID-SIZE.png", each read when the icon is first drawn at that size.
    QIcon icon;
    const QDir folder(QStringLiteral(":/icons"));
    const QString prefix = QStringLiteral("%1-").arg(id);
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        if (name.startsWith(prefix) && name.endsWith(QLatin1String(".png"))) {
            icon.addFile(folder.filePath(name));
        }
    }
    return icon;
}

QByteArray WaveResource(unsigned id) {
    QFile file(ResourcePath("sounds", id, ".wav"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string StringResource(unsigned id) {
    static const auto strings = TableOf(QStringLiteral(":/strings/strings.txt"));
    const auto found = strings.find(id);
    return found == strings.end() ? std::string() : found->second.toStdString();
}
