// SPDX-License-Identifier: MIT
#pragma once
// Where the challenge dialog goes so that it does not hide the line it asks about.

#include "platform/Geometry.h"

// True unless the line [lineTop, lineBottom] lies wholly above or wholly below `rect`; touching
// counts as overlapping.
bool OverlapsLineVertically(const CRect& rect, int lineTop, int lineBottom);

// The dialog's rectangle moved 6 pixels right and, vertically, centred on the owner; else 6 pixels
// below the owner's top; else 6 pixels above its bottom (taken even if it covers the line). All
// rectangles in screen pixels.
CRect PlaceClearOfLine(const CRect& dialogRect, const CRect& ownerRect, int lineTop, int lineBottom);
