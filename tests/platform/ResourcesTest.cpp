// SPDX-License-Identifier: MIT
// Resources by numeric id: pictures with their twins for dense screens, cursors with their hot
// spots, the icon, waves and strings.

#include <gtest/gtest.h>

#include <QPainter>

#include "platform/draw/BackgroundWork.h"
#include "platform/draw/Picture.h"
#include "platform/draw/Resources.h"

TEST(BitmapResources, LoadAtTheirOwnSizeAndMissingOnesGiveNothing) {
    EXPECT_EQ(Picture(152).Size(), QSize(75, 75));
    const QImage background = BitmapResource(218);
    EXPECT_EQ(background.size(), QSize(640, 480));
    EXPECT_EQ(background.format(), QImage::Format_RGB32);
    EXPECT_TRUE(Picture(9999).IsNull());
    EXPECT_TRUE(Picture(0).IsNull());
}

// On a painter of twice the density a picture is drawn from its @2x twin, not doubled.
TEST(BitmapResources, ADensePainterDrawsTheTwin) {
    QImage dense = HighDensityBitmap(219);
    ASSERT_EQ(dense.size(), QSize(386, 110));
    dense.setDevicePixelRatio(1);
    QImage screen(386, 110, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    {
        QPainter painter(&screen);
        const Picture button(219);
        button.Draw(painter, QRectF(0, 0, 193, 55), QRectF(0, 0, 193, 55));
    }
    screen.setDevicePixelRatio(1);
    EXPECT_EQ(screen, dense);
    EXPECT_TRUE(HighDensityBitmapsRead().contains(219));
}

// Pictures queued for the worker while this thread loads the same ones, in the other order: every
// load gets the whole picture, whoever decoded it.
TEST(BitmapResources, PrefetchedPicturesLoadWhoeverDecodesThem) {
    const std::vector<unsigned> ids = {262, 244, 218, 163, 164, 9999};
    PrefetchBitmapResources(ids);
    for (auto id = ids.rbegin(); id != ids.rend(); ++id) {
        EXPECT_EQ(BitmapResource(*id).isNull(), *id == 9999) << *id;
    }
    FinishBackgroundWork();
}

TEST(OtherResources, CursorsIconsWavesAndStrings) {
    EXPECT_EQ(CursorResource(134).hotSpot(), QPoint(15, 15));
    EXPECT_EQ(CursorResource(135).hotSpot(), QPoint(16, 15));
    EXPECT_TRUE(CursorResource(9999).pixmap().isNull());

    const QIcon icon = IconResource(128);
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(IconResource(129).isNull());

    const QByteArray click = WaveResource(303);
    EXPECT_GT(click.size(), 5696);
    EXPECT_TRUE(click.startsWith("RIFF"));
    EXPECT_TRUE(WaveResource(304).isEmpty());

    EXPECT_EQ(StringResource(101), "&About Quinsum...");
    EXPECT_EQ(StringResource(102), "");
}
