// SPDX-License-Identifier: MIT
#include "tools/artgen/Buttons.h"

#include "tools/artgen/FacePainter.h"

#include <QPainter>
#include <QPainterPath>

namespace artgen {

namespace {

void paintSpeaker(QPainter& painter, QPointF centre, const QColor& colour, SoundIcon icon) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath speaker;
    speaker.moveTo(centre + QPointF(-12, -4));
    speaker.lineTo(centre + QPointF(-7, -4));
    speaker.lineTo(centre + QPointF(0, -11));
    speaker.lineTo(centre + QPointF(0, 11));
    speaker.lineTo(centre + QPointF(-7, 4));
    speaker.lineTo(centre + QPointF(-12, 4));
    speaker.closeSubpath();
    painter.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(speaker);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap));
    if (icon == SoundIcon::On) {
        for (const qreal radius : {7.0, 12.5}) {
            const QRectF arc(centre.x() - radius - 1, centre.y() - radius, 2 * radius, 2 * radius);
            painter.drawArc(arc, -50 * 16, 100 * 16);
        }
    } else {
        painter.drawLine(centre + QPointF(5, -6), centre + QPointF(15, 6));
        painter.drawLine(centre + QPointF(15, -6), centre + QPointF(5, 6));
    }
    painter.restore();
}

}  // namespace

QImage buttonFace(const QImage& background, QPoint at, const ButtonShape& shape, const palette::Face& face,
                  Outline outline) {
    QImage image = canvasOver(background, at, shape.picture);
    QPainter painter(&image);
    const QRectF body = bodyRect(shape.body);
    paintFace(painter, body, shape.radius, face);
    if (outline == Outline::Selected)
        paintSelectionOutline(painter, body, shape.radius);
    return image;
}

QImage soundButton(const QImage& background, QPoint at, const palette::Face& face, const QColor& ink, SoundIcon icon) {
    QImage image = buttonFace(background, at, soundShape, face, Outline::None);
    QPainter painter(&image);
    const QRectF body = bodyRect(soundShape.body);
    paintSpeaker(painter, QPointF(body.left() + 30, body.center().y()), ink, icon);
    return image;
}

}  // namespace artgen
