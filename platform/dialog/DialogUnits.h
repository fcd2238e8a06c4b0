// SPDX-License-Identifier: MIT
#pragma once
// Dialog units to pixels with fixed base units per template font size (those the original font
// had at 96 DPI): 8 pt (6, 13), 10 pt (8, 16), 14 pt (11, 24); other sizes use the nearest listed
// size below (8 pt for anything smaller). x = dlu * baseX / 4, y = dlu * baseY / 8, rounded to
// nearest; a rectangle's position and size are converted separately, as the dialog manager does.

#include <QFont>
#include <QRect>
#include <QSize>
#include <string>

QSize DialogBaseUnits(int fontPointSize);
int DialogUnitsToPixelsX(int dlu, int fontPointSize);
int DialogUnitsToPixelsY(int dlu, int fontPointSize);
// `x`, `y`, `cx`, `cy` in dialog units -> a pixel rectangle.
QRect DialogRectToPixels(int x, int y, int cx, int cy, int fontPointSize);

// A template's font: its face ("MS Sans Serif", not on Linux desktops, becomes Liberation Sans with
// close metrics) at the em whose average letter is no wider than the template's horizontal base
// unit, so that the template's texts fit their boxes. Measured once per face and size.
QFont TemplateFont(const std::string& face, int pointSize);
