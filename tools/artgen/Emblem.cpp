// SPDX-License-Identifier: MIT
#include "tools/artgen/Emblem.h"

#include "tools/artgen/Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artgen {

namespace {

constexpr qreal boardOrigin = 44;
constexpr qreal tileSide = 50;
constexpr qreal tileStep = 58;

QRectF emblemTile(int col, int row) {
    return QRectF(boardOrigin + col * tileStep, boardOrigin + row * tileStep, tileSide, tileSide);
}

EmblemShape tile(int col, int row, const palette::Face& face) {
    return {EmblemShape::Kind::Tile, emblemTile(col, row), 9, face.top, face.bottom, face.border, 3};
}

EmblemShape mark(EmblemShape::Kind kind, int col, int row, const QColor& colour) {
    return {kind, emblemTile(col, row).adjusted(13, 13, -13, -13), 0, colour, colour, colour, 8};
}

QString svgColour(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

QString svgNumber(qreal value) {
    return QString::number(value, 'g', 6);
}

}  // namespace

std::vector<EmblemShape> emblemShapes(BadgeCorners corners) {
    std::vector<EmblemShape> shapes;
    const qreal badgeRadius = corners == BadgeCorners::Icon ? 40 : 14;
    shapes.push_back({EmblemShape::Kind::Tile, emblemBadge, badgeRadius, QColor(84, 100, 132), QColor(38, 46, 64),
                      QColor(22, 28, 40), 6});
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            shapes.push_back(tile(col, row, col == row ? palette::markedTile : palette::freeTile));
    for (int i = 0; i < 3; ++i)
        shapes.push_back(mark(EmblemShape::Kind::Cross, i, i, palette::markedMark));
    shapes.push_back(mark(EmblemShape::Kind::Ring, 2, 0, palette::playerTwoMark));
    shapes.push_back(mark(EmblemShape::Kind::Ring, 0, 2, palette::playerTwoMark));
    return shapes;
}

namespace {

void paintShapes(QPainter& painter, const std::vector<EmblemShape>& shapes) {
    for (const EmblemShape& shape : shapes) {
        const QRectF& box = shape.box;
        if (shape.kind == EmblemShape::Kind::Tile) {
            QLinearGradient fill(box.topLeft(), box.bottomLeft());
            fill.setColorAt(0, shape.top);
            fill.setColorAt(1, shape.bottom);
            painter.setBrush(fill);
            painter.setPen(QPen(shape.border, shape.strokeWidth));
            painter.drawRoundedRect(box, shape.radius, shape.radius);
            continue;
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(shape.top, shape.strokeWidth, Qt::SolidLine, Qt::RoundCap));
        if (shape.kind == EmblemShape::Kind::Cross) {
            painter.drawLine(box.topLeft(), box.bottomRight());
            painter.drawLine(box.topRight(), box.bottomLeft());
        } else {
            painter.drawEllipse(box);
        }
    }
}

}  // namespace

void paintEmblem(QPainter& painter, qreal side) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / emblemUnits, side / emblemUnits);
    paintShapes(painter, emblemShapes(BadgeCorners::Icon));
    painter.restore();
}

void paintEmblemBadge(QPainter& painter, qreal side) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The badge's border is stroked on its edge; take in its outer half too.
    const QRectF outer = emblemBadge.adjusted(-3, -3, 3, 3);
    painter.scale(side / outer.width(), side / outer.height());
    painter.translate(-outer.topLeft());
    paintShapes(painter, emblemShapes(BadgeCorners::Picture));
    painter.restore();
}

QImage emblemIcon(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintEmblem(painter, side);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QString emblemSvg() {
    QString defs;
    QString body;
    int gradient = 0;
    for (const EmblemShape& shape : emblemShapes(BadgeCorners::Icon)) {
        const QRectF& box = shape.box;
        const QString stroke = QStringLiteral("stroke=\"%1\" stroke-width=\"%2\"")
                                   .arg(svgColour(shape.border), svgNumber(shape.strokeWidth));
        switch (shape.kind) {
        case EmblemShape::Kind::Tile: {
            const QString id = QStringLiteral("g%1").arg(gradient++);
            defs += QStringLiteral(
                        "    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"%2\" "
                        "x2=\"0\" y2=\"%3\"><stop offset=\"0\" stop-color=\"%4\"/>"
                        "<stop offset=\"1\" stop-color=\"%5\"/></linearGradient>\n")
                        .arg(id, svgNumber(box.top()), svgNumber(box.bottom()), svgColour(shape.top),
                             svgColour(shape.bottom));
            body += QStringLiteral(
                        "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"url(#%6)\" %7/>\n")
                        .arg(svgNumber(box.x()), svgNumber(box.y()), svgNumber(box.width()), svgNumber(box.height()),
                             svgNumber(shape.radius), id, stroke);
            break;
        }
        case EmblemShape::Kind::Cross:
            body +=
                QStringLiteral("  <path d=\"M%1 %2L%3 %4M%3 %2L%1 %4\" fill=\"none\" %5 stroke-linecap=\"round\"/>\n")
                    .arg(svgNumber(box.left()), svgNumber(box.top()), svgNumber(box.right()), svgNumber(box.bottom()),
                         stroke);
            break;
        case EmblemShape::Kind::Ring:
            body +=
                QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"none\" %4/>\n")
                    .arg(svgNumber(box.center().x()), svgNumber(box.center().y()), svgNumber(box.width() / 2), stroke);
            break;
        }
    }
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
               "viewBox=\"0 0 256 256\">\n"
               "  <title>Quinsum</title>\n  <defs>\n%1  </defs>\n%2</svg>\n")
        .arg(defs, body);
}

}  // namespace artgen
