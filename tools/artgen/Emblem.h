// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

// The game's emblem: a slate badge holding a 3 x 3 board whose diagonal is a completed green line
// of X marks, with red O marks beside it. One description in a 256-unit square serves the small
// picture 278, the application icon at every size and its SVG.
namespace artgen {

struct EmblemShape {
    enum class Kind { Tile, Cross, Ring };
    Kind kind;
    QRectF box;         // tile rectangle, or the square a cross or ring fills
    qreal radius;       // tile corner radius
    QColor top;         // tile gradient top, or mark colour
    QColor bottom;      // tile gradient bottom
    QColor border;      // tile border
    qreal strokeWidth;  // tile border or mark stroke
};

// The badge's corner radius: well rounded for the icon, only slightly for the picture 278, which
// fills its square so that its corners suit both the board and the about box behind it.
enum class BadgeCorners { Icon, Picture };

std::vector<EmblemShape> emblemShapes(BadgeCorners corners);

inline constexpr qreal emblemUnits = 256;
inline constexpr QRectF emblemBadge(14, 14, 228, 228);

// Draws the emblem into the square (0, 0, side, side) of the painter's device with a transparent
// margin round the badge.
void paintEmblem(QPainter& painter, qreal side);

// Draws the emblem so that its badge fills the square (0, 0, side, side).
void paintEmblemBadge(QPainter& painter, qreal side);

// The icon at `side` pixels with a transparent surround.
QImage emblemIcon(int side);

// The same emblem as a standalone SVG document.
QString emblemSvg();

}  // namespace artgen
