// SPDX-License-Identifier: MIT
#pragma once
// A solid brush, or the hollow stock brush attached by handle.

#include "platform/draw/CGdiObject.h"

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color);  // a solid brush, as CreateSolidBrush

    operator HBRUSH() const;
    BOOL CreateSolidBrush(COLORREF color);
};

HBRUSH CreateSolidBrush(COLORREF color);
