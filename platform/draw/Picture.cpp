// SPDX-License-Identifier: MIT
#include "platform/draw/Picture.h"

#include <QPainter>

#include "platform/draw/Resources.h"

Picture::Picture(unsigned id) : id_(id), pixels_(id != 0 ? BitmapResource(id) : QImage()) {}

void Picture::Draw(QPainter& painter, const QRectF& target, const QRectF& source) const {
    if (IsNull()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Only a dense painter reads the twin: on an ordinary screen it is never decoded.
    if (TargetPixelRatio(painter) > 1) {
        if (const QImage& dense = HighDensityBitmap(id_); dense.size() == pixels_.size() * 2) {
            painter.drawImage(target, dense, QRectF(source.topLeft() * 2, source.size() * 2));
            painter.restore();
            return;
        }
    }
    painter.drawImage(target, pixels_, source);
    painter.restore();
}
