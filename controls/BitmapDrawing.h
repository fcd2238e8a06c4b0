// SPDX-License-Identifier: MIT
#pragma once
// Painting a state bitmap into a button rectangle (1:1, stretched or tiled), optionally through a
// black-and-white mask, and cutting a window region out of a mask. The mask is black where the
// picture shows and white where the background stays visible.

#include <cstdint>

#include "platform/Geometry.h"
#include "platform/draw/CBitmap.h"
#include "platform/draw/CDC.h"

enum class BitmapDrawMode : std::int16_t {
    Copy = 0,     // the bitmap at its own size from the rectangle's top-left corner, cut to it
    Stretch = 1,  // the whole bitmap scaled to the rectangle
    Tile = 2,     // the bitmap repeated over the rectangle
};

// Size in pixels of `bitmap`; 0 when it is null or holds no picture.
int BitmapWidth(const CBitmap* bitmap);
int BitmapHeight(const CBitmap* bitmap);

// Draws `bitmap` into `rect` of `dc`. With a `mask` (Copy and Stretch only) the picture is composed
// off screen with the current destination pixels and reaches `dc` in one copy. A null or empty
// bitmap draws nothing; a null or empty mask means none.
void DrawBitmap(CDC* dc, CBitmap* bitmap, const CRect& rect, BitmapDrawMode mode, CBitmap* mask);

// Repeats `bitmap` over `rect` from its top-left corner, cutting the last column and row to the
// rectangle; never masked.
void TileBitmap(CDC* dc, CBitmap* bitmap, const CRect& rect);

// A new region of every pixel of `bitmap` whose colour, read through a memory context compatible
// with `referenceDc` (may be null), is not exactly `keyColor`; one rectangle per horizontal run.
// Null for a null or empty bitmap; an empty region when no pixel is opaque. The caller owns the
// result (DeleteObject, or hand it to SetWindowRgn).
HRGN CreateRegionFromBitmap(CBitmap* bitmap, COLORREF keyColor, CDC* referenceDc);
