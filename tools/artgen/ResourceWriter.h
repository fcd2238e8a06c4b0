// SPDX-License-Identifier: MIT
#pragma once

#include "tools/artgen/BitmapCatalogue.h"

#include <QString>

namespace artgen {

// Writes every resource file under `root` (the repository's resources/ folder):
// bitmaps/ID.png (24-bit) with bitmaps/ID@2x.png from `bitmaps2x`, cursors/ID.png and ID@2x.png
// (with alpha) and cursors/hotspots.txt ("id x y" lines, in 1x pixels),
// icons/128-SIZE.png and icons/128.svg, sounds/303.wav and sounds/306.wav.
// Returns an error text, empty on success. The output depends on nothing but the sources and the
// fonts, so running it again gives byte-identical files.
QString writeResources(const QString& root, const BitmapSet& bitmaps, const BitmapSet& bitmaps2x);

}  // namespace artgen
