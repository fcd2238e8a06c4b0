// SPDX-License-Identifier: MIT
#pragma once
// Regions of pixels (over QRegion), combined as the framework combines them.

#include "platform/CGdiObject.h"
#include "platform/Geometry.h"

// Region kinds returned by CombineRgn and GetRgnBox
inline constexpr int RGN_ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

// Combination modes
inline constexpr int RGN_AND = 1;
inline constexpr int RGN_OR = 2;
inline constexpr int RGN_XOR = 3;
inline constexpr int RGN_DIFF = 4;
inline constexpr int RGN_COPY = 5;

class CRgn : public CGdiObject {
public:
    operator HRGN() const;

    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    // This region becomes `a` combined with `b` (b is unused for RGN_COPY). This region must have
    // been created first; RGN_ERROR otherwise or for an unknown mode.
    int CombineRgn(const CRgn* a, const CRgn* b, int mode);
    BOOL PtInRegion(int x, int y) const;
    BOOL EqualRgn(const CRgn* other) const;  // same pixels, however stored
    int GetRgnBox(CRect* box) const;
};

HRGN CreateRectRgn(int left, int top, int right, int bottom);
int CombineRgn(HRGN destination, HRGN a, HRGN b, int mode);
