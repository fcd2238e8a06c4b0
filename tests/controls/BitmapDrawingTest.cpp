// SPDX-License-Identifier: MIT
// Painting a bitmap 1:1, stretched or tiled, through a mask or not, and cutting a region out of a
// mask.

#include <gtest/gtest.h>

#include <QPainter>
#include <QRegion>

#include "controls/BitmapDrawing.h"
#include "tests/controls/TestBitmaps.h"
#include "tests/controls/TestResourceIds.h"

namespace {

constexpr QRgb kBackground = qRgb(90, 90, 90);

class BitmapDrawingTest : public ::testing::Test {
protected:
    // Draws bitmap `id` into `rect` of the canvas, through mask `maskId` (0: none).
    void Draw(unsigned id, const QRect& rect, BitmapDrawMode mode, unsigned maskId = 0) {
        QPainter painter(&canvas.image);
        DrawBitmap(painter, Picture(id), rect, mode, Picture(maskId));
    }
    QRgb At(int x, int y) const { return canvas.At(x, y); }

    Canvas canvas{120, 60, kBackground};
};

TEST_F(BitmapDrawingTest, CopyCutsTheTopLeftPartAndStretchScalesTheWhole) {
    Draw(kGradient, QRect(10, 5, 20, 10), BitmapDrawMode::Copy);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            ASSERT_EQ(At(10 + x, 5 + y), Gradient(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(At(30, 5), kBackground);
    EXPECT_EQ(At(10, 15), kBackground);
    EXPECT_EQ(At(9, 5), kBackground);

    // 20 x 20 into 10 x 10: each quadrant keeps its corner.
    Draw(kQuadrants, QRect(40, 10, 10, 10), BitmapDrawMode::Stretch);
    EXPECT_EQ(At(42, 12), kRedColour);
    EXPECT_EQ(At(42, 17), kGreenColour);
    EXPECT_EQ(At(47, 12), kBlueColour);
    EXPECT_EQ(At(47, 17), kWhiteColour);
    EXPECT_EQ(At(50, 12), kBackground);
    EXPECT_EQ(At(42, 20), kBackground);
}

TEST_F(BitmapDrawingTest, TileRepeatsFromTheCornerCutsTheLastTileAndIgnoresTheMask) {
    // 30 x 20 tiles over 100 x 50: columns at 0, 30, 60 and a 10-pixel one at 90.
    Draw(kMarkedTile, QRect(0, 0, 100, 50), BitmapDrawMode::Tile, kWhiteMask);
    for (int x : {0, 30, 60, 90}) {
        EXPECT_EQ(At(x, 5), kRedColour) << x;
        EXPECT_EQ(At(x + 1, 5), kBlueColour) << x;
    }
    EXPECT_EQ(At(99, 5), kBlueColour);
    EXPECT_EQ(At(100, 5), kBackground);
    for (int y : {0, 20, 40}) {
        EXPECT_EQ(At(5, y), kGreenColour) << y;
    }
    EXPECT_EQ(At(5, 49), kBlueColour);
    EXPECT_EQ(At(5, 50), kBackground);
}

TEST_F(BitmapDrawingTest, MissingBitmapDrawsNothing) {
    for (BitmapDrawMode mode : {BitmapDrawMode::Copy, BitmapDrawMode::Stretch, BitmapDrawMode::Tile}) {
        Draw(kMissing, QRect(0, 0, 120, 60), mode);
        Draw(kMissing, QRect(0, 0, 120, 60), mode, kBlackMask);
    }
    EXPECT_EQ(canvas.Count(kBackground), 120 * 60);
}

TEST_F(BitmapDrawingTest, MaskShowsThePictureWhereBlackAndTheBackgroundWhereWhite) {
    Draw(kGradient, QRect(0, 0, 10, 10), BitmapDrawMode::Copy, kBlackMask);
    Draw(kGradient, QRect(20, 0, 10, 10), BitmapDrawMode::Copy, kWhiteMask);
    Draw(kGradient, QRect(40, 0, 10, 10), BitmapDrawMode::Copy, kDiagonalMask);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(At(x, y), Gradient(x, y)) << x << "," << y;
            ASSERT_EQ(At(20 + x, y), kBackground) << x << "," << y;
            ASSERT_EQ(At(40 + x, y), x <= y ? Gradient(x, y) : kBackground) << x << "," << y;
        }
    }

    // Stretched, the picture and the mask scale alike: the mask's white fifth stays background.
    Draw(kRed, QRect(0, 20, 60, 32), BitmapDrawMode::Stretch, kMaskOpenLeft);
    EXPECT_EQ(At(0, 20), kBackground);
    EXPECT_EQ(At(8, 51), kBackground);
    EXPECT_EQ(At(12, 20), kRedColour);
    EXPECT_EQ(At(59, 51), kRedColour);
    EXPECT_EQ(At(60, 51), kBackground);
}

bool SamePixels(const QRegion& a, const QRegion& b) {
    return a.xored(b).isEmpty();
}

QRegion RegionOf(unsigned maskId) {
    const std::optional<QRegion> region = CreateRegionFromBitmap(Picture(maskId), kWhiteColour);
    EXPECT_TRUE(region.has_value()) << maskId;
    return region.value_or(QRegion());
}

TEST(RegionFromBitmapTest, NoBitmapGivesNoRegion) {
    EXPECT_FALSE(CreateRegionFromBitmap(Picture(), kWhiteColour).has_value());
    EXPECT_FALSE(CreateRegionFromBitmap(Picture(kMissing), kWhiteColour).has_value());
}

TEST(RegionFromBitmapTest, RegionIsEveryPixelNotExactlyTheKeyColour) {
    EXPECT_TRUE(RegionOf(kWhiteMask).isEmpty());
    EXPECT_TRUE(SamePixels(RegionOf(kLastColumnMask), QRegion(7, 0, 1, 4)));

    QRegion expected;
    expected += QRect(0, 0, 8, 1);  // opaque from the first pixel to the last
    expected += QRect(0, 1, 7, 1);  // stops before the white last pixel
    expected += QRect(1, 2, 2, 1);
    expected += QRect(5, 2, 1, 1);
    expected += QRect(2, 3, 1, 1);  // nearly white is not white
    EXPECT_TRUE(SamePixels(RegionOf(kRunsMask), expected));
}

}  // namespace
