// SPDX-License-Identifier: MIT
#pragma once
// Text as the game's design lays it out: fonts asked for by height the way the designed platform
// sizes them, and text placed in a rectangle (left, centred or right; one line centred vertically,
// or lines broken at words) at whole pixels. And the lettering of the picture buttons' captions.

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QRect>
#include <QString>
#include <optional>

class QPainter;

// A positive `height` is the cell height (ascent and descent): the largest em whose cell is no
// taller. A negative one is the em itself; 0 the platform's default of 13 pixels. Kerning is off.
// At a `scale` other than 1 the height (or the default) is that many times larger, for a window
// shown larger than designed. Resolved once per face, height, weight and scale.
const QFont& FontByHeight(const QString& face, int height, int weight, qreal scale = 1);

enum class TextFlag {
    Left = 0,
    Centre = 0x1,
    Right = 0x2,
    VerticalCentre = 0x4,  // with SingleLine
    WordBreak = 0x10,
    SingleLine = 0x20,
};
Q_DECLARE_FLAGS(TextFlags, TextFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TextFlags)

// Draws `text` into `rect`, clipped to it; "&x" shows x. With `background`, each line's own extent
// is filled first.
void DrawTextInRect(QPainter& painter, const QString& text, const QRect& rect, TextFlags flags, const QFont& font,
                    const QColor& color, std::optional<QColor> background = std::nullopt);

// The lettering of a picture button's caption: bold Arial of `pixelSize` (the em, kept whatever the
// text) in `ink`, over a copy in `shadow` one pixel lower that makes the letters look pressed in.
struct CaptionStyle {
    int pixelSize;
    QColor ink;
    QColor shadow;
};

// Draws `text` centred in `box` in `style`, lines broken at '\n'. Text too wide for the box wraps
// at words when the lines fit its height; what still does not fit is elided. Nothing is drawn
// outside `box` but the shadow's lowest row.
void DrawCaption(QPainter& painter, const QString& text, const QRect& box, const CaptionStyle& style);
// Whether `text` is drawn in `box` as given, neither wrapped nor shortened.
bool CaptionFits(const QString& text, const QRect& box, const CaptionStyle& style);
