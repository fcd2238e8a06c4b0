// SPDX-License-Identifier: MIT
#pragma once
// A tooltip for a control: the text shows while the pointer rests on the tool's area. Qt shows
// tooltips from the event loop itself, so no messages need relaying to it.

#include <string>

#include "platform/Geometry.h"
#include "platform/WinTypes.h"

class CWnd;

class CToolTipCtrl {
public:
    CToolTipCtrl() = default;
    CToolTipCtrl(const CToolTipCtrl&) = delete;
    CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;
    ~CToolTipCtrl();

    // TRUE once created for `owner`.
    BOOL Create(CWnd* owner, DWORD style = 0);
    // Shows `text` over `window` (area and id are kept for the framework's signature only).
    BOOL AddTool(CWnd* window, const std::string& text, const CRect* area = nullptr, UINT_PTR id = 0);
    // Removes the tooltip text from the tool window.
    void DestroyWindow();

private:
    CWnd* owner_ = nullptr;
    CWnd* tool_ = nullptr;
};
