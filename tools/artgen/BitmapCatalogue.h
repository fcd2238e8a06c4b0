// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <map>

// Every bitmap of the game by resource id, drawn fresh. Pictures that sit on a background are
// drawn over the part of it they cover, so they need the backgrounds first.
namespace artgen {

using BitmapSet = std::map<int, QImage>;

// `scale` device pixels per pixel of the design: 1, or 2 for the @2x pictures.
BitmapSet drawAllBitmaps(int scale);

}  // namespace artgen
