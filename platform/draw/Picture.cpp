// SPDX-License-Identifier: MIT
#include "platform/draw/Picture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/draw/Resources.h"

namespace {

// Ratios closer to a whole number than this are taken as whole.
constexpr qreal kSameSize = 1e-6;

}  // namespace

Picture::Picture(unsigned id) : id_(id), pixels_(id != 0 ? BitmapResource(id) : QImage()) {}

void Picture::Draw(QPainter& painter, const QRectF& target, const QRectF& source) const {
    if (IsNull() || source.isEmpty()) {
        return;
    }
    // Device pixels per picture pixel: the window's scale factor times the screen's density.
    const qreal density =
        std::max(target.width() / source.width(), target.height() / source.height()) * TargetPixelRatio(painter);
    const QImage* shown = &pixels_;
    QRectF shownSource = source;
    // Only a dense target reads the twin: on an ordinary screen at the designed size it is never decoded.
    if (density > 1) {
        if (const QImage& dense = HighDensityBitmap(id_); dense.size() == pixels_.size() * 2) {
            shown = &dense;
            shownSource = QRectF(source.topLeft() * 2, source.size() * 2);
        }
    }
    // Whole device pixels per picture pixel stay sharp; any ratio in between is resampled smoothly.
    const qreal devicePixelsPerShown = density * source.width() / shownSource.width();
    const bool whole = devicePixelsPerShown > 1 - kSameSize &&
                       std::abs(devicePixelsPerShown - std::round(devicePixelsPerShown)) < kSameSize;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !whole);
    painter.drawImage(target, *shown, shownSource);
    painter.restore();
}
