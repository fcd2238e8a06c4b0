#include "platform/CButton.h"

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}
