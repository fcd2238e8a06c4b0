// SPDX-License-Identifier: MIT
#include "controls/CColorLabel.h"

#include "platform/draw/CDC.h"
#include "platform/draw/SystemColors.h"

CColorLabel::CColorLabel() : backColor(GetSysColor(COLOR_BTNFACE)), foreColor(RGB(0, 0, 0)) {
    backBrush.CreateSolidBrush(backColor);
}

CColorLabel::~CColorLabel() = default;

void CColorLabel::SetBackColor(COLORREF color) {
    backColor = color;
    backBrush.DeleteObject();
    backBrush.CreateSolidBrush(color);
    RedrawNow();
}

void CColorLabel::SetForeColor(COLORREF color) {
    foreColor = color;
    RedrawNow();
}

HBRUSH CColorLabel::CtlColor(CDC* dc, UINT) {
    dc->SetBkColor(backColor);
    dc->SetTextColor(foreColor);
    return backBrush;
}

void CColorLabel::RedrawNow() {
    if (GetSafeHwnd() != nullptr) {
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}
