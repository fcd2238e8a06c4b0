// SPDX-License-Identifier: MIT
#include "tools/artgen/FacePainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artgen {

QImage opaqueCanvas(QSize size, const QColor& fill, int scale) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

QImage canvasOver(const QImage& background, QPoint at, QSize size) {
    const qreal scale = background.devicePixelRatio();
    QImage image = background.copy(QRect(at * scale, size * scale)).convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    return image;
}

QRectF bodyRect(const QRect& body) {
    return QRectF(body).adjusted(0.5, 0.5, -0.5, -0.5);
}

static QPainterPath roundedPath(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void paintFace(QPainter& painter, const QRectF& body, qreal radius, const palette::Face& face) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 56));
    painter.drawPath(roundedPath(body.translated(0, 1.5), radius));

    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, face.top);
    fill.setColorAt(1, face.bottom);
    painter.setBrush(fill);
    painter.drawPath(roundedPath(body, radius));

    QLinearGradient shine(body.topLeft(), body.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, 170));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(shine), 1));
    painter.drawPath(roundedPath(body.adjusted(1, 1, -1, -1), radius - 1));

    painter.setPen(QPen(face.border, 1));
    painter.drawPath(roundedPath(body, radius));
    painter.restore();
}

void paintSelectionOutline(QPainter& painter, const QRectF& body, qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette::selectionOutline, 3));
    painter.drawPath(roundedPath(body.adjusted(1, 1, -1, -1), radius - 1));
    painter.restore();
}

}  // namespace artgen
