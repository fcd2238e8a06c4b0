// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

// Text in the pictures is set in Liberation Sans (Debian's fonts-liberation), which has Arial's
// metrics, so the words look as the game's own captions do.
namespace artgen {

inline constexpr const char* fontDirectory = "/usr/share/fonts/truetype/liberation";
inline constexpr const char* fontFamily = "Liberation Sans";

// Registers the regular and bold faces with the application; returns an error text, empty on success.
QString loadArtFonts();

QFont artFont(int pixelSize, QFont::Weight weight = QFont::Bold);

}  // namespace artgen
