// SPDX-License-Identifier: MIT
// Resources by numeric id: pictures, cursors with their hot spots, the icon, waves and strings.

#include <gtest/gtest.h>

#include <QPainter>

#include "platform/draw/BackgroundWork.h"
#include "platform/draw/CBitmap.h"
#include "platform/draw/CDC.h"
#include "platform/draw/HandleObjects.h"
#include "platform/draw/PainterDC.h"
#include "platform/draw/Resources.h"

TEST(BitmapResources, LoadAtTheirOwnSize) {
    CBitmap cell;
    ASSERT_TRUE(cell.LoadBitmap(152));
    BITMAP description;
    ASSERT_NE(cell.GetBitmap(&description), 0);
    EXPECT_EQ(description.bmWidth, 75);
    EXPECT_EQ(description.bmHeight, 75);

    HBITMAP background = LoadBitmapResource(218);
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->pixels->size(), QSize(640, 480));
    EXPECT_EQ(background->pixels->format(), QImage::Format_RGB32);
    EXPECT_TRUE(DeleteObject(background));
}

// Loads share one decoded picture: drawing into one handle's pixels must leave the others, and
// every later load, as the resource is.
TEST(BitmapResources, DrawingIntoOneLoadLeavesTheOthersUntouched) {
    CBitmap drawnInto;
    CBitmap other;
    ASSERT_TRUE(drawnInto.LoadBitmap(152));
    ASSERT_TRUE(other.LoadBitmap(152));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* previous = dc.SelectObject(&other);
    const COLORREF pixel = dc.GetPixel(10, 10);
    dc.SelectObject(&drawnInto);
    dc.FillSolidRect(0, 0, 75, 75, pixel ^ 0xFFFFFFu);
    dc.SelectObject(&other);
    EXPECT_EQ(dc.GetPixel(10, 10), pixel);
    CBitmap later;
    ASSERT_TRUE(later.LoadBitmap(152));
    dc.SelectObject(&later);
    EXPECT_EQ(dc.GetPixel(10, 10), pixel);
    dc.SelectObject(previous);
}

// On a screen of twice the density a resource picture is drawn from its @2x twin, not doubled;
// once drawn into, it is its own picture and is doubled.
TEST(BitmapResources, DenseScreensGetTheHighDensityPicture) {
    QImage dense = HighDensityBitmap(219);
    ASSERT_EQ(dense.size(), QSize(386, 110));
    dense.setDevicePixelRatio(1);
    const auto drawOnDenseScreen = [](CDC& source) {
        QImage screen(386, 110, QImage::Format_RGB32);
        screen.setDevicePixelRatio(2);
        QPainter painter(&screen);
        PainterDC dc(&painter);
        dc.BitBlt(0, 0, 193, 55, &source, 0, 0, SRCCOPY);
        painter.end();
        screen.setDevicePixelRatio(1);
        return screen;
    };
    CBitmap button;
    ASSERT_TRUE(button.LoadBitmap(219));
    CDC source;
    source.CreateCompatibleDC(nullptr);
    CBitmap* previous = source.SelectObject(&button);
    EXPECT_EQ(drawOnDenseScreen(source), dense);

    source.FillSolidRect(0, 0, 1, 1, RGB(1, 2, 3));
    const QImage doubled = drawOnDenseScreen(source);
    EXPECT_NE(doubled, dense);
    EXPECT_EQ(doubled.pixel(1, 1), qRgb(1, 2, 3) | 0xFF000000u);
    source.SelectObject(previous);
}

// Pictures queued for the worker while this thread loads the same ones, in the other order: every
// load gets the whole picture, whoever decoded it.
TEST(BitmapResources, PrefetchedPicturesLoadWhoeverDecodesThem) {
    const std::vector<UINT> ids = {262, 244, 218, 163, 164, 9999};
    PrefetchBitmapResources(ids);
    for (auto id = ids.rbegin(); id != ids.rend(); ++id) {
        const HBITMAP bitmap = LoadBitmapResource(*id);
        if (*id == 9999) {
            EXPECT_EQ(bitmap, nullptr);
            continue;
        }
        ASSERT_NE(bitmap, nullptr) << *id;
        EXPECT_FALSE(bitmap->pixels->isNull()) << *id;
        DeleteObject(bitmap);
    }
    FinishBackgroundWork();
}

TEST(BitmapResources, AMissingIdGivesNothing) {
    EXPECT_EQ(LoadBitmapResource(9999), nullptr);
    EXPECT_EQ(LoadBitmapResource(0), nullptr);
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(9999));
    BITMAP description;
    EXPECT_EQ(missing.GetBitmap(&description), 0);
}

TEST(CursorResources, CarryTheirHotSpotsAndAreShared) {
    HCURSOR cross = LoadCursorResource(134);
    HCURSOR nought = LoadCursorResource(135);
    ASSERT_NE(cross, nullptr);
    ASSERT_NE(nought, nullptr);
    EXPECT_EQ(cross->cursor.hotSpot(), QPoint(15, 15));
    EXPECT_EQ(nought->cursor.hotSpot(), QPoint(16, 15));
    EXPECT_EQ(LoadCursorResource(134), cross);
    EXPECT_EQ(LoadCursorResource(9999), nullptr);
}

TEST(StandardCursors, MapToTheDesktopShapes) {
    ASSERT_NE(LoadStandardCursor(IDC_HAND), nullptr);
    EXPECT_EQ(LoadStandardCursor(IDC_HAND)->cursor.shape(), Qt::PointingHandCursor);
    EXPECT_EQ(LoadStandardCursor(IDC_WAIT)->cursor.shape(), Qt::WaitCursor);
    EXPECT_EQ(LoadStandardCursor(IDC_ARROW)->cursor.shape(), Qt::ArrowCursor);
    EXPECT_EQ(LoadStandardCursor(134), nullptr);
}

TEST(IconResources, HoldEverySizeAndDraw) {
    HICON icon = LoadIconResource(128);
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->Icon().availableSizes().contains(QSize(32, 32)));
    EXPECT_TRUE(icon->Icon().availableSizes().contains(QSize(16, 16)));
    EXPECT_EQ(LoadIconResource(129), nullptr);

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap canvas;
    canvas.CreateCompatibleBitmap(&dc, 40, 40);
    CBitmap* previous = dc.SelectObject(&canvas);
    dc.FillSolidRect(0, 0, 40, 40, RGB(1, 2, 3));
    EXPECT_TRUE(dc.DrawIcon(4, 4, icon));
    bool changed = false;
    for (int y = 4; y < 36 && !changed; ++y) {
        for (int x = 4; x < 36 && !changed; ++x) {
            changed = dc.GetPixel(x, y) != RGB(1, 2, 3);
        }
    }
    EXPECT_TRUE(changed);
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(1, 2, 3));
    EXPECT_FALSE(dc.DrawIcon(0, 0, nullptr));
    dc.SelectObject(previous);
}

TEST(WaveResources, AreWholeWaveFiles) {
    const QByteArray click = LoadWaveResource(303);
    ASSERT_GT(click.size(), 5696);
    EXPECT_TRUE(click.startsWith("RIFF"));
    EXPECT_TRUE(LoadWaveResource(304).isEmpty());
}

TEST(StringResources, HoldTheAboutEntry) {
    EXPECT_EQ(LoadStringResource(101), "&About Quinsum...");
    EXPECT_EQ(LoadStringResource(102), "");
}
