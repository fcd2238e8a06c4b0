// SPDX-License-Identifier: MIT
// DrawText's alignment, background, clipping and wrapping, read back from the pixels.

#include <gtest/gtest.h>

#include <QImage>

#include "platform/draw/CBitmap.h"
#include "platform/draw/CDC.h"
#include "platform/draw/CFont.h"
#include "platform/draw/HandleObjects.h"

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);

// A white memory DC with a 20-pixel Arial selected and black text on a transparent background.
class TextCanvas : public testing::Test {
protected:
    static constexpr int width = 120;
    static constexpr int height = 40;

    void SetUp() override {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, width, height);
        previousBitmap = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, white);
        font.CreateFont(20, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        previousFont = dc.SelectObject(&font);
        dc.SetTextColor(black);
        dc.SetBkMode(TRANSPARENT);
    }
    void TearDown() override {
        dc.SelectObject(previousFont);
        dc.SelectObject(previousBitmap);
    }

    const QImage& Pixels() const { return *static_cast<HBITMAP>(bitmap)->pixels; }

    // First and last column holding a pixel that is not white (-1 when none).
    std::pair<int, int> InkColumns() const {
        int first = -1;
        int last = -1;
        for (int x = 0; x < width; ++x) {
            for (int y = 0; y < height; ++y) {
                if (Pixels().pixel(x, y) != qRgb(255, 255, 255)) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }

    CDC dc;
    CBitmap bitmap;
    CFont font;
    CBitmap* previousBitmap = nullptr;
    CFont* previousFont = nullptr;
};

}  // namespace

TEST_F(TextCanvas, RightAlignedTextEndsAtTheRightEdge) {
    dc.DrawText("88", CRect(0, 0, 100, height), DT_RIGHT);
    const auto [first, last] = InkColumns();
    EXPECT_GE(last, 96);
    EXPECT_LE(last, 99);
    EXPECT_GT(first, 60);
}

TEST_F(TextCanvas, CentredTextHasEqualMarginsOnBothSides) {
    dc.DrawText("888", CRect(10, 0, 110, height), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const auto [first, last] = InkColumns();
    ASSERT_GE(first, 0);
    EXPECT_NEAR(first - 10, 109 - last, 2);
}

TEST_F(TextCanvas, OpaqueModeFillsTheTextCellInTheBackgroundColour) {
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(255, 0, 0));
    const std::string blanks = "     ";
    const CSize extent = dc.GetTextExtent(blanks);
    dc.DrawText(blanks, CRect(0, 0, 100, height), DT_RIGHT);
    EXPECT_EQ(dc.GetPixel(99, 0), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(100 - extent.cx, extent.cy - 1), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(99 - extent.cx, 0), white);
    EXPECT_EQ(dc.GetPixel(99, extent.cy), white);
    EXPECT_EQ(dc.GetPixel(100, 0), white);
}

TEST_F(TextCanvas, TransparentModeLeavesTheBackground) {
    dc.SetBkColor(RGB(255, 0, 0));
    dc.DrawText("     ", CRect(0, 0, 100, height), DT_RIGHT);
    EXPECT_EQ(InkColumns().first, -1);
}

TEST_F(TextCanvas, VerticalCentringPlacesTheCellInTheMiddle) {
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(0, 0, 255));
    const int cell = dc.GetTextExtent(" ").cy;
    dc.DrawText(" ", CRect(0, 0, 100, height), DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const int top = (height - cell) / 2;
    EXPECT_EQ(dc.GetPixel(0, top), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(0, top - 1), white);
    EXPECT_EQ(dc.GetPixel(0, top + cell - 1), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(0, top + cell), white);
}

TEST_F(TextCanvas, WordBreakWrapsBetweenWordsButNotInsideOne) {
    const int cell = dc.GetTextExtent("x").cy;
    const int wordWidth = dc.GetTextExtent("wide").cx;
    EXPECT_EQ(dc.DrawText("wide wide", CRect(0, 0, wordWidth + 2, 500), DT_WORDBREAK), 2 * cell);
    EXPECT_EQ(dc.DrawText("unbroken", CRect(0, 0, 3, 500), DT_WORDBREAK), cell);
    EXPECT_EQ(dc.DrawText("one\ntwo\r\nthree", CRect(0, 0, 500, 500), DT_LEFT), 3 * cell);
}

TEST_F(TextCanvas, AmpersandsAreMnemonicPrefixes) {
    const auto inkAfterDrawing = [this](const std::string& text) {
        dc.FillSolidRect(0, 0, width, height, white);
        dc.DrawText(text, CRect(0, 0, width, height), DT_SINGLELINE);
        return InkColumns();
    };
    EXPECT_EQ(inkAfterDrawing("A&B"), inkAfterDrawing("AB"));
    EXPECT_GT(inkAfterDrawing("A&&B").second, inkAfterDrawing("AB").second);
}

TEST_F(TextCanvas, TextIsClippedToTheRectangle) {
    dc.DrawText("888888", CRect(0, 0, 10, height), DT_LEFT);
    EXPECT_LE(InkColumns().second, 9);
}
