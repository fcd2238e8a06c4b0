// SPDX-License-Identifier: MIT
#pragma once
// The mouse cursor. A window sets it while handling WM_SETCURSOR (sent before every mouse move over
// it, to the window under the pointer, whose default asks the parent first); outside that, it is
// set on the window under the pointer. Null shows no special shape (the arrow).

#include "platform/GdiHandles.h"

// Returns the previous cursor.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
