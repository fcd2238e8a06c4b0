// SPDX-License-Identifier: MIT
#pragma once

#include "tools/artgen/Palette.h"

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

// The shared drawing of the look: rounded bodies with a vertical gradient, a thin darker border,
// a soft top highlight and a small shadow; the blue selection outline; centred text.
namespace artgen {

// An opaque 24-bit picture of `size` filled with one colour, with `scale` device pixels per pixel
// of the design: drawing on it is in the design's pixels at any scale.
QImage opaqueCanvas(QSize size, const QColor& fill, int scale);

// An opaque picture that starts as the part of `background` it will cover at `at`, so that rounded
// corners and margins blend into the window behind them. It has the background's scale.
QImage canvasOver(const QImage& background, QPoint at, QSize size);

// The body of a picture of `size` with the given margins, placed on half pixels so 1-pixel
// borders fall exactly on pixel rows and columns.
QRectF bodyRect(QSize size, int marginX, int marginY);

void paintFace(QPainter& painter, const QRectF& body, qreal radius, const palette::Face& face);

// The hover / pressed / checked look: a 3-pixel blue line along the inside of the body's edge.
void paintSelectionOutline(QPainter& painter, const QRectF& body, qreal radius);

// Text centred in `box`, one or more lines separated by '\n', with a faint light shadow below.
void paintCentredText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                      const QColor& colour);

}  // namespace artgen
