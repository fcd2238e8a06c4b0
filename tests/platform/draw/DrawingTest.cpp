// SPDX-License-Identifier: MIT
// Memory DCs, raster operations, fills, edges and the focus rectangle, checked pixel by pixel.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/draw/CBitmap.h"
#include "platform/draw/CBrush.h"
#include "platform/draw/CDC.h"
#include "platform/draw/HandleObjects.h"
#include "platform/draw/SystemColors.h"

namespace {

// A memory DC with its own bitmap, filled with one colour.
struct Canvas {
    CBitmap bitmap;
    CDC dc;
    CBitmap* previous = nullptr;

    Canvas(int width, int height, COLORREF fill) {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, width, height);
        previous = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, fill);
    }
    ~Canvas() { dc.SelectObject(previous); }
};

// A DC drawing through a painter opened on an image, as a paint DC draws on a widget.
class PainterDC : public CDC {
public:
    explicit PainterDC(QPainter* painter) { AttachPainter(painter); }
    ~PainterDC() override { DetachPainter(); }
};

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);

}  // namespace

TEST(RasterOperations, CopyInvertAndAndAreExactOnEveryChannel) {
    Canvas source(2, 1, RGB(0x0F, 0xF0, 0x3C));
    Canvas copy(2, 1, RGB(1, 2, 3));
    Canvas inverted(2, 1, RGB(0x12, 0x34, 0x56));
    Canvas anded(2, 1, RGB(0x12, 0x34, 0x56));

    EXPECT_TRUE(copy.dc.BitBlt(0, 0, 2, 1, &source.dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(inverted.dc.BitBlt(0, 0, 2, 1, &source.dc, 0, 0, SRCINVERT));
    EXPECT_TRUE(anded.dc.BitBlt(0, 0, 2, 1, &source.dc, 0, 0, SRCAND));

    EXPECT_EQ(copy.dc.GetPixel(1, 0), RGB(0x0F, 0xF0, 0x3C));
    EXPECT_EQ(inverted.dc.GetPixel(1, 0), RGB(0x12 ^ 0x0F, 0x34 ^ 0xF0, 0x56 ^ 0x3C));
    EXPECT_EQ(anded.dc.GetPixel(1, 0), RGB(0x12 & 0x0F, 0x34 & 0xF0, 0x56 & 0x3C));
}

TEST(RasterOperations, InvertTwiceRestoresTheDestination) {
    Canvas source(1, 1, RGB(200, 100, 50));
    Canvas target(1, 1, RGB(7, 77, 177));
    target.dc.BitBlt(0, 0, 1, 1, &source.dc, 0, 0, SRCINVERT);
    target.dc.BitBlt(0, 0, 1, 1, &source.dc, 0, 0, SRCINVERT);
    EXPECT_EQ(target.dc.GetPixel(0, 0), RGB(7, 77, 177));
}

TEST(RasterOperations, XorAndXorThroughAMaskShowsPictureWhereBlackAndBackgroundWhereWhite) {
    Canvas picture(2, 1, RGB(10, 20, 30));
    Canvas mask(2, 1, white);
    mask.dc.FillSolidRect(0, 0, 1, 1, black);
    Canvas scratch(2, 1, RGB(90, 80, 70));

    scratch.dc.BitBlt(0, 0, 2, 1, &picture.dc, 0, 0, SRCINVERT);
    scratch.dc.BitBlt(0, 0, 2, 1, &mask.dc, 0, 0, SRCAND);
    scratch.dc.BitBlt(0, 0, 2, 1, &picture.dc, 0, 0, SRCINVERT);

    EXPECT_EQ(scratch.dc.GetPixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(scratch.dc.GetPixel(1, 0), RGB(90, 80, 70));
}

TEST(RasterOperations, UnknownOperationOrMissingSourceDrawsNothing) {
    Canvas source(1, 1, black);
    Canvas target(1, 1, white);
    EXPECT_FALSE(target.dc.BitBlt(0, 0, 1, 1, &source.dc, 0, 0, 0x00EE0086u));
    EXPECT_FALSE(target.dc.BitBlt(0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_EQ(target.dc.GetPixel(0, 0), white);
}

TEST(BitBlt, CopiesTheBlockAtTheSourceOffsetAndLeavesTheRestAlone) {
    Canvas source(4, 4, RGB(1, 1, 1));
    source.dc.FillSolidRect(2, 3, 1, 1, RGB(9, 8, 7));
    Canvas target(5, 5, white);
    target.dc.BitBlt(1, 1, 2, 2, &source.dc, 1, 2, SRCCOPY);
    EXPECT_EQ(target.dc.GetPixel(2, 2), RGB(9, 8, 7));
    EXPECT_EQ(target.dc.GetPixel(1, 1), RGB(1, 1, 1));
    EXPECT_EQ(target.dc.GetPixel(0, 0), white);
    EXPECT_EQ(target.dc.GetPixel(3, 3), white);
}

TEST(BitBlt, PartsOutsideTheSourcePixelsKeepTheDestination) {
    Canvas source(2, 2, black);
    Canvas target(4, 4, white);
    target.dc.BitBlt(0, 0, 4, 4, &source.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(target.dc.GetPixel(1, 1), black);
    EXPECT_EQ(target.dc.GetPixel(2, 2), white);
    EXPECT_EQ(target.dc.GetPixel(3, 0), white);
}

TEST(BitBlt, ADCMayCopyFromItself) {
    Canvas canvas(4, 1, white);
    canvas.dc.FillSolidRect(0, 0, 2, 1, RGB(5, 6, 7));
    canvas.dc.BitBlt(1, 0, 3, 1, &canvas.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(canvas.dc.GetPixel(2, 0), RGB(5, 6, 7));
    EXPECT_EQ(canvas.dc.GetPixel(3, 0), white);
}

TEST(StretchBlt, EnlargesEachPixelIntoABlock) {
    Canvas source(2, 2, black);
    source.dc.FillSolidRect(1, 0, 1, 1, RGB(255, 0, 0));
    source.dc.FillSolidRect(0, 1, 1, 1, RGB(0, 255, 0));
    Canvas target(4, 4, white);
    target.dc.StretchBlt(0, 0, 4, 4, &source.dc, 0, 0, 2, 2, SRCCOPY);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const COLORREF expected = (x >= 2 && y < 2) ? RGB(255, 0, 0) : (x < 2 && y >= 2) ? RGB(0, 255, 0) : black;
            EXPECT_EQ(target.dc.GetPixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(StretchBlt, ShrinksByPickingPixelsWithoutBlending) {
    Canvas source(4, 1, black);
    source.dc.FillSolidRect(0, 0, 2, 1, RGB(255, 255, 0));
    Canvas target(2, 1, white);
    target.dc.StretchBlt(0, 0, 2, 1, &source.dc, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(target.dc.GetPixel(0, 0), RGB(255, 255, 0));
    EXPECT_EQ(target.dc.GetPixel(1, 0), black);
}

TEST(GetPixel, IsInvalidOutsideThePixelsAndWithoutAnything) {
    Canvas canvas(3, 3, white);
    EXPECT_EQ(canvas.dc.GetPixel(3, 0), CLR_INVALID);
    EXPECT_EQ(canvas.dc.GetPixel(-1, 1), CLR_INVALID);
    CDC nothing;
    EXPECT_EQ(nothing.GetPixel(0, 0), CLR_INVALID);
}

TEST(MemoryDC, StartsWithOneBlackPixelAndHandsItBack) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_EQ(dc.GetPixel(0, 0), black);
    EXPECT_EQ(dc.GetPixel(1, 0), CLR_INVALID);

    CBitmap first;
    CBitmap second;
    first.CreateCompatibleBitmap(&dc, 2, 2);
    second.CreateCompatibleBitmap(&dc, 3, 3);
    CBitmap* original = dc.SelectObject(&first);
    ASSERT_NE(original, nullptr);
    BITMAP description;
    ASSERT_NE(original->GetBitmap(&description), 0);
    EXPECT_EQ(description.bmWidth, 1);
    EXPECT_EQ(dc.SelectObject(&second), &first);
    EXPECT_EQ(dc.SelectObject(original), &second);
}

TEST(MemoryDC, DrawsIntoTheSelectedBitmapAndSurvivesItsDeletion) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, 2, 2);
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 2, 2, RGB(3, 4, 5));
    EXPECT_EQ(static_cast<HBITMAP>(bitmap)->pixels->pixelColor(1, 1), QColor(3, 4, 5));

    bitmap.DeleteObject();
    dc.FillSolidRect(0, 0, 1, 1, white);
    EXPECT_EQ(dc.GetPixel(0, 0), white);
}

TEST(PainterDC, DrawsAndReadsThroughThePainterTransform) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(3, 2);
    PainterDC dc(&painter);
    dc.FillSolidRect(0, 0, 1, 1, RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(-3, -2), white);
    EXPECT_EQ(image.pixelColor(3, 2), QColor(1, 2, 3));
}

TEST(Fills, AHollowBrushFillsNothingAndASolidOneFillsTheRectangle) {
    Canvas canvas(4, 4, white);
    const CRect rect(1, 1, 3, 3);
    canvas.dc.FillRect(&rect, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(canvas.dc.GetPixel(1, 1), white);
    CBrush brush(RGB(9, 9, 9));
    canvas.dc.FillRect(&rect, &brush);
    EXPECT_EQ(canvas.dc.GetPixel(2, 2), RGB(9, 9, 9));
    EXPECT_EQ(canvas.dc.GetPixel(3, 3), white);
}

TEST(Edges, RaisedIsLightAtTopLeftAndDarkAtBottomRightSunkenTheOpposite) {
    Canvas raised(6, 6, white);
    CRect rect(0, 0, 6, 6);
    raised.dc.DrawEdge(&rect, EDGE_RAISED, BF_RECT);
    EXPECT_EQ(raised.dc.GetPixel(0, 2), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(raised.dc.GetPixel(5, 2), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(raised.dc.GetPixel(2, 5), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(raised.dc.GetPixel(1, 2), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(raised.dc.GetPixel(4, 2), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(raised.dc.GetPixel(2, 2), white);
    EXPECT_EQ(rect, CRect(0, 0, 6, 6));

    Canvas sunken(6, 6, white);
    sunken.dc.DrawEdge(&rect, EDGE_SUNKEN, BF_RECT);
    EXPECT_EQ(sunken.dc.GetPixel(2, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(sunken.dc.GetPixel(2, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(sunken.dc.GetPixel(2, 1), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(sunken.dc.GetPixel(2, 4), GetSysColor(COLOR_3DLIGHT));
}

TEST(FocusRect, InvertsEverySecondOutlinePixelAndASecondCallRemovesIt) {
    Canvas canvas(6, 4, white);
    const CRect rect(0, 0, 6, 4);
    canvas.dc.DrawFocusRect(&rect);
    EXPECT_EQ(canvas.dc.GetPixel(0, 0), black);
    EXPECT_EQ(canvas.dc.GetPixel(1, 0), white);
    EXPECT_EQ(canvas.dc.GetPixel(2, 0), black);
    EXPECT_EQ(canvas.dc.GetPixel(5, 1), black);
    EXPECT_EQ(canvas.dc.GetPixel(2, 2), white);
    canvas.dc.DrawFocusRect(&rect);
    EXPECT_EQ(canvas.dc.GetPixel(0, 0), white);
    EXPECT_EQ(canvas.dc.GetPixel(5, 1), white);
}
