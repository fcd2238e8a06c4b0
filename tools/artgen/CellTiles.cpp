// SPDX-License-Identifier: MIT
#include "tools/artgen/CellTiles.h"

#include "tools/artgen/DialogLayout.h"
#include "tools/artgen/FacePainter.h"
#include "tools/artgen/Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace artgen {

namespace {

constexpr QSize tileSize(75, 75);
constexpr qreal tileRadius = 7;
// The disc holds the game's small number, which is centred on the right half of the 76-pixel cell
// (x 38..76, centre 57) and on the 15-pixel caption strip from y 8. The disc stops a pixel inside
// the tile's border, so it is a little wider to the left of that centre than to the right.
constexpr QRectF disc(40.5, 6, 31, 19);
constexpr qreal discRadius = 8;
constexpr QPointF markCentre(34, 43);

QImage blankTile(const QImage& boardBackground, const palette::Face& face) {
    QImage image = canvasOver(boardBackground, layout::board::cell(0, 0), tileSize);
    QPainter painter(&image);
    paintFace(painter, bodyRect(QRect(QPoint(1, 1), tileSize - QSize(2, 2))), tileRadius, face);
    return image;
}

// The mark is stroked twice, a darker rim under the colour, so it stays crisp on the light tile.
void strokeTwice(QPainter& painter, const QPainterPath& path, const QColor& colour) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour.darker(150), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(colour, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

void paintMark(QPainter& painter, TileMark mark, const QColor& colour) {
    QPainterPath path;
    if (mark == TileMark::Cross) {
        constexpr qreal arm = 15;
        path.moveTo(markCentre + QPointF(-arm, -arm));
        path.lineTo(markCentre + QPointF(arm, arm));
        path.moveTo(markCentre + QPointF(arm, -arm));
        path.lineTo(markCentre + QPointF(-arm, arm));
    } else if (mark == TileMark::Ring) {
        path.addEllipse(markCentre, 15, 15);
    }
    strokeTwice(painter, path, colour);
}

void paintDisc(QPainter& painter, const palette::Face& face) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRoundedRect(disc.translated(0, 1), discRadius, discRadius);
    painter.setPen(QPen(face.border, 1));
    painter.setBrush(palette::numberDisc);
    painter.drawRoundedRect(disc, discRadius, discRadius);
}

QImage claimedTile(const QImage& boardBackground, const palette::Face& face, TileMark mark, const QColor& markColour) {
    QImage image = blankTile(boardBackground, face);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintMark(painter, mark, markColour);
    paintDisc(painter, face);
    return image;
}

}  // namespace

QImage freeTile(const QImage& boardBackground) {
    return blankTile(boardBackground, palette::freeTile);
}

QImage freeTilePressed(const QImage& boardBackground) {
    return blankTile(boardBackground, palette::freeTilePressed);
}

QImage playerTile(const QImage& boardBackground, TileMark mark) {
    if (mark == TileMark::Cross)
        return claimedTile(boardBackground, palette::playerOneTile, mark, palette::playerOneMark);
    return claimedTile(boardBackground, palette::playerTwoTile, mark, palette::playerTwoMark);
}

QImage markedTile(const QImage& boardBackground, TileMark mark) {
    return claimedTile(boardBackground, palette::markedTile, mark, palette::markedMark);
}

}  // namespace artgen
