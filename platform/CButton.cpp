// SPDX-License-Identifier: MIT
#include "platform/CButton.h"

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}
