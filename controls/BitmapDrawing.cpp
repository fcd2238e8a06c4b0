// SPDX-License-Identifier: MIT
#include "controls/BitmapDrawing.h"

#include <QPainter>
#include <algorithm>

namespace {

// Copy takes the block at the picture's top-left corner that covers the rectangle at `scale`;
// Stretch scales the whole picture.
QRectF SourceOf(const QImage& pixels, const QRect& rect, BitmapDrawMode mode, qreal scale) {
    if (mode == BitmapDrawMode::Stretch) {
        return QRectF(pixels.rect());
    }
    return QRectF(0, 0, std::min<qreal>(rect.width() / scale, pixels.width()),
                  std::min<qreal>(rect.height() / scale, pixels.height()));
}

QRectF TargetOf(const QImage& pixels, const QRect& rect, BitmapDrawMode mode, qreal scale) {
    if (mode == BitmapDrawMode::Stretch) {
        return QRectF(rect);
    }
    return QRectF(rect.topLeft(), SourceOf(pixels, rect, mode, scale).size() * scale);
}

void Blend(QPainter& painter, const QImage& pixels, const QRect& rect, BitmapDrawMode mode, qreal scale,
           QPainter::CompositionMode operation) {
    painter.setCompositionMode(operation);
    painter.drawImage(TargetOf(pixels, rect, mode, scale), pixels, SourceOf(pixels, rect, mode, scale));
}

}  // namespace

void DrawBitmap(QPainter& painter, const Picture& picture, const QRect& rect, BitmapDrawMode mode, const Picture& mask,
                qreal scale) {
    if (mode == BitmapDrawMode::Tile) {
        TileBitmap(painter, picture, rect, scale);
        return;
    }
    if (picture.IsNull() || rect.isEmpty()) {
        return;
    }
    if (mask.IsNull()) {
        picture.Draw(painter, TargetOf(picture.Pixels(), rect, mode, scale),
                     SourceOf(picture.Pixels(), rect, mode, scale));
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    Blend(painter, picture.Pixels(), rect, mode, scale, QPainter::RasterOp_SourceXorDestination);
    Blend(painter, mask.Pixels(), rect, mode, scale, QPainter::RasterOp_SourceAndDestination);
    Blend(painter, picture.Pixels(), rect, mode, scale, QPainter::RasterOp_SourceXorDestination);
    painter.restore();
}

void TileBitmap(QPainter& painter, const Picture& picture, const QRect& rect, qreal scale) {
    if (picture.IsNull()) {
        return;
    }
    const QSizeF tile = QSizeF(picture.Size()) * scale;
    const QRectF area(rect);
    for (qreal y = area.top(); y < area.bottom(); y += tile.height()) {
        for (qreal x = area.left(); x < area.right(); x += tile.width()) {
            const QSizeF piece(std::min(tile.width(), area.right() - x), std::min(tile.height(), area.bottom() - y));
            picture.Draw(painter, QRectF(QPointF(x, y), piece), QRectF(QPointF(0, 0), piece / scale));
        }
    }
}

std::optional<QRegion> CreateRegionFromBitmap(const Picture& picture, QRgb keyColor, qreal scale) {
    if (picture.IsNull()) {
        return std::nullopt;
    }
    QImage pixels = picture.Pixels();
    if (scale != 1) {
        // The mask as DrawBitmap draws it, so that the region holds exactly the pixels it shows.
        const QSize drawn = (QSizeF(pixels.size()) * scale).toSize();
        QImage scaled(drawn, QImage::Format_RGB32);
        scaled.fill(keyColor);
        QPainter painter(&scaled);
        Blend(painter, pixels, QRect(QPoint(), drawn), BitmapDrawMode::Copy, scale, QPainter::CompositionMode_Source);
        painter.end();
        pixels = scaled;
    }
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
