// SPDX-License-Identifier: MIT
#pragma once
// Handles of the drawing objects. A handle points at the object the layer allocated for it; the
// caller that created it deletes it with DeleteObject (stock objects ignore that). Icons and
// cursors loaded from the resources are shared and live for the whole program.

#include "platform/WinTypes.h"

struct GdiObject;
struct BitmapObject;
struct BrushObject;
struct FontObject;
struct RegionObject;
class IconObject;
struct CursorObject;
class CDC;

using HGDIOBJ = GdiObject*;
using HBITMAP = BitmapObject*;
using HBRUSH = BrushObject*;
using HFONT = FontObject*;
using HRGN = RegionObject*;
using HICON = const IconObject*;
using HCURSOR = const CursorObject*;
// A device context handle is the CDC itself (DRAWITEMSTRUCT::hDC, WM_ERASEBKGND's wParam).
using HDC = CDC*;

// Stock objects
inline constexpr int DEFAULT_GUI_FONT = 17;

// Deletes an object made by a Create... or Load... call; FALSE for null and stock objects.
BOOL DeleteObject(HGDIOBJ object);

// NULL_BRUSH (the hollow brush) and DEFAULT_GUI_FONT; null for any other index.
HGDIOBJ GetStockObject(int index);

// Copies the description of a bitmap (a BITMAP) or a font (a LOGFONT) into `out`; returns the
// bytes written, 0 when the handle is null or `size` does not match the object's description.
int GetObject(HGDIOBJ object, int size, void* out);
