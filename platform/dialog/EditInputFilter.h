// SPDX-License-Identifier: MIT
#pragma once
// Restricting what can be typed or pasted into a template edit box.

#include <string>

#include "platform/WinTypes.h"

class CWnd;

// From now on the edit box takes only input that keeps its whole text matching `pattern`
// (a regular expression); rejected keys and pastes change nothing. The box's other limits (its
// width without ES_AUTOHSCROLL) still apply. FALSE when `edit` is no edit box or `pattern` is
// not a valid expression.
BOOL SetEditInputFilter(CWnd* edit, const std::string& pattern);
