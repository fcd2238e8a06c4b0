// SPDX-License-Identifier: MIT
#pragma once
// Painting a state bitmap into a button rectangle (1:1, stretched or tiled), optionally through a
// black-and-white mask, and cutting a window region out of a mask. The mask is black where the
// picture shows and white where the background stays visible. In a window shown larger than
// designed, "1:1" is the window's scale factor: a picture and its tiles are drawn that much larger.

#include <QColor>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <optional>

#include "platform/draw/Picture.h"

class QPainter;

enum class BitmapDrawMode : std::int16_t {
    Copy = 0,     // the bitmap at its own size (times the factor) from the rectangle's corner, cut to it
    Stretch = 1,  // the whole bitmap scaled to the rectangle
    Tile = 2,     // the bitmap repeated over the rectangle
};

// Draws `picture` into `rect`. With a `mask` (Copy and Stretch only) each pixel is the background's
// where the mask is white and the picture's where it is black (((background ^ picture) & mask) ^
// picture), on what the painter's target already holds; the mask is never smoothed, so that its
// region (below) stays exact. A null picture draws nothing; a null mask means none.
void DrawBitmap(QPainter& painter, const Picture& picture, const QRect& rect, BitmapDrawMode mode, const Picture& mask,
                qreal scale = 1);

// Repeats `picture` over `rect` from its top-left corner, cutting the last column and row to the
// rectangle; never masked.
void TileBitmap(QPainter& painter, const Picture& picture, const QRect& rect, qreal scale = 1);

// The region of every pixel of `picture` whose colour is not exactly `keyColor`, one rectangle per
// horizontal run, with the picture drawn at `scale` as a mask is; none for a null picture, an empty
// region when no pixel is opaque.
std::optional<QRegion> CreateRegionFromBitmap(const Picture& picture, QRgb keyColor, qreal scale = 1);
