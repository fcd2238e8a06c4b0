// SPDX-License-Identifier: MIT
#include "controls/BitmapDrawing.h"

#include <QPainter>
#include <algorithm>

namespace {

// Copy takes the block at the picture's top-left corner; Stretch scales the whole picture.
QRectF SourceOf(const QImage& pixels, const QRect& rect, BitmapDrawMode mode) {
    if (mode == BitmapDrawMode::Stretch) {
        return QRectF(pixels.rect());
    }
    return QRectF(0, 0, std::min(rect.width(), pixels.width()), std::min(rect.height(), pixels.height()));
}

QRectF TargetOf(const QImage& pixels, const QRect& rect, BitmapDrawMode mode) {
    if (mode == BitmapDrawMode::Stretch) {
        return QRectF(rect);
    }
    return QRectF(rect.topLeft(), SourceOf(pixels, rect, mode).size());
}

void Blend(QPainter& painter, const QImage& pixels, const QRect& rect, BitmapDrawMode mode,
           QPainter::CompositionMode operation) {
    painter.setCompositionMode(operation);
    painter.drawImage(TargetOf(pixels, rect, mode), pixels, SourceOf(pixels, rect, mode));
}

}  // namespace

void DrawBitmap(QPainter& painter, const Picture& picture, const QRect& rect, BitmapDrawMode mode,
                const Picture& mask) {
    if (mode == BitmapDrawMode::Tile) {
        TileBitmap(painter, picture, rect);
        return;
    }
    if (picture.IsNull() || rect.isEmpty()) {
        return;
    }
    if (mask.IsNull()) {
        picture.Draw(painter, TargetOf(picture.Pixels(), rect, mode), SourceOf(picture.Pixels(), rect, mode));
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    Blend(painter, picture.Pixels(), rect, mode, QPainter::RasterOp_SourceXorDestination);
    Blend(painter, mask.Pixels(), rect, mode, QPainter::RasterOp_SourceAndDestination);
    Blend(painter, picture.Pixels(), rect, mode, QPainter::RasterOp_SourceXorDestination);
    painter.restore();
}

void TileBitmap(QPainter& painter, const Picture& picture, const QRect& rect) {
    if (picture.IsNull()) {
        return;
    }
    const QSize tile = picture.Size();
    for (int y = rect.top(); y <= rect.bottom(); y += tile.height()) {
        for (int x = rect.left(); x <= rect.right(); x += tile.width()) {
            const QSizeF piece(std::min(tile.width(), rect.right() + 1 - x),
                               std::min(tile.height(), rect.bottom() + 1 - y));
            picture.Draw(painter, QRectF(QPointF(x, y), piece), QRectF(QPointF(0, 0), piece));
        }
    }
}

std::optional<QRegion> CreateRegionFromBitmap(const Picture& picture, QRgb keyColor) {
    if (picture.IsNull()) {
        return std::nullopt;
    }
    const QImage& pixels = picture.Pixels();
    QRegion region;
    for (int y = 0; y < pixels.height(); ++y) {
        int runStart = -1;
        for (int x = 0; x <= pixels.width(); ++x) {
            const bool opaque = x < pixels.width() && (pixels.pixel(x, y) & 0x00FFFFFFu) != (keyColor & 0x00FFFFFFu);
            if (opaque && runStart < 0) {
                runStart = x;
            } else if (!opaque && runStart >= 0) {
                region += QRect(runStart, y, x - runStart, 1);
                runStart = -1;
            }
        }
    }
    return region;
}
