#include "platform/Resources.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTextStream>
#include <map>
#include <memory>

#include "platform/GdiObjects.h"

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

}  // namespace

HBITMAP LoadBitmapResource(UINT id) {
    // Each picture is decoded once; every handle shares its pixels until someone draws into them
    // (QImage copies on write), so the cells and plates that load their tiles at every paint
    // cost no decoding.
    static auto* decoded = new std::map<UINT, QImage>;
    auto found = decoded->find(id);
    if (found == decoded->end()) {
        const QImage picture(ResourcePath("bitmaps", id, ".png"));
        if (picture.isNull()) {
            return nullptr;
        }
        found = decoded->emplace(id, picture.convertToFormat(QImage::Format_RGB32)).first;
    }
    auto* bitmap = new BitmapObject;
    bitmap->pixels = std::make_shared<QImage>(found->second);
    return bitmap;
}

HCURSOR LoadCursorResource(UINT id) {
    auto& cursors = SharedTable<CursorObject, Table::ResourceCursors>();
    if (const auto found = cursors.find(id); found != cursors.end()) {
        return found->second.get();
    }
    const QPixmap picture(ResourcePath("cursors", id, ".png"));
    if (picture.isNull()) {
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
