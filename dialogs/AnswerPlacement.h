// SPDX-License-Identifier: MIT
#pragma once
// Where the challenge dialog goes so that it does not hide the line it asks about.

#include <QRect>

// True unless the line [lineTop, lineBottom] lies wholly above or wholly below `rect` (whose
// bottom is its top plus its height); touching counts as overlapping.
bool OverlapsLineVertically(const QRect& rect, int lineTop, int lineBottom);

// The dialog's rectangle moved 6 pixels right and, vertically, centred on the owner; else 6 pixels
// below the owner's top; else 6 pixels above its bottom (taken even if it covers the line). All
// rectangles in screen pixels; the 6 pixels are `scale` times as many for a board shown larger.
QRect PlaceClearOfLine(const QRect& dialogRect, const QRect& ownerRect, int lineTop, int lineBottom, qreal scale = 1);
