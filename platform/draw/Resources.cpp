// SPDX-License-Identifier: MIT
#include "platform/draw/Resources.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPixmap>
#include <QTextStream>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/draw/BackgroundWork.h"
#include "platform/draw/HandleObjects.h"

namespace {

QString ResourcePath(const char* folder, UINT id, const char* suffix) {
    return QStringLiteral(":/%1/%2%3").arg(QLatin1String(folder)).arg(id).arg(QLatin1String(suffix));
}

// Lines "ID rest" of a text resource, the rest split at single spaces.
std::map<UINT, QString> TableOf(const QString& path) {
    std::map<UINT, QString> table;
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
        const UINT id = line.left(separator).toUInt(&isNumber);
        if (separator > 0 && isNumber) {
            table.emplace(id, line.mid(separator + 1));
        }
    }
    return table;
}

// Loaded cursors and icons are shared and kept until the program ends, as the platform's are;
// they are made only after the application object exists.
enum class Table { ResourceCursors, StandardCursors, Icons };

template <typename Handle, Table>
std::map<UINT, std::unique_ptr<Handle>>& SharedTable() {
    static auto* table = new std::map<UINT, std::unique_ptr<Handle>>;
    return *table;
}

QImage DecodeBitmap(UINT id) {
    const QImage picture(ResourcePath("bitmaps", id, ".png"));
    return picture.isNull() ? picture : picture.convertToFormat(QImage::Format_RGB32);
}

// Each picture is decoded once; every handle shares its pixels until someone draws into them
// (QImage copies on write), so the cells and plates that load their tiles at every paint cost no
// decoding. Pictures may be queued for a worker thread; a thread that needs one the worker has not
// begun decodes it itself, and waits only for one being decoded.
class DecodedBitmaps {
public:
    static DecodedBitmaps& Instance() {
        static auto* decoded = new DecodedBitmaps;
        return *decoded;
    }

    QImage Picture(UINT id) {
        std::unique_lock lock(mutex_);
        Entry& entry = EntryFor(id);
        if (entry.claimed) {
            const std::shared_future<QImage> picture = entry.picture;
            lock.unlock();
            return picture.get();
        }
        entry.claimed = true;
        std::promise<QImage> promise = std::move(entry.promise);
        lock.unlock();
        QImage picture = DecodeBitmap(id);
        promise.set_value(picture);
        return picture;
    }

    // Queues the pictures nobody has decoded yet for a worker thread.
    void Prefetch(const std::vector<UINT>& ids) {
        {
            const std::lock_guard lock(mutex_);
            for (const UINT id : ids) {
                EntryFor(id);
            }
        }
        RunInBackground([this, ids] {
            for (const UINT id : ids) {
                std::unique_lock lock(mutex_);
                Entry& entry = EntryFor(id);
                if (entry.claimed) {
                    continue;
                }
                entry.claimed = true;
                std::promise<QImage> promise = std::move(entry.promise);
                lock.unlock();
                promise.set_value(DecodeBitmap(id));
            }
        });
    }

private:
    struct Entry {
        std::promise<QImage> promise;
        std::shared_future<QImage> picture = promise.get_future().share();
        bool claimed = false;  // being decoded, or decoded
    };

    Entry& EntryFor(UINT id) { return pictures_[id]; }

    std::mutex mutex_;
    std::map<UINT, Entry> pictures_;
};

}  // namespace

HBITMAP LoadBitmapResource(UINT id) {
    const QImage picture = DecodedBitmaps::Instance().Picture(id);
    if (picture.isNull()) {
        return nullptr;
    }
    auto* bitmap = new BitmapObject;
    bitmap->pixels = std::make_shared<QImage>(picture);
    bitmap->resourceId = id;
    bitmap->resourceKey = bitmap->pixels->cacheKey();
    return bitmap;
}

namespace {

// Drawing happens on the interface thread only.
std::map<UINT, QImage>& HighDensityBitmaps() {
    static auto* pictures = new std::map<UINT, QImage>;
    return *pictures;
}

}  // namespace

const QImage& HighDensityBitmap(UINT id) {
    std::map<UINT, QImage>* pictures = &HighDensityBitmaps();
    if (const auto found = pictures->find(id); found != pictures->end()) {
        return found->second;
    }
    QImage picture(ResourcePath("bitmaps", id, "@2x.png"));
    if (!picture.isNull()) {
        picture = picture.convertToFormat(QImage::Format_RGB32);
        picture.setDevicePixelRatio(2);
    }
    return pictures->emplace(id, std::move(picture)).first->second;
}

qreal TargetPixelRatio(const QPainter& painter) {
    // A painter on a widget reports the widget; its engine draws into the real target.
    const QPaintEngine* engine = painter.paintEngine();
    return engine != nullptr && engine->paintDevice() != nullptr ? engine->paintDevice()->devicePixelRatio()
                                                                 : painter.device()->devicePixelRatio();
}

std::set<UINT> HighDensityBitmapsRead() {
    std::set<UINT> ids;
    for (const auto& [id, picture] : HighDensityBitmaps()) {
        ids.insert(id);
    }
    return ids;
}

void PrefetchBitmapResources(const std::vector<UINT>& ids) {
    DecodedBitmaps::Instance().Prefetch(ids);
}

HCURSOR LoadCursorResource(UINT id) {
    auto& cursors = SharedTable<CursorObject, Table::ResourceCursors>();
    if (const auto found = cursors.find(id); found != cursors.end()) {
        return found->second.get();
    }
    // The @2x picture, whose file name gives it its density, where a screen is that dense.
    QPixmap picture;
    if (qGuiApp->devicePixelRatio() > 1) {
        picture.load(ResourcePath("cursors", id, "@2x.png"));
    }
    if (picture.isNull() && !picture.load(ResourcePath("cursors", id, ".png"))) {
        return nullptr;
    }
    int hotX = 0;
    int hotY = 0;
    const auto hotSpots = TableOf(QStringLiteral(":/cursors/hotspots.txt"));
    if (const auto spot = hotSpots.find(id); spot != hotSpots.end()) {
        const QStringList coordinates = spot->second.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (coordinates.size() == 2) {
            hotX = coordinates[0].toInt();
            hotY = coordinates[1].toInt();
        }
    }
    // Qt takes the hot spot in device-independent pixels, but its X11 backend hands it to the server
    // as it is, in the picture's own pixels.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        hotX = static_cast<int>(hotX * picture.devicePixelRatio());
        hotY = static_cast<int>(hotY * picture.devicePixelRatio());
    }
    auto cursor = std::make_unique<CursorObject>(CursorObject{QCursor(picture, hotX, hotY)});
    return cursors.emplace(id, std::move(cursor)).first->second.get();
}

HICON LoadIconResource(UINT id) {
    auto& icons = SharedTable<IconObject, Table::Icons>();
    if (const auto found = icons.find(id); found != icons.end()) {
        return found->second.get();
    }
    // One picture per size, "ID-SIZE.png"; found by name, read when the icon is first used.
    const QDir folder(QStringLiteral(":/icons"));
    const QString prefix = QStringLiteral("%1-").arg(id);
    QStringList files;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        if (name.startsWith(prefix) && name.endsWith(QLatin1String(".png"))) {
            files.append(folder.filePath(name));
        }
    }
    if (files.isEmpty()) {
        return nullptr;
    }
    return icons.emplace(id, std::make_unique<IconObject>(files)).first->second.get();
}

HCURSOR LoadStandardCursor(UINT id) {
    Qt::CursorShape shape = Qt::ArrowCursor;
    switch (id) {
    case IDC_ARROW:
        shape = Qt::ArrowCursor;
        break;
    case IDC_WAIT:
        shape = Qt::WaitCursor;
        break;
    case IDC_HAND:
        shape = Qt::PointingHandCursor;
        break;
    default:
        return nullptr;
    }
    auto& cursors = SharedTable<CursorObject, Table::StandardCursors>();
    if (const auto found = cursors.find(id); found != cursors.end()) {
        return found->second.get();
    }
    return cursors.emplace(id, std::make_unique<CursorObject>(CursorObject{QCursor(shape)})).first->second.get();
}

QByteArray LoadWaveResource(UINT id) {
    QFile file(ResourcePath("sounds", id, ".wav"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string LoadStringResource(UINT id) {
    static const auto strings = TableOf(QStringLiteral(":/strings/strings.txt"));
    const auto found = strings.find(id);
    return found == strings.end() ? std::string() : found->second.toStdString();
}
