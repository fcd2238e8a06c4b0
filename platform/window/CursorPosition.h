// SPDX-License-Identifier: MIT
#pragma once
// Where the mouse pointer is.

#include "platform/Geometry.h"

// The pointer's position in screen coordinates; FALSE (and `point` unchanged) for null.
BOOL GetCursorPos(CPoint* point);
