// SPDX-License-Identifier: MIT
// DrawItem of a skin button into a memory DC: which bitmap each state shows, the fallbacks, the
// edge, the focus rectangle, the caption and the SetSkin clamps. No window is needed for these.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "controls/CSkinButton.h"
#include "platform/draw/SystemColors.h"
#include "tests/controls/TestBitmaps.h"
#include "tests/controls/TestResourceIds.h"

namespace {

constexpr COLORREF kCanvas = RGB(1, 2, 3);
const CRect kItem(0, 0, 40, 20);

class SkinButtonDrawingTest : public ::testing::Test {
protected:
    void Skin(UINT normal, UINT pressed, UINT hover, UINT disabled, UINT focus, short mode = 1, short edge = 0,
              short inset = 0, const std::string& caption = "", CRect captionRect = kItem, int fontHeight = 8) {
        button.SetSkin(normal, pressed, hover, disabled, focus, 0, mode, edge, inset, caption, captionRect, fontHeight);
    }

    // A fresh canvas with the button drawn on it in `state`.
    TestBitmap& Draw(UINT state) {
        canvas = std::make_unique<TestBitmap>();
        canvas->Create(kItem.Width(), kItem.Height(), [](int, int) { return kCanvas; });
        DRAWITEMSTRUCT item;
        item.hDC = &canvas->dc;
        item.rcItem = kItem;
        item.itemState = state;
        button.DrawItem(&item);
        return *canvas;
    }

    COLORREF Middle(UINT state) { return Draw(state).dc.GetPixel(20, 10); }

    // How many pixels of the last drawing have `colour`, within `area`.
    int Count(COLORREF colour, CRect area = kItem) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                count += canvas->dc.GetPixel(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }

    // Where the last drawing differs from the plain `background` colour, pixel by pixel.
    std::vector<bool> Ink(COLORREF background) const {
        std::vector<bool> ink;
        for (int y = kItem.top; y < kItem.bottom; ++y) {
            for (int x = kItem.left; x < kItem.right; ++x) {
                ink.push_back(canvas->dc.GetPixel(x, y) != background);
            }
        }
        return ink;
    }

    static int InkCount(const std::vector<bool>& ink) {
        return static_cast<int>(std::count(ink.begin(), ink.end(), true));
    }

    CSkinButton button;
    std::unique_ptr<TestBitmap> canvas;
};

TEST_F(SkinButtonDrawingTest, UnskinnedButtonIsButtonFaceInEveryState) {
    for (UINT state : {0u, ODS_SELECTED, ODS_FOCUS, ODS_DISABLED}) {
        EXPECT_EQ(Middle(state), GetSysColor(COLOR_BTNFACE)) << state;
    }
}

TEST_F(SkinButtonDrawingTest, EachStateShowsItsBitmap) {
    Skin(kRed, kGreen, kBlue, kYellow, kCyan);
    EXPECT_EQ(Middle(0), kRedColour);
    EXPECT_EQ(Middle(ODS_SELECTED), kGreenColour);
    EXPECT_EQ(Middle(ODS_FOCUS), kCyanColour);
    EXPECT_EQ(Middle(ODS_SELECTED | ODS_FOCUS), kGreenColour);
    EXPECT_EQ(Middle(ODS_DISABLED), kYellowColour);
    EXPECT_EQ(Middle(ODS_DISABLED | ODS_SELECTED | ODS_FOCUS), kYellowColour);
}

TEST_F(SkinButtonDrawingTest, MissingStateBitmapsFallBack) {
    Skin(kRed, 0, 0, 0, 0);
    EXPECT_EQ(Middle(ODS_DISABLED), kRedColour) << "disabled id 0 takes a copy of the normal bitmap";
    EXPECT_EQ(Middle(ODS_FOCUS), kRedColour) << "no focus bitmap: the normal one";
    EXPECT_EQ(Middle(ODS_SELECTED), GetSysColor(COLOR_BTNFACE)) << "no pressed bitmap: the face colour";

    Skin(0, kGreen, 0, 0, kCyan);
    EXPECT_EQ(Middle(ODS_FOCUS), GetSysColor(COLOR_BTNFACE)) << "no normal bitmap: the face, not the focus bitmap";
    EXPECT_EQ(Middle(ODS_DISABLED), GetSysColor(COLOR_BTNFACE));

    Skin(kRed, kGreen, 0, 0, 0);
    Skin(kMissing, kMissing, 0, 0, 0);
    EXPECT_EQ(Middle(0), GetSysColor(COLOR_BTNFACE)) << "SetSkin again frees the earlier bitmaps";
}

TEST_F(SkinButtonDrawingTest, EdgeIsRaisedOrSunken) {
    Skin(kRed, kGreen, 0, 0, 0, 1, 1);
    EXPECT_EQ(Draw(0).dc.GetPixel(39, 19), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas->dc.GetPixel(0, 0), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(Draw(ODS_SELECTED).dc.GetPixel(39, 19), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas->dc.GetPixel(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Draw(ODS_DISABLED).dc.GetPixel(39, 19), GetSysColor(COLOR_3DDKSHADOW));

    Skin(kRed, kGreen, 0, 0, 0, 1, 0);
    EXPECT_EQ(Draw(0).dc.GetPixel(39, 19), kRedColour);
}

TEST_F(SkinButtonDrawingTest, FocusRectangleIsInsetAndOnlyWithFocus) {
    const COLORREF inverted = kRedColour ^ 0xFFFFFFu;
    Skin(kRed, kGreen, 0, 0, 0, 1, 0, 3);
    Draw(ODS_FOCUS);
    EXPECT_EQ(canvas->dc.GetPixel(3, 3), inverted);
    EXPECT_GT(Count(inverted, CRect(3, 3, 37, 4)), 10);
    EXPECT_EQ(Count(inverted, CRect(0, 0, 40, 3)), 0);
    EXPECT_EQ(Count(inverted, CRect(4, 4, 36, 16)), 0);
    Draw(0);
    EXPECT_EQ(Count(inverted), 0);
    Draw(ODS_FOCUS | ODS_SELECTED);
    EXPECT_GT(Count(kGreenColour ^ 0xFFFFFFu), 10) << "pressed buttons show the focus too";
    Draw(ODS_FOCUS | ODS_DISABLED);
    EXPECT_EQ(Count(kYellowColour ^ 0xFFFFFFu), 0) << "disabled buttons show no focus";
}

TEST_F(SkinButtonDrawingTest, SetSkinClampsDrawModeAndFocusInset) {
    Skin(kRedColumn, 0, 0, 0, 0, 7, 0, -1);
    EXPECT_EQ(button.GetDrawMode(), BitmapDrawMode::Tile);
    EXPECT_EQ(button.GetFocusInset(), 0);
    Draw(ODS_FOCUS | ODS_NOFOCUSRECT);
    for (int x : {0, 10, 20, 30}) {
        EXPECT_EQ(canvas->dc.GetPixel(x, 15), kRedColour) << x;
        EXPECT_EQ(canvas->dc.GetPixel(x + 1, 15), kBlueColour) << x;
    }
    EXPECT_EQ(Count(kRedColour ^ 0xFFFFFFu) + Count(kBlueColour ^ 0xFFFFFFu), 0) << "inset 0 draws no focus";
    // Once the keyboard is in use a dark and a light ring show the focus on any picture.
    Draw(ODS_FOCUS);
    EXPECT_EQ(canvas->dc.GetPixel(2, 10), RGB(255, 255, 255));
    EXPECT_EQ(canvas->dc.GetPixel(3, 10), RGB(0, 0, 0));
    EXPECT_EQ(canvas->dc.GetPixel(4, 10), RGB(0, 0, 0));
    EXPECT_EQ(canvas->dc.GetPixel(5, 10), RGB(255, 255, 255));

    Skin(kRedColumn, 0, 0, 0, 0, -3);
    EXPECT_EQ(button.GetDrawMode(), BitmapDrawMode::Copy);
    Draw(0);
    EXPECT_EQ(canvas->dc.GetPixel(0, 5), kRedColour);
    EXPECT_EQ(canvas->dc.GetPixel(5, 5), kBlueColour);
    EXPECT_EQ(canvas->dc.GetPixel(10, 5), kCanvas) << "Copy draws the bitmap once, at its own size";

    Skin(kRedColumn, 0, 0, 0, 0, 1);
    EXPECT_EQ(button.GetDrawMode(), BitmapDrawMode::Stretch);
    Draw(0);
    EXPECT_EQ(canvas->dc.GetPixel(3, 5), kRedColour);
    EXPECT_EQ(canvas->dc.GetPixel(39, 19), kBlueColour);
}

TEST_F(SkinButtonDrawingTest, CaptionIsDrawnInItsRectangleAndDoesNotMoveWhenPressed) {
    const CRect captionRect(20, 0, 40, 20);
    Skin(kRed, kGreen, 0, 0, 0, 1, 0, 0, "W", captionRect, 16);
    Draw(0);
    const std::vector<bool> normalInk = Ink(kRedColour);
    EXPECT_GT(Count(RGB(0, 0, 0), captionRect), 0) << "the caption is black";
    EXPECT_EQ(Count(kRedColour, CRect(0, 0, 20, 20)), 20 * 20) << "nothing outside the caption rectangle";
    EXPECT_GT(InkCount(normalInk), 10);
    Draw(ODS_SELECTED);
    EXPECT_EQ(Ink(kGreenColour), normalInk);
}

TEST_F(SkinButtonDrawingTest, DisabledCaptionIsEmbossedAndStaysInPlace) {
    Skin(kRed, kGreen, 0, kYellow, 0, 1, 0, 0, "W", kItem, 16);
    Draw(ODS_DISABLED);
    EXPECT_GT(Count(GetSysColor(COLOR_GRAYTEXT)), 0);
    EXPECT_GT(Count(GetSysColor(COLOR_BTNHIGHLIGHT)), 0);
    EXPECT_EQ(Count(RGB(0, 0, 0)), 0) << "the enabled text colour is not used";
    const std::vector<bool> first = Ink(kYellowColour);
    EXPECT_GT(InkCount(first), 10);
    for (int repaint = 0; repaint < 3; ++repaint) {
        Draw(ODS_DISABLED);
    }
    EXPECT_EQ(Ink(kYellowColour), first);
}

TEST_F(SkinButtonDrawingTest, PushButtonNeverKeepsACheck) {
    Skin(kRed, kGreen, 0, 0, 0);
    button.SendMessage(BM_SETCHECK, 1);
    EXPECT_EQ(button.SendMessage(BM_GETCHECK), 0);
    EXPECT_EQ(Middle(0), kRedColour);
}

}  // namespace
