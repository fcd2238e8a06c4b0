// SPDX-License-Identifier: MIT
#include "tools/artgen/WaveWriter.h"

#include <QDataStream>
#include <QSaveFile>

namespace artgen {

QString writeMonoWave(const QString& path, const std::vector<std::int16_t>& samples, int sampleRate) {
    constexpr quint16 channels = 1;
    constexpr quint16 bitsPerSample = 16;
    constexpr quint16 blockAlign = channels * bitsPerSample / 8;
    const auto dataBytes = static_cast<quint32>(samples.size() * blockAlign);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32{36 + dataBytes};
    out.writeRawData("WAVE", 4);
    out.writeRawData("fmt ", 4);
    out << quint32{16} << quint16{1} << channels << static_cast<quint32>(sampleRate)
        << static_cast<quint32>(sampleRate) * blockAlign << blockAlign << bitsPerSample;
    out.writeRawData("data", 4);
    out << dataBytes;
    for (const std::int16_t sample : samples)
        out << static_cast<qint16>(sample);
    if (out.status() != QDataStream::Ok || !file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

}  // namespace artgen
