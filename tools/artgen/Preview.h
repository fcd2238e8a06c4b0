// SPDX-License-Identifier: MIT
#pragma once

#include "tools/artgen/BitmapCatalogue.h"

#include <QImage>
#include <QString>

// Pictures for looking at the art, never shipped: a contact sheet of every bitmap, cursor and icon
// at 1x with its id, and mock-ups of the board and the dialogs composed as the game composes them
// (pictures 1:1 at their controls' places, captions in Arial-metric text of the game's heights, the
// buttons' words in their lettering).
namespace artgen {

QImage contactSheet(const BitmapSet& bitmaps);

QImage boardMockup(const BitmapSet& bitmaps);
QImage menuMockup(const BitmapSet& bitmaps);
QImage challengeMockup(const BitmapSet& bitmaps);
QImage settingsMockup(const BitmapSet& bitmaps);
QImage highScoresMockup(const BitmapSet& bitmaps);
QImage aboutMockup(const BitmapSet& bitmaps);

// Writes all of the above as PNG files into `directory`; returns an error text, empty on success.
QString writePreviews(const QString& directory, const BitmapSet& bitmaps);

}  // namespace artgen
