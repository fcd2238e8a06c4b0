// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QRegion>

#include "controls/BitmapDrawing.h"
#include "platform/draw/CRgn.h"
#include "platform/draw/HandleObjects.h"
#include "tests/controls/TestBitmaps.h"

namespace {

constexpr COLORREF kBackground = RGB(90, 90, 90);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A distinct colour for every pixel of a small bitmap.
COLORREF Gradient(int x, int y) {
    return RGB(x * 8, y * 12, 200);
}

class BitmapDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        canvas.Create(120, 60, [](int, int) { return kBackground; });
    }

    COLORREF At(int x, int y) { return canvas.dc.GetPixel(x, y); }

    TestBitmap canvas;
};

TEST_F(BitmapDrawingTest, SizeOfNullOrEmptyBitmapIsZero) {
    CBitmap empty;
    EXPECT_EQ(BitmapWidth(nullptr), 0);
    EXPECT_EQ(BitmapHeight(&empty), 0);
    TestBitmap picture;
    picture.Create(30, 20, Gradient);
    EXPECT_EQ(BitmapWidth(&picture.bitmap), 30);
    EXPECT_EQ(BitmapHeight(&picture.bitmap), 20);
}

TEST_F(BitmapDrawingTest, CopyIntoSmallerRectShowsTopLeftPartCutAtEdges) {
    TestBitmap picture;
    picture.Create(30, 20, Gradient);
    DrawBitmap(&canvas.dc, &picture.bitmap, CRect(10, 5, 30, 15), BitmapDrawMode::Copy, nullptr);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            ASSERT_EQ(At(10 + x, 5 + y), Gradient(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(At(30, 5), kBackground);
    EXPECT_EQ(At(10, 15), kBackground);
    EXPECT_EQ(At(9, 5), kBackground);
}

TEST_F(BitmapDrawingTest, StretchScalesWholeBitmapIntoRect) {
    const auto quadrants = [](int x, int y) {
        return x < 10 ? (y < 10 ? RGB(255, 0, 0) : RGB(0, 255, 0)) : (y < 10 ? RGB(0, 0, 255) : kWhite);
    };
    TestBitmap picture;
    picture.Create(20, 20, quadrants);
    DrawBitmap(&canvas.dc, &picture.bitmap, CRect(40, 10, 50, 20), BitmapDrawMode::Stretch, nullptr);
    EXPECT_EQ(At(42, 12), RGB(255, 0, 0));
    EXPECT_EQ(At(42, 17), RGB(0, 255, 0));
    EXPECT_EQ(At(47, 12), RGB(0, 0, 255));
    EXPECT_EQ(At(47, 17), kWhite);
    EXPECT_EQ(At(50, 12), kBackground);
    EXPECT_EQ(At(42, 20), kBackground);
}

TEST_F(BitmapDrawingTest, TileRepeatsAndCutsLastColumnAndRow) {
    // Column 0 red, row 0 green: each tile's origin is visible.
    const auto marked = [](int x, int y) {
        return x == 0 ? RGB(255, 0, 0) : (y == 0 ? RGB(0, 255, 0) : RGB(0, 0, 255));
    };
    TestBitmap picture;
    picture.Create(30, 20, marked);
    TileBitmap(&canvas.dc, &picture.bitmap, CRect(0, 0, 100, 50));
    for (int x : {0, 30, 60, 90}) {
        EXPECT_EQ(At(x, 5), RGB(255, 0, 0)) << x;
        EXPECT_EQ(At(x + 1, 5), RGB(0, 0, 255)) << x;
    }
    EXPECT_EQ(At(99, 5), RGB(0, 0, 255));
    EXPECT_EQ(At(100, 5), kBackground);
    for (int y : {0, 20, 40}) {
        EXPECT_EQ(At(5, y), RGB(0, 255, 0)) << y;
    }
    EXPECT_EQ(At(5, 49), RGB(0, 0, 255));
    EXPECT_EQ(At(5, 50), kBackground);
}

TEST_F(BitmapDrawingTest, TileModeIgnoresMask) {
    TestBitmap picture;
    picture.Create(10, 10, [](int, int) { return RGB(255, 0, 0); });
    TestBitmap mask;
    mask.Create(10, 10, [](int, int) { return kWhite; });
    DrawBitmap(&canvas.dc, &picture.bitmap, CRect(0, 0, 25, 10), BitmapDrawMode::Tile, &mask.bitmap);
    EXPECT_EQ(At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(At(24, 9), RGB(255, 0, 0));
    EXPECT_EQ(At(25, 9), kBackground);
}

TEST_F(BitmapDrawingTest, NullOrEmptyBitmapDrawsNothing) {
    CBitmap empty;
    for (BitmapDrawMode mode : {BitmapDrawMode::Copy, BitmapDrawMode::Stretch, BitmapDrawMode::Tile}) {
        DrawBitmap(&canvas.dc, nullptr, CRect(0, 0, 120, 60), mode, nullptr);
        DrawBitmap(&canvas.dc, &empty, CRect(0, 0, 120, 60), mode, nullptr);
    }
    EXPECT_EQ(At(0, 0), kBackground);
    EXPECT_EQ(At(119, 59), kBackground);
}

TEST_F(BitmapDrawingTest, BlackMaskDrawsBitmapUnchangedWhiteMaskKeepsBackground) {
    TestBitmap picture;
    picture.Create(20, 10, Gradient);
    TestBitmap black;
    black.Create(20, 10, [](int, int) { return kBlack; });
    TestBitmap white;
    white.Create(20, 10, [](int, int) { return kWhite; });

    DrawBitmap(&canvas.dc, &picture.bitmap, CRect(0, 0, 20, 10), BitmapDrawMode::Copy, &black.bitmap);
    DrawBitmap(&canvas.dc, &picture.bitmap, CRect(40, 0, 60, 10), BitmapDrawMode::Copy, &white.bitmap);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            ASSERT_EQ(At(x, y), Gradient(x, y)) << x << "," << y;
            ASSERT_EQ(At(40 + x, y), kBackground) << x << "," << y;
        }
    }
}

TEST_F(BitmapDrawingTest, MaskedDrawingMixesPictureAndBackgroundPixelForPixel) {
    // A diagonal shape: black below the diagonal, white above it.
    const auto diagonal = [](int x, int y) { return x <= y ? kBlack : kWhite; };
    TestBitmap picture;
    picture.Create(10, 10, Gradient);
    TestBitmap mask;
    mask.Create(10, 10, diagonal);
    DrawBitmap(&canvas.dc, &picture.bitmap, CRect(5, 5, 15, 15), BitmapDrawMode::Copy, &mask.bitmap);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(At(5 + x, 5 + y), x <= y ? Gradient(x, y) : kBackground) << x << "," << y;
        }
    }
}

TEST_F(BitmapDrawingTest, MaskedStretchScalesPictureAndMaskAlike) {
    TestBitmap picture;
    picture.Create(10, 10, [](int, int) { return RGB(255, 0, 0); });
    TestBitmap mask;
    mask.Create(10, 10, [](int x, int) { return x < 5 ? kBlack : kWhite; });
    DrawBitmap(&canvas.dc, &picture.bitmap, CRect(0, 0, 40, 20), BitmapDrawMode::Stretch, &mask.bitmap);
    EXPECT_EQ(At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(At(19, 19), RGB(255, 0, 0));
    EXPECT_EQ(At(20, 0), kBackground);
    EXPECT_EQ(At(39, 19), kBackground);
}

class RegionFromBitmapTest : public ::testing::Test {
protected:
    // The pixels of a region made from a w x h mask painted by `colour`.
    template <typename Paint>
    QRegion RegionOf(int width, int height, Paint colour) {
        TestBitmap mask;
        mask.Create(width, height, colour);
        const HRGN handle = CreateRegionFromBitmap(&mask.bitmap, kWhite, nullptr);
        EXPECT_NE(handle, nullptr);
        const QRegion region = handle != nullptr ? handle->region : QRegion();
        CRgn owner;
        owner.Attach(handle);
        return region;
    }

    static bool SamePixels(const QRegion& a, const QRegion& b) { return a.xored(b).isEmpty(); }
};

TEST_F(RegionFromBitmapTest, NullBitmapGivesNoRegion) {
    CBitmap empty;
    EXPECT_EQ(CreateRegionFromBitmap(nullptr, kWhite, nullptr), nullptr);
    EXPECT_EQ(CreateRegionFromBitmap(&empty, kWhite, nullptr), nullptr);
}

TEST_F(RegionFromBitmapTest, AllWhiteMaskGivesEmptyRegion) {
    EXPECT_TRUE(RegionOf(8, 4, [](int, int) { return kWhite; }).isEmpty());
}

TEST_F(RegionFromBitmapTest, LastColumnGivesOneNarrowRectPerRow) {
    const QRegion region = RegionOf(8, 4, [](int x, int) { return x == 7 ? kBlack : kWhite; });
    EXPECT_TRUE(SamePixels(region, QRegion(7, 0, 1, 4)));
}

TEST_F(RegionFromBitmapTest, FullRowsAndRunsStoppingBeforeWhite) {
    // Row 0 opaque throughout; row 1 opaque but its last pixel; row 2 two runs; row 3 empty.
    const auto rows = [](int x, int y) {
        switch (y) {
        case 0:
            return RGB(10, 20, 30);
        case 1:
            return x == 7 ? kWhite : kBlack;
        case 2:
            return (x == 1 || x == 2 || x == 5) ? kBlack : kWhite;
        default:
            return kWhite;
        }
    };
    QRegion expected;
    expected += QRect(0, 0, 8, 1);
    expected += QRect(0, 1, 7, 1);
    expected += QRect(1, 2, 2, 1);
    expected += QRect(5, 2, 1, 1);
    EXPECT_TRUE(SamePixels(RegionOf(8, 4, rows), expected));
}

TEST_F(RegionFromBitmapTest, ComparisonWithKeyColourIsExact) {
    // Nearly white is opaque.
    const QRegion region = RegionOf(4, 1, [](int x, int) { return x == 2 ? RGB(255, 255, 254) : kWhite; });
    EXPECT_TRUE(SamePixels(region, QRegion(2, 0, 1, 1)));
}

}  // namespace
