// SPDX-License-Identifier: MIT
#pragma once
// Regions of pixels (over QRegion), united as the framework unites them.

#include "platform/Geometry.h"
#include "platform/draw/CGdiObject.h"

// Region kinds returned by CombineRgn
inline constexpr int RGN_ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

// The combination mode the game uses
inline constexpr int RGN_OR = 2;

class CRgn : public CGdiObject {
public:
    operator HRGN() const;

    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    // This region becomes the union of `a` and `b`. This region must have been created first;
    // RGN_ERROR otherwise, for a missing operand or for any other mode.
    int CombineRgn(const CRgn* a, const CRgn* b, int mode);
};
