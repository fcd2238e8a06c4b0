// SPDX-License-Identifier: MIT
// What a skin button draws in each state: its bitmaps and their fallbacks, the edge, the focus cue,
// the caption, and the clamps of SetSkin.

#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <algorithm>
#include <vector>

#include "controls/CSkinButton.h"
#include "controls/SystemColors.h"
#include "tests/controls/TestBitmaps.h"
#include "tests/controls/TestResourceIds.h"

namespace {

constexpr QRgb kCanvas = qRgb(1, 2, 3);
const QRect kItem(0, 0, 40, 20);

enum State : unsigned { Normal = 0, Down = 1, Focus = 2, Disabled = 4, KeyboardFocus = 8 };

QRgb Inverted(QRgb colour) {
    return colour ^ 0x00FFFFFFu;
}

class SkinButtonDrawingTest : public ::testing::Test {
protected:
    SkinButtonDrawingTest() {
        host.resize(100, 60);
        button.setGeometry(kItem);
        host.show();
        host.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&host));
    }

    void Skin(unsigned normal, unsigned pressed, unsigned hover, unsigned disabled, unsigned focus, short mode = 1,
              short edge = 0, short inset = 0, const std::string& caption = "", const QRect& captionRect = kItem,
              int fontHeight = 8) {
        button.SetSkin(normal, pressed, hover, disabled, focus, 0, mode, edge, inset, caption, captionRect, fontHeight);
    }

    // A fresh canvas with the button drawn on it in `state`.
    const Canvas& Draw(unsigned state) {
        button.setEnabled((state & Disabled) == 0);
        // Focus first: a button that loses the focus is no longer pressed.
        if ((state & Focus) != 0) {
            button.setFocus(Qt::OtherFocusReason);
        } else {
            other.setFocus(Qt::OtherFocusReason);
        }
        button.setDown((state & Down) != 0);
        EXPECT_EQ(button.hasFocus(), (state & Focus) != 0) << "state " << state;
        host.setAttribute(Qt::WA_KeyboardFocusChange, (state & KeyboardFocus) != 0);
        canvas = Canvas(kItem.width(), kItem.height(), kCanvas);
        QPainter painter(&canvas.image);
        button.DrawItem(painter);
        return canvas;
    }
    QRgb Middle(unsigned state) { return Draw(state).At(20, 10); }

    // Where the last drawing differs from `background`.
    std::vector<bool> Ink(QRgb background) const {
        std::vector<bool> ink;
        for (int y = 0; y < kItem.height(); ++y) {
            for (int x = 0; x < kItem.width(); ++x) {
                ink.push_back(canvas.At(x, y) != background);
            }
        }
        return ink;
    }
    static long InkCount(const std::vector<bool>& ink) { return std::count(ink.begin(), ink.end(), true); }

    QWidget host;
    CSkinButton button{&host};
    QWidget other{&host};
    Canvas canvas{kItem.width(), kItem.height(), kCanvas};
};

TEST_F(SkinButtonDrawingTest, UnskinnedButtonIsButtonFaceInEveryState) {
    for (unsigned state : {Normal, Down, Focus, Disabled}) {
        EXPECT_EQ(Middle(state), kButtonFace.rgb()) << state;
    }
}

TEST_F(SkinButtonDrawingTest, EachStateShowsItsBitmap) {
    Skin(kRed, kGreen, kBlue, kYellow, kCyan);
    EXPECT_EQ(Middle(Normal), kRedColour);
    EXPECT_EQ(Middle(Down), kGreenColour);
    EXPECT_EQ(Middle(Focus), kCyanColour);
    EXPECT_EQ(Middle(Down | Focus), kGreenColour);
    EXPECT_EQ(Middle(Disabled), kYellowColour);
    EXPECT_EQ(Middle(Disabled | Down), kYellowColour);

    // A checked check box looks pressed without the pointer.
    DialogItemTemplate checkBox;
    checkBox.kind = ControlClass::Button;
    checkBox.style = BS_AUTOCHECKBOX;
    button.PreSubclassWindow(checkBox);
    button.SetCheck(true);
    EXPECT_EQ(Middle(Normal), kGreenColour);
}

TEST_F(SkinButtonDrawingTest, MissingStateBitmapsFallBack) {
    Skin(kRed, 0, 0, 0, 0);
    EXPECT_EQ(Middle(Disabled), kRedColour) << "disabled id 0 takes a copy of the normal bitmap";
    EXPECT_EQ(Middle(Focus), kRedColour) << "no focus bitmap: the normal one";
    EXPECT_EQ(Middle(Down), kButtonFace.rgb()) << "no pressed bitmap: the face colour";

    Skin(0, kGreen, kBlue, 0, kCyan);
    EXPECT_EQ(Middle(Focus), kButtonFace.rgb()) << "no normal bitmap: the face, not the focus bitmap";
    EXPECT_EQ(Middle(Disabled), kButtonFace.rgb());

    Skin(kMissing, kMissing, 0, 0, 0);
    EXPECT_EQ(Middle(Normal), kButtonFace.rgb()) << "SetSkin again replaces the earlier bitmaps";
    EXPECT_EQ(Middle(Down), kButtonFace.rgb());
}

TEST_F(SkinButtonDrawingTest, EdgeIsRaisedOrSunken) {
    Skin(kRed, kGreen, 0, 0, 0, 1, 1);
    for (unsigned state : {Normal, Disabled}) {
        Draw(state);
        EXPECT_EQ(canvas.At(0, 0), kButtonFace.rgb()) << state;
        EXPECT_EQ(canvas.At(1, 1), kButtonHighlight.rgb()) << state;
        EXPECT_EQ(canvas.At(38, 18), kButtonShadow.rgb()) << state;
        EXPECT_EQ(canvas.At(39, 19), kDarkShadow.rgb()) << state;
        EXPECT_EQ(canvas.At(20, 10), kRedColour) << state;
    }
    Draw(Down);
    EXPECT_EQ(canvas.At(0, 0), kButtonShadow.rgb());
    EXPECT_EQ(canvas.At(1, 1), kDarkShadow.rgb());
    EXPECT_EQ(canvas.At(38, 18), kButtonFace.rgb());
    EXPECT_EQ(canvas.At(39, 19), kButtonHighlight.rgb());

    Skin(kRed, kGreen, 0, 0, 0, 1, 0);
    EXPECT_EQ(Draw(Normal).At(39, 19), kRedColour);
    EXPECT_EQ(canvas.At(0, 0), kRedColour);
}

TEST_F(SkinButtonDrawingTest, FocusRectangleIsInsetAndOnlyWithFocus) {
    Skin(kRed, kGreen, 0, 0, 0, 1, 0, 3);
    Draw(Focus);
    EXPECT_EQ(canvas.At(3, 3), Inverted(kRedColour));
    EXPECT_GT(canvas.Count(Inverted(kRedColour), QRect(3, 3, 34, 1)), 10);
    EXPECT_EQ(canvas.Count(Inverted(kRedColour), QRect(0, 0, 40, 3)), 0);
    EXPECT_EQ(canvas.Count(Inverted(kRedColour), QRect(4, 4, 32, 12)), 0);
    Draw(Normal);
    EXPECT_EQ(canvas.Count(Inverted(kRedColour)), 0);
    Draw(Focus | Down);
    EXPECT_GT(canvas.Count(Inverted(kGreenColour)), 10) << "pressed buttons show the focus too";
}

TEST_F(SkinButtonDrawingTest, SetSkinClampsDrawModeAndFocusInset) {
    Skin(kRedColumn, 0, 0, 0, 0, 7, 0, -1);
    EXPECT_EQ(button.GetDrawMode(), BitmapDrawMode::Tile);
    EXPECT_EQ(button.GetFocusInset(), 0);
    Draw(Focus);
    for (int x : {0, 10, 20, 30}) {
        EXPECT_EQ(canvas.At(x, 15), kRedColour) << x;
        EXPECT_EQ(canvas.At(x + 1, 15), kBlueColour) << x;
    }
    EXPECT_EQ(canvas.Count(Inverted(kRedColour)) + canvas.Count(Inverted(kBlueColour)), 0) << "inset 0: no dots";
    // Once the keyboard moves the focus, a dark ring inside a light one shows it on any picture.
    Draw(Focus | KeyboardFocus);
    EXPECT_EQ(canvas.At(2, 10), kWhiteColour);
    EXPECT_EQ(canvas.At(3, 10), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.At(4, 10), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.At(5, 10), kWhiteColour);
    EXPECT_EQ(canvas.At(6, 10), kBlueColour);

    Skin(kRedColumn, 0, 0, 0, 0, -3);
    EXPECT_EQ(button.GetDrawMode(), BitmapDrawMode::Copy);
    Draw(Normal);
    EXPECT_EQ(canvas.At(0, 5), kRedColour);
    EXPECT_EQ(canvas.At(5, 5), kBlueColour);
    EXPECT_EQ(canvas.At(10, 5), kCanvas) << "Copy draws the bitmap once, at its own size";

    Skin(kRedColumn, 0, 0, 0, 0, 1);
    EXPECT_EQ(button.GetDrawMode(), BitmapDrawMode::Stretch);
    Draw(Normal);
    EXPECT_EQ(canvas.At(3, 5), kRedColour);
    EXPECT_EQ(canvas.At(39, 19), kBlueColour);
}

TEST_F(SkinButtonDrawingTest, CaptionIsDrawnInItsRectangleAndDoesNotMoveWhenPressed) {
    const QRect captionRect(20, 0, 20, 20);
    Skin(kRed, kGreen, 0, 0, 0, 1, 0, 0, "W", captionRect, 16);
    Draw(Normal);
    const std::vector<bool> normalInk = Ink(kRedColour);
    EXPECT_GT(canvas.Count(qRgb(0, 0, 0), captionRect), 0) << "the caption is black";
    EXPECT_EQ(canvas.Count(kRedColour, QRect(0, 0, 20, 20)), 20 * 20) << "nothing outside the caption rectangle";
    EXPECT_GT(InkCount(normalInk), 10);
    Draw(Down);
    EXPECT_EQ(Ink(kGreenColour), normalInk);
}

TEST_F(SkinButtonDrawingTest, DisabledCaptionIsEmbossedAndStaysInPlace) {
    Skin(kRed, kGreen, 0, kYellow, 0, 1, 0, 0, "W", kItem, 16);
    Draw(Disabled);
    EXPECT_GT(canvas.Count(kGrayText.rgb()), 0);
    EXPECT_GT(canvas.Count(kButtonHighlight.rgb()), 0);
    EXPECT_EQ(canvas.Count(qRgb(0, 0, 0)), 0) << "the enabled text colour is not used";
    const std::vector<bool> first = Ink(kYellowColour);
    EXPECT_GT(InkCount(first), 10);
    for (int repaint = 0; repaint < 3; ++repaint) {
        Draw(Disabled);
    }
    EXPECT_EQ(Ink(kYellowColour), first);
}

TEST_F(SkinButtonDrawingTest, PushButtonNeverKeepsACheck) {
    Skin(kRed, kGreen, 0, 0, 0);
    button.SetCheck(true);
    EXPECT_FALSE(button.GetCheck());
    EXPECT_EQ(Middle(Normal), kRedColour);
}

}  // namespace
