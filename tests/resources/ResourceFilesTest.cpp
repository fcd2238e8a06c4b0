// SPDX-License-Identifier: MIT
// Every picture, cursor, icon and sound the game loads exists at its exact size and format.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QXmlStreamReader>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

QString resourcePath(const QString& relative) {
    return QDir(QStringLiteral(QUINSUM_RESOURCE_DIR)).filePath(relative);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 little32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 little16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// The image header of a PNG file: bit depth and colour type (2 = RGB, 6 = RGB with alpha).
struct PngHeader {
    int width;
    int height;
    int bitDepth;
    int colourType;
};

std::optional<PngHeader> readPngHeader(const QString& path) {
    const QByteArray bytes = readAll(path);
    if (bytes.size() < 33 || !bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.mid(12, 4) != "IHDR")
        return std::nullopt;
    return PngHeader{static_cast<int>(qFromBigEndian<quint32>(bytes.constData() + 16)),
                     static_cast<int>(qFromBigEndian<quint32>(bytes.constData() + 20)), static_cast<uchar>(bytes[24]),
                     static_cast<uchar>(bytes[25])};
}

struct BitmapSize {
    int id;
    int width;
    int height;
};

void PrintTo(const BitmapSize& bitmap, std::ostream* out) {
    *out << "bitmap " << bitmap.id;
}

const std::vector<BitmapSize> allBitmaps{
    {152, 75, 75},  {155, 75, 75},   {178, 75, 75},   {179, 75, 75},   {289, 75, 75},  {300, 75, 75},  {221, 109, 36},
    {222, 109, 36}, {218, 640, 480}, {244, 300, 500}, {262, 500, 833}, {219, 193, 55}, {223, 193, 55}, {278, 53, 53},
    {292, 300, 53}, {295, 193, 63},  {296, 193, 63},  {297, 193, 63},  {298, 193, 63}, {230, 193, 55}, {231, 193, 55},
    {237, 193, 55}, {238, 193, 55},  {233, 193, 55},  {167, 193, 55},  {168, 193, 55}, {243, 193, 55}, {163, 193, 55},
    {164, 193, 55}, {259, 193, 63},  {261, 193, 63},  {246, 96, 26},   {248, 96, 26},  {249, 96, 26},  {250, 96, 26},
    {253, 96, 26},  {254, 96, 26},   {256, 96, 26},   {255, 96, 26},   {251, 96, 26},  {252, 96, 26},  {271, 112, 39},
    {272, 112, 39}, {265, 112, 39},  {266, 112, 39},  {267, 112, 39},  {268, 112, 39}, {269, 112, 39}, {270, 112, 39},
};

QImage loadBitmap(int id) {
    return QImage(resourcePath(QStringLiteral("bitmaps/%1.png").arg(id)));
}

class BitmapFileTest : public testing::TestWithParam<BitmapSize> {};

// The picture and its high-density twin, at exactly twice the size.
TEST_P(BitmapFileTest, IsAnOpaque24BitPictureOfItsExactSize) {
    const BitmapSize expected = GetParam();
    for (const auto& [suffix, scale] : {std::pair{"", 1}, std::pair{"@2x", 2}}) {
        const QString path =
            resourcePath(QStringLiteral("bitmaps/%1%2.png").arg(expected.id).arg(QLatin1String(suffix)));
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << path.toStdString();
        EXPECT_EQ(image.size(), QSize(expected.width, expected.height) * scale);
        EXPECT_FALSE(image.hasAlphaChannel());

        const std::optional<PngHeader> header = readPngHeader(path);
        ASSERT_TRUE(header.has_value());
        EXPECT_EQ(header->bitDepth, 8);
        EXPECT_EQ(header->colourType, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBitmap, BitmapFileTest, testing::ValuesIn(allBitmaps),
                         [](const testing::TestParamInfo<BitmapSize>& param) {
                             return "Bitmap" + std::to_string(param.param.id);
                         });

TEST(BitmapFolder, HoldsOnlyTheGamesBitmaps) {
    std::set<QString> expected;
    for (const BitmapSize& bitmap : allBitmaps) {
        expected.insert(QStringLiteral("%1.png").arg(bitmap.id));
        expected.insert(QStringLiteral("%1@2x.png").arg(bitmap.id));
    }
    const QStringList found = QDir(resourcePath(QStringLiteral("bitmaps"))).entryList(QDir::Files);
    EXPECT_EQ(std::set<QString>(found.begin(), found.end()), expected);
}

// Pixels of the selection blue, which only hover, pressed and checked pictures carry.
int outlinePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.blue() > pixel.red() + 100 && pixel.blue() > pixel.green() + 50)
                ++count;
        }
    return count;
}

TEST(ButtonVariants, HoverPressedAndCheckedPicturesAddABlueOutline) {
    const std::vector<std::pair<int, int>> pairs{{219, 223}, {237, 238}, {233, 167}, {168, 243}, {163, 164}, {295, 296},
                                                 {297, 298}, {246, 253}, {248, 254}, {249, 256}, {250, 255}, {251, 252},
                                                 {271, 272}, {265, 266}, {267, 268}, {269, 270}};
    for (const auto& [normal, outlined] : pairs) {
        const QImage plain = loadBitmap(normal);
        const QImage selected = loadBitmap(outlined);
        ASSERT_EQ(plain.size(), selected.size()) << normal << " / " << outlined;
        EXPECT_EQ(outlinePixels(plain), 0) << normal;
        // An outline runs round the whole body: at least its width and height, twice.
        EXPECT_GT(outlinePixels(selected), plain.width() + plain.height()) << outlined;
    }
}

TEST(ButtonVariants, MenuOkHoverLooksTheSameAsOk) {
    EXPECT_EQ(loadBitmap(230), loadBitmap(231));
}

TEST(CellTiles, ClaimedTilesCarryAWhiteDiscWhereTheSmallNumberGoes) {
    // The number is centred on the right half of a 76-pixel cell, 8 to 23 pixels from the top.
    for (const int id : {178, 179, 289, 300}) {
        const QImage tile = loadBitmap(id);
        for (const QPoint point : {QPoint(57, 15), QPoint(47, 12), QPoint(67, 19)})
            EXPECT_EQ(tile.pixelColor(point), QColor(Qt::white)) << id << " at " << point.x() << "," << point.y();
    }
}

TEST(CellTiles, FreeTilesKeepTheirMiddleClearForTheLargeNumber) {
    // A free tile's middle is one calm colour, so black digits read on it.
    for (const int id : {152, 155}) {
        const QImage tile = loadBitmap(id);
        const QColor centre = tile.pixelColor(37, 37);
        for (const QPoint point : {QPoint(20, 37), QPoint(54, 37)}) {
            const QColor other = tile.pixelColor(point);
            EXPECT_LE(std::abs(other.lightness() - centre.lightness()), 8) << id;
        }
        EXPECT_GT(centre.lightness(), 120) << id;
    }
}

TEST(Cursors, AreTransparent32PixelPicturesWithTheirHotSpots) {
    for (const QString name : {"134", "135", "134@2x", "135@2x"}) {
        const QString path = resourcePath(QStringLiteral("cursors/%1.png").arg(name));
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << path.toStdString();
        const int side = name.endsWith(QLatin1String("@2x")) ? 64 : 32;
        EXPECT_EQ(image.size(), QSize(side, side));
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(image.pixelColor(side - 1, side - 1).alpha(), 0);
        const std::optional<PngHeader> header = readPngHeader(path);
        ASSERT_TRUE(header.has_value());
        EXPECT_EQ(header->colourType, 6);
    }
    // The X crosses its hot spot; the O surrounds it.
    EXPECT_EQ(QImage(resourcePath(QStringLiteral("cursors/134.png"))).pixelColor(15, 15).alpha(), 255);
    EXPECT_EQ(QImage(resourcePath(QStringLiteral("cursors/135.png"))).pixelColor(16, 6).alpha(), 255);
    EXPECT_EQ(QImage(resourcePath(QStringLiteral("cursors/134@2x.png"))).pixelColor(31, 31).alpha(), 255);

    EXPECT_EQ(readAll(resourcePath(QStringLiteral("cursors/hotspots.txt"))), QByteArray("134 15 15\n135 16 15\n"));
}

TEST(Icon, ComesAtEveryDesktopSizeAndAsSvg) {
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage image(resourcePath(QStringLiteral("icons/128-%1.png").arg(side)));
        ASSERT_FALSE(image.isNull()) << side;
        EXPECT_EQ(image.size(), QSize(side, side));
        EXPECT_TRUE(image.hasAlphaChannel());
    }

    QXmlStreamReader svg(readAll(resourcePath(QStringLiteral("icons/128.svg"))));
    ASSERT_TRUE(svg.readNextStartElement());
    EXPECT_EQ(svg.name(), QStringLiteral("svg"));
    EXPECT_EQ(svg.attributes().value(QStringLiteral("viewBox")), QStringLiteral("0 0 256 256"));
    while (!svg.atEnd())
        svg.readNext();
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
}

struct WaveExpectation {
    int id;
    quint32 dataBytes;
};

void PrintTo(const WaveExpectation& wave, std::ostream* out) {
    *out << "wave " << wave.id;
}

class WaveFileTest : public testing::TestWithParam<WaveExpectation> {
protected:
    void SetUp() override {
        bytes = readAll(resourcePath(QStringLiteral("sounds/%1.wav").arg(GetParam().id)));
        ASSERT_GE(bytes.size(), 44);
        for (qsizetype at = 44; at + 1 < bytes.size(); at += 2)
            samples.push_back(static_cast<std::int16_t>(little16(bytes, at)));
    }

    QByteArray bytes;
    std::vector<std::int16_t> samples;
};

TEST_P(WaveFileTest, IsMono16BitPcmAt44100WithAPlainHeader) {
    EXPECT_EQ(bytes.left(4), "RIFF");
    EXPECT_EQ(little32(bytes, 4), static_cast<quint32>(bytes.size() - 8));
    EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(little32(bytes, 16), 16u);
    EXPECT_EQ(little16(bytes, 20), 1u);      // PCM
    EXPECT_EQ(little16(bytes, 22), 1u);      // one channel
    EXPECT_EQ(little32(bytes, 24), 44100u);  // samples per second
    EXPECT_EQ(little32(bytes, 28), 88200u);  // bytes per second
    EXPECT_EQ(little16(bytes, 32), 2u);      // block alignment
    EXPECT_EQ(little16(bytes, 34), 16u);     // bits per sample
    EXPECT_EQ(bytes.mid(36, 4), "data");
    EXPECT_EQ(little32(bytes, 40), GetParam().dataBytes);
    EXPECT_EQ(static_cast<quint32>(bytes.size()), 44 + GetParam().dataBytes);
}

TEST_P(WaveFileTest, IsAudibleWithoutClippingAndFadesInAndOut) {
    ASSERT_FALSE(samples.empty());
    int peak = 0;
    for (const std::int16_t sample : samples)
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    EXPECT_GT(peak, 3000);
    EXPECT_LT(peak, 30000);

    // Silence at both ends, so starting and stopping make no pop.
    EXPECT_LE(std::abs(static_cast<int>(samples.front())), 16);
    EXPECT_LE(std::abs(static_cast<int>(samples.back())), 16);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_LE(std::abs(static_cast<int>(samples[i])), 512) << "sample " << i;
        EXPECT_LE(std::abs(static_cast<int>(samples[samples.size() - 1 - i])), 512) << "sample from end " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(BothSounds, WaveFileTest,
                         testing::Values(WaveExpectation{303, 5696}, WaveExpectation{306, 209152}),
                         [](const testing::TestParamInfo<WaveExpectation>& param) {
                             return "Wave" + std::to_string(param.param.id);
                         });

}  // namespace
