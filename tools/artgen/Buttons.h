// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/ButtonLettering.h"
#include "tools/artgen/Palette.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// Picture buttons and plates, without words: the game writes every caption over its picture, in
// the body the picture draws (dialogs/ButtonLettering.h). A picture may be a pixel larger than the
// control showing it (drawn 1:1 from the top-left), so the body lies in the part the control shows
// and the rest is margin.
namespace artgen {

struct ButtonShape {
    QSize picture;  // the bitmap's size
    QRect body;
    qreal radius;
};

inline constexpr ButtonShape actionShape{QSize(193, 55), lettering::actionBody, 8};
inline constexpr ButtonShape soundShape{QSize(193, 63), lettering::soundBody, 8};
inline constexpr ButtonShape challengeShape{QSize(193, 63), lettering::challengeBody, 8};
// 300 x 53 question strip of the challenge; the game writes the question on it.
inline constexpr ButtonShape questionShape{QSize(300, 53), QRect(3, 3, 294, 47), 8};
inline constexpr ButtonShape rangeShape{QSize(96, 26), lettering::rangeBody, 5};
inline constexpr ButtonShape opponentShape{QSize(112, 39), lettering::opponentBody, 6};
// 109 x 36 name and score plates; the game writes on them.
inline constexpr ButtonShape plateShape{QSize(109, 36), QRect(1, 1, 107, 34), 6};

enum class Outline { None, Selected };

enum class SoundIcon { On, Off };

// A button's face over `background` at `at` (where it sits in its window).
QImage buttonFace(const QImage& background, QPoint at, const ButtonShape& shape, const palette::Face& face,
                  Outline outline);

// The sound switch: a speaker in `ink` with sound waves (on) or a cross (off), left of the words.
QImage soundButton(const QImage& background, QPoint at, const palette::Face& face, const QColor& ink, SoundIcon icon);

}  // namespace artgen
