// SPDX-License-Identifier: MIT
#pragma once

#include "tools/artgen/Palette.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

// Labelled picture buttons and plates. A picture may be a pixel larger than the control showing it
// (drawn 1:1 from the top-left), so the body is laid out in the visible part and the rest is margin.
namespace artgen {

struct ButtonShape {
    QSize picture;  // the bitmap's size
    QSize visible;  // the part the control shows
    int marginX;
    int marginY;
    qreal radius;
    int fontPixels;  // size of the label's bold text
};

// 193 x 55 action buttons of the menu and the board's Options button.
inline constexpr ButtonShape actionShape{QSize(193, 55), QSize(192, 54), 4, 3, 8, 18};
// 193 x 63 sound switch of the menu.
inline constexpr ButtonShape soundShape{QSize(193, 63), QSize(192, 63), 4, 4, 8, 18};
// 193 x 63 buttons of the challenge.
inline constexpr ButtonShape challengeShape{QSize(193, 63), QSize(193, 63), 4, 5, 8, 19};
// 300 x 53 question strip of the challenge; the game writes the question on it.
inline constexpr ButtonShape questionShape{QSize(300, 53), QSize(300, 53), 3, 3, 8, 0};
// 96 x 26 range and Done buttons.
inline constexpr ButtonShape rangeShape{QSize(96, 26), QSize(96, 26), 1, 1, 5, 14};
// 112 x 39 opponent buttons.
inline constexpr ButtonShape opponentShape{QSize(112, 39), QSize(112, 39), 1, 1, 6, 13};
// 109 x 36 name and score plates; the game writes on them.
inline constexpr ButtonShape plateShape{QSize(109, 36), QSize(109, 36), 1, 1, 6, 0};

enum class Outline { None, Selected };

enum class SoundIcon { On, Off };

// A button over `background` at `at` (where it sits in its window), with `label` centred on it.
QImage labelledButton(const QImage& background, QPoint at, const ButtonShape& shape, const palette::Face& face,
                      const QString& label, Outline outline);

// The sound switch: a speaker with sound waves (on) or a cross (off) beside the label.
QImage soundButton(const QImage& background, QPoint at, const palette::Face& face, const QString& label,
                   SoundIcon icon);

}  // namespace artgen
