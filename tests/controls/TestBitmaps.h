// SPDX-License-Identifier: MIT
#pragma once
// Bitmaps painted pixel by pixel in a memory DC, for drawing tests.

#include "platform/draw/CBitmap.h"
#include "platform/draw/CDC.h"

struct TestBitmap {
    CBitmap bitmap;
    CDC dc;

    // A width x height bitmap, selected into `dc`, whose pixel (x, y) is colour(x, y).
    template <typename Paint>
    void Create(int width, int height, Paint colour) {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, width, height);
        dc.SelectObject(&bitmap);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                dc.FillSolidRect(x, y, 1, 1, colour(x, y));
            }
        }
    }
};
