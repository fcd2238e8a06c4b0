// SPDX-License-Identifier: MIT
#pragma once
// Painting a state bitmap into a button rectangle (1:1, stretched or tiled), optionally through a
// black-and-white mask, and cutting a window region out of a mask. The mask is black where the
// picture shows and white where the background stays visible.

#include <QColor>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <optional>

#include "platform/draw/Picture.h"

class QPainter;

enum class BitmapDrawMode : std::int16_t {
    Copy = 0,     // the bitmap at its own size from the rectangle's top-left corner, cut to it
    Stretch = 1,  // the whole bitmap scaled to the rectangle
    Tile = 2,     // the bitmap repeated over the rectangle
};

// Draws `picture` into `rect`. With a `mask` (Copy and Stretch only) each pixel is the background's
// where the mask is white and the picture's where it is black (((background ^ picture) & mask) ^
// picture), on what the painter's target already holds. A null picture draws nothing; a null mask
// means none.
void DrawBitmap(QPainter& painter, const Picture& picture, const QRect& rect, BitmapDrawMode mode, const Picture& mask);

// Repeats `picture` over `rect` from its top-left corner, cutting the last column and row to the
// rectangle; never masked.
void TileBitmap(QPainter& painter, const Picture& picture, const QRect& rect);

// The region of every pixel of `picture` whose colour is not exactly `keyColor`, one rectangle per
// horizontal run; none for a null picture, an empty region when no pixel is opaque.
std::optional<QRegion> CreateRegionFromBitmap(const Picture& picture, QRgb keyColor);
