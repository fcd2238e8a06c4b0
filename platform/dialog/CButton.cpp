// SPDX-License-Identifier: MIT
#include "platform/dialog/CButton.h"

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}
