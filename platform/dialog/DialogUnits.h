// SPDX-License-Identifier: MIT
#pragma once
// Dialog units to pixels with fixed base units per template font size (those the original font
// had at 96 DPI): 8 pt (6, 13), 10 pt (8, 16), 14 pt (11, 24); other sizes use the nearest listed
// size below (8 pt for anything smaller). x = dlu * baseX / 4, y = dlu * baseY / 8, rounded to
// nearest; a rectangle's position and size are converted separately, as the dialog manager does.
// A window shown larger than designed lays its template out at a scale factor: the designed
// pixels' edges are scaled and rounded, so that neighbouring controls still meet.

#include <QFont>
#include <QRect>
#include <QSize>
#include <string>

QSize DialogBaseUnits(int fontPointSize);
int DialogUnitsToPixelsX(int dlu, int fontPointSize);
int DialogUnitsToPixelsY(int dlu, int fontPointSize);
// `x`, `y`, `cx`, `cy` in dialog units -> a pixel rectangle, at `scale` times the designed size.
QRect DialogRectToPixels(int x, int y, int cx, int cy, int fontPointSize, qreal scale = 1);
// A rectangle of designed pixels at `scale`: each edge scaled and rounded to nearest.
QRect ScaledRect(const QRect& designed, qreal scale);
// A length of designed pixels at `scale`, rounded to nearest.
int ScaledLength(int designed, qreal scale);

// A template's font: its face ("MS Sans Serif", not on Linux desktops, becomes Liberation Sans with
// close metrics) at the em whose average letter is no wider than the template's horizontal base
// unit (times `scale`), so that the template's texts fit their boxes. The letters are measured once
// per face and em.
QFont TemplateFont(const std::string& face, int pointSize, qreal scale = 1);
