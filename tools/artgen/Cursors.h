// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>

// The two 32 x 32 mouse cursors of the players: a blue X (134) and a red O (135), each with a white
// halo and a dark rim so they show on the dark board and on light tiles alike.
namespace artgen {

inline constexpr QPoint crossHotSpot(15, 15);
inline constexpr QPoint ringHotSpot(16, 15);

// At `scale` device pixels per pixel (1, or 2 for high-density screens); the hot spots are in pixels
// of the design at any scale.
QImage crossCursor(int scale);
QImage ringCursor(int scale);

}  // namespace artgen
