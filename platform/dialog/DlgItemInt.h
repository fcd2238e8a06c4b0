// SPDX-License-Identifier: MIT
#pragma once
// The platform's reading of a number from a control's text (GetDlgItemInt).

#include <string>

#include "platform/WinTypes.h"

// Leading blanks skipped; with `isSigned` an optional minus sign; then decimal digits up to the
// first other character. No digits, or a value outside the 32-bit range: 0 and `translated` false.
UINT ParseDlgItemInt(const std::string& text, bool isSigned, bool* translated);
