// SPDX-License-Identifier: MIT
#include "platform/draw/CBrush.h"

#include "platform/draw/HandleObjects.h"

CBrush::CBrush(COLORREF color) {
    CreateSolidBrush(color);
}

CBrush::operator HBRUSH() const {
    return dynamic_cast<HBRUSH>(m_hObject);
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    if (m_hObject != nullptr) {
        return FALSE;
    }
    return Attach(::CreateSolidBrush(color));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto* brush = new BrushObject;
    brush->color = color & 0x00FFFFFFu;
    return brush;
}
