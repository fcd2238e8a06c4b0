// SPDX-License-Identifier: MIT
#include "dialogs/RememberedSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include "core/NumberRange.h"

namespace {

// More than a settings file of ours ever holds: anything larger is left alone.
constexpr qint64 kLargestFile = 64 * 1024;
// Longer than any name the name boxes take.
constexpr qsizetype kLongestName = 64;

constexpr std::array<const char*, 4> kOpponentWords{"person", "novice", "intermediate", "expert"};

// The file is opened only when it is absent or a regular file of a sensible size: QSettings reads
// it whole at once, and a pipe or a device in its place would block the game.
std::unique_ptr<QSettings> File(const QString& group = QStringLiteral("Game")) {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/quinsum/quinsum.conf");
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || info.size() > kLargestFile)) {
        return nullptr;
    }
    auto file = std::make_unique<QSettings>(path, QSettings::IniFormat);
    file->beginGroup(group);
    return file;
}

std::optional<std::string> Name(const QSettings& file, const QString& key) {
    QString name = file.value(key).toString();
    name.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    if (name.isEmpty() || name.size() > kLongestName) {
        return std::nullopt;
    }
    return name.toStdString();
}

std::optional<OpponentKind> Opponent(const QSettings& file) {
    const QString word = file.value(QStringLiteral("opponent")).toString();
    for (std::size_t kind = 0; kind < kOpponentWords.size(); ++kind) {
        if (word == QLatin1String(kOpponentWords[kind])) {
            return static_cast<OpponentKind>(kind);
        }
    }
    return std::nullopt;
}

// Only the four ranges the settings offer.
std::optional<std::pair<std::int32_t, std::int32_t>> Range(const QSettings& file) {
    bool lowRead = false;
    bool highRead = false;
    const std::pair<std::int32_t, std::int32_t> bounds{file.value(QStringLiteral("rangeLow")).toInt(&lowRead),
                                                       file.value(QStringLiteral("rangeHigh")).toInt(&highRead)};
    if (!lowRead || !highRead || RangeBounds(RangeIndex(bounds.first, bounds.second)) != bounds) {
        return std::nullopt;
    }
    return bounds;
}

}  // namespace

void RestoreSettings(GameSettings& settings, int& sound) {
    const std::unique_ptr<QSettings> file = File();
    if (file == nullptr) {
        return;
    }
    if (const auto name = Name(*file, QStringLiteral("firstName"))) {
        settings.playerName[0] = *name;
    }
    if (const auto opponent = Opponent(*file)) {
        settings.playerKind[1] = *opponent;
    }
    if (const auto name = Name(*file, QStringLiteral("secondName"))) {
        settings.playerName[1] = *name;
    }
    if (const auto range = Range(*file)) {
        std::tie(settings.rangeLow, settings.rangeHigh) = *range;
    }
    const QString soundOn = file->value(QStringLiteral("sound")).toString();
    if (soundOn == QLatin1String("true") || soundOn == QLatin1String("false")) {
        sound = soundOn == QLatin1String("true") ? 1 : 0;
    }
}

void RememberSettings(const GameSettings& settings) {
    const std::unique_ptr<QSettings> file = File();
    if (file == nullptr) {
        return;
    }
    // Kinds above the last are played as it.
    const auto opponent = std::min(static_cast<std::size_t>(settings.playerKind[1]), kOpponentWords.size() - 1);
    file->setValue(QStringLiteral("firstName"), QString::fromStdString(settings.playerName[0]));
    file->setValue(QStringLiteral("secondName"), QString::fromStdString(settings.playerName[1]));
    file->setValue(QStringLiteral("opponent"), QLatin1String(kOpponentWords[opponent]));
    file->setValue(QStringLiteral("rangeLow"), settings.rangeLow);
    file->setValue(QStringLiteral("rangeHigh"), settings.rangeHigh);
}

BoardSize RestoreBoardSize(const QSize& smallest, const QSize& available) {
    BoardSize board{smallest, false};
    const std::unique_ptr<QSettings> file = File(QStringLiteral("Board"));
    if (file == nullptr) {
        return board;
    }
    const QVariant size = file->value(QStringLiteral("size"));
    if (size.typeId() == QMetaType::QSize) {
        const QSize kept = size.toSize();
        // A size below the smallest is not one the window could have had.
        if (kept.width() >= smallest.width() && kept.height() >= smallest.height()) {
            board.size = kept.boundedTo(available).expandedTo(smallest);
        }
    }
    board.fullScreen = file->value(QStringLiteral("fullScreen")).toString() == QLatin1String("true");
    return board;
}

void RememberBoardSize(const BoardSize& board) {
    if (const std::unique_ptr<QSettings> file = File(QStringLiteral("Board"))) {
        file->setValue(QStringLiteral("size"), board.size);
        file->setValue(QStringLiteral("fullScreen"), board.fullScreen);
    }
}

void RememberSound(int sound) {
    if (const std::unique_ptr<QSettings> file = File()) {
        file->setValue(QStringLiteral("sound"), sound != 0);
    }
}
