// SPDX-License-Identifier: MIT
#pragma once
// A bitmap: loaded from the resources, or made compatible with a device context to draw into.

#include "platform/draw/BitmapInfo.h"
#include "platform/draw/CGdiObject.h"

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const;  // null when nothing (or no bitmap) is attached

    // Bitmap resource `id` at its own size (see LoadBitmapResource); FALSE when missing.
    BOOL LoadBitmap(UINT id);
    // A black RGB32 bitmap of width x height (never monochrome, whatever `dc` holds).
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // Width and height of the attached bitmap; 0 when none is attached.
    int GetBitmap(BITMAP* out) const;
};
