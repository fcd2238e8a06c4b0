// SPDX-License-Identifier: MIT
#include "tools/artgen/Cursors.h"

#include "tools/artgen/Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace artgen {

namespace {

// The shape is centred on the middle of its hot-spot pixel.
QPointF pixelCentre(QPoint pixel) {
    return QPointF(pixel) + QPointF(0.5, 0.5);
}

QImage strokedCursor(const QPainterPath& path, const QColor& colour, int scale) {
    QImage image(32 * scale, 32 * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(16, 20, 28, 220), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QImage crossCursor(int scale) {
    constexpr qreal arm = 9;
    const QPointF centre = pixelCentre(crossHotSpot);
    QPainterPath path;
    path.moveTo(centre + QPointF(-arm, -arm));
    path.lineTo(centre + QPointF(arm, arm));
    path.moveTo(centre + QPointF(arm, -arm));
    path.lineTo(centre + QPointF(-arm, arm));
    return strokedCursor(path, palette::playerOneMark, scale);
}

QImage ringCursor(int scale) {
    QPainterPath path;
    path.addEllipse(pixelCentre(ringHotSpot), 8.5, 8.5);
    return strokedCursor(path, palette::playerTwoMark, scale);
}

}  // namespace artgen
