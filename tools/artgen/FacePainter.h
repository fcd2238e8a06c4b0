// SPDX-License-Identifier: MIT
#pragma once

#include "tools/artgen/Palette.h"

#include <QImage>
#include <QRect>
#include <QRectF>

class QPainter;

// The shared drawing of the look: rounded bodies with a vertical gradient, a thin darker border,
// a soft top highlight and a small shadow; the blue selection outline.
namespace artgen {

// An opaque 24-bit picture of `size` filled with one colour, with `scale` device pixels per pixel
// of the design: drawing on it is in the design's pixels at any scale.
QImage opaqueCanvas(QSize size, const QColor& fill, int scale);

// An opaque picture that starts as the part of `background` it will cover at `at`, so that rounded
// corners and margins blend into the window behind them. It has the background's scale.
QImage canvasOver(const QImage& background, QPoint at, QSize size);

// The body that covers the pixels of `body`, its edges on half pixels so that 1-pixel borders fall
// exactly on pixel rows and columns.
QRectF bodyRect(const QRect& body);

void paintFace(QPainter& painter, const QRectF& body, qreal radius, const palette::Face& face);

// The hover / pressed / checked look: a 3-pixel blue line along the inside of the body's edge.
void paintSelectionOutline(QPainter& painter, const QRectF& body, qreal radius);

}  // namespace artgen
