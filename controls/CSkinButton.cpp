// SPDX-License-Identifier: MIT
#include "controls/CSkinButton.h"

#include <algorithm>
#include <utility>

#include "platform/draw/CDC.h"
#include "platform/draw/CFont.h"
#include "platform/draw/SystemColors.h"
#include "platform/window/CClientDC.h"
#include "platform/window/CursorPosition.h"
#include "platform/window/TrackMouseEvent.h"

namespace {

constexpr COLORREF kSeeThrough = RGB(255, 255, 255);
constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

BitmapDrawMode ClampDrawMode(short mode) {
    const short clamped = std::clamp<short>(mode, 0, 2);
    return static_cast<BitmapDrawMode>(clamped);
}

void LoadIfGiven(CBitmap& bitmap, UINT id) {
    if (id != 0) {
        bitmap.LoadBitmap(id);
    }
}

bool IsEmpty(const CBitmap& bitmap) {
    return bitmap.GetSafeHandle() == nullptr;
}

// Paints `bitmap`, or the button face colour where there is none.
void DrawStateBitmap(CDC* dc, CBitmap& bitmap, const CRect& rect, BitmapDrawMode mode, CBitmap& mask) {
    if (IsEmpty(bitmap)) {
        dc->FillSolidRect(rect, GetSysColor(COLOR_BTNFACE));
    } else {
        DrawBitmap(dc, &bitmap, rect, mode, &mask);
    }
}

}  // namespace

CSkinButton::CSkinButton() : textColor(GetSysColor(COLOR_BTNTEXT)) {}

CSkinButton::~CSkinButton() = default;

void CSkinButton::PreSubclassWindow() {
    // A dialog shown again subclasses a new window: the pointer is neither over it nor pressed on it.
    hovering = false;
    mouseDown = false;
    const DWORD type = GetStyle() & 0xFF;
    if ((type & 3) == 3) {
        kind = CheckKind;
    } else if ((type & 9) == 9) {
        kind = RadioKind;
    } else {
        kind = PushKind;
    }
    CButton::PreSubclassWindow();
    ModifyStyle(0, BS_OWNERDRAW);
}

void CSkinButton::SetSkin(UINT normalId, UINT pressedId, UINT hoverId, UINT disabledId, UINT focusId, UINT maskId,
                          short newDrawMode, short newEdge, short newFocusInset, std::string newCaption,
                          const CRect& newCaptionRect, int newFontHeight) {
    caption = std::move(newCaption);
    captionRect = newCaptionRect;
    fontHeight = newFontHeight;

    for (CBitmap* bitmap : {&normalBitmap, &pressedBitmap, &disabledBitmap, &maskBitmap, &hoverBitmap, &focusBitmap}) {
        bitmap->DeleteObject();
    }
    LoadIfGiven(normalBitmap, normalId);
    LoadIfGiven(pressedBitmap, pressedId);
    LoadIfGiven(hoverBitmap, hoverId);
    LoadIfGiven(focusBitmap, focusId);
    LoadIfGiven(disabledBitmap, disabledId != 0 ? disabledId : normalId);

    drawMode = ClampDrawMode(newDrawMode);
    edge = newEdge != 0;
    focusInset = std::max<short>(newFocusInset, 0);

    if (maskId == 0) {
        return;
    }
    maskBitmap.LoadBitmap(maskId);
    CClientDC windowDc(this);
    if (const HRGN region = CreateRegionFromBitmap(&maskBitmap, kSeeThrough, &windowDc); region != nullptr) {
        windowRegion = region;
        SetWindowRgn(region, TRUE);
    }
    // A mask that failed to load has no size; shrinking the button to nothing would lose it.
    if (drawMode == BitmapDrawMode::Copy && !IsEmpty(maskBitmap)) {
        SetWindowPos(nullptr, 0, 0, BitmapWidth(&maskBitmap), BitmapHeight(&maskBitmap), SWP_NOMOVE | SWP_NOZORDER);
    }
}

void CSkinButton::DrawItem(LPDRAWITEMSTRUCT drawItem) {
    // While the mouse is held the pushed look follows the pointer; changing it repaints again.
    if (mouseDown) {
        CPoint cursor;
        GetCursorPos(&cursor);
        const bool over = IsOverThisButton(cursor);
        const bool pushed = (GetState() & BST_PUSHED) != 0;
        if (over && !pushed) {
            SetState(TRUE);
            return;
        }
        if (!over && pushed) {
            SetState(FALSE);
            return;
        }
    }

    CDC* dc = drawItem->hDC;
    const CRect& rect = drawItem->rcItem;
    const UINT state = drawItem->itemState;

    CFont font;
    font.CreateFont(fontHeight, 0, 0, 0, FW_MEDIUM, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH | FF_MODERN,
                    "Arial");
    CFont* previousFont = dc->SelectObject(&font);
    dc->SetBkMode(TRANSPARENT);

    if ((state & ODS_DISABLED) != 0) {
        DrawStateBitmap(dc, disabledBitmap, rect, drawMode, maskBitmap);
        if (edge) {
            CRect edgeRect = rect;
            dc->DrawEdge(&edgeRect, EDGE_RAISED, BF_RECT);
        }
        // Embossed: a light copy, then the grey text one pixel up and left of it.
        dc->SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
        dc->DrawText(caption, captionRect, kCaptionFormat);
        CRect raised = captionRect;
        raised.OffsetRect(-1, -1);
        dc->SetTextColor(GetSysColor(COLOR_GRAYTEXT));
        dc->DrawText(caption, raised, kCaptionFormat);
        dc->SelectObject(previousFont);
        return;
    }

    CRect edgeRect = rect;
    if ((state & ODS_SELECTED) != 0 || checked) {
        DrawStateBitmap(dc, pressedBitmap, rect, drawMode, maskBitmap);
        if (edge) {
            dc->DrawEdge(&edgeRect, EDGE_SUNKEN, BF_RECT);
        }
    } else {
        // Without a normal bitmap the face colour shows, whatever else is set.
        CBitmap* look = &normalBitmap;
        if (!IsEmpty(normalBitmap)) {
            if (hovering && !IsEmpty(hoverBitmap)) {
                look = &hoverBitmap;
            } else if ((state & ODS_FOCUS) != 0 && !IsEmpty(focusBitmap)) {
                look = &focusBitmap;
            }
        }
        DrawStateBitmap(dc, *look, rect, drawMode, maskBitmap);
        if (edge) {
            dc->DrawEdge(&edgeRect, EDGE_RAISED, BF_RECT);
        }
    }
    if ((state & ODS_FOCUS) != 0 && focusInset > 0) {
        CRect focusRect = rect;
        focusRect.DeflateRect(focusInset, focusInset);
        dc->DrawFocusRect(&focusRect);
    } else if ((state & ODS_FOCUS) != 0 && (state & ODS_NOFOCUSRECT) == 0) {
        DrawKeyboardFocusCue(dc, rect);
    }
    dc->SetTextColor(textColor);
    dc->DrawText(caption, captionRect, kCaptionFormat);
    dc->SelectObject(previousFont);
}

void CSkinButton::DrawKeyboardFocusCue(CDC* dc, const CRect& rect) {
    // A dark ring inside a light one: one of the two stands out on any picture.
    CRect ring = rect;
    ring.DeflateRect(2, 2);
    for (const COLORREF colour : {RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255)}) {
        dc->FillSolidRect(ring.left, ring.top, ring.Width(), 1, colour);
        dc->FillSolidRect(ring.left, ring.bottom - 1, ring.Width(), 1, colour);
        dc->FillSolidRect(ring.left, ring.top, 1, ring.Height(), colour);
        dc->FillSolidRect(ring.right - 1, ring.top, 1, ring.Height(), colour);
        ring.DeflateRect(1, 1);
    }
}

LRESULT CSkinButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;  // the bitmap covers the whole control
    case WM_LBUTTONDOWN:
        return OnLButtonDown(message, wParam, lParam);
    case WM_LBUTTONUP:
        return OnLButtonUp(message, wParam, lParam);
    case WM_MOUSEMOVE:
        return OnMouseMove(message, wParam, lParam);
    case WM_LBUTTONDBLCLK:
        return SendMessage(WM_LBUTTONDOWN, wParam, lParam);
    case WM_KILLFOCUS:
        return OnKillFocus(message, wParam, lParam);
    case WM_KEYDOWN:
        return OnKeyDown(message, wParam, lParam);
    case WM_MOUSELEAVE:
        hovering = false;
        Invalidate();
        return 0;
    case WM_SKINBUTTON_UNCHECK:
        return OnUncheck();
    case BM_SETCHECK:
        return OnSetCheck(wParam);
    case BM_GETCHECK:
        return checked ? 1 : 0;
    case WM_GETDLGCODE:
        return kind == RadioKind ? DLGC_RADIOBUTTON | DLGC_BUTTON : DLGC_BUTTON;
    case BM_CLICK:
        if (kind != PushKind) {
            ToggleFromUser();
        }
        return CButton::WindowProc(message, wParam, lParam);
    default:
        return CButton::WindowProc(message, wParam, lParam);
    }
}

LRESULT CSkinButton::OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam) {
    if (mouseDown && GetCapture() == this) {
        CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        ClientToScreen(&point);
        const bool over = IsOverThisButton(point);
        const bool pushed = (GetState() & BST_PUSHED) != 0;
        if (over != pushed) {
            SetState(over ? TRUE : FALSE);
            Invalidate();
        }
    } else if (!hovering && TrackLeave(TME_LEAVE)) {
        hovering = true;
        Invalidate();
    }
    return CButton::WindowProc(message, wParam, lParam);
}

LRESULT CSkinButton::OnLButtonDown(UINT message, WPARAM wParam, LPARAM lParam) {
    if (hovering && TrackLeave(TME_CANCEL | TME_LEAVE)) {
        hovering = false;
    }
    const LRESULT result = CButton::WindowProc(message, wParam, lParam);
    mouseDown = true;
    return result;
}

LRESULT CSkinButton::OnLButtonUp(UINT message, WPARAM wParam, LPARAM lParam) {
    if (kind != PushKind) {
        CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        ClientToScreen(&point);
        if (IsOverThisButton(point)) {
            ToggleFromUser();
        }
    }
    mouseDown = false;
    return CButton::WindowProc(message, wParam, lParam);
}

LRESULT CSkinButton::OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam) {
    if (kind != PushKind && wParam == VK_SPACE) {
        ToggleFromUser();
    }
    return CButton::WindowProc(message, wParam, lParam);
}

LRESULT CSkinButton::OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam) {
    if (GetCapture() == this) {
        ReleaseCapture();
        mouseDown = false;
    }
    return CButton::WindowProc(message, wParam, lParam);
}

LRESULT CSkinButton::OnSetCheck(WPARAM state) {
    checked = state != 0 && kind != PushKind;
    if (kind == RadioKind && checked) {
        UncheckRestOfGroup();
    }
    Invalidate();
    return 0;
}

LRESULT CSkinButton::OnUncheck() {
    if (checked) {
        checked = false;
        Invalidate();
    }
    return 0;
}

void CSkinButton::ToggleFromUser() {
    SendMessage(BM_SETCHECK, kind == CheckKind ? (checked ? 0 : 1) : 1);
}

void CSkinButton::UncheckRestOfGroup() {
    CWnd* parent = GetParent();
    if (parent == nullptr) {
        return;
    }
    // The walk passes over disabled controls, so it may never come back to a disabled button:
    // it also stops when it comes back to the first control it met.
    CWnd* first = parent->GetNextDlgGroupItem(this);
    for (CWnd* control = first; control != nullptr && control != this;) {
        control->PostMessage(WM_SKINBUTTON_UNCHECK);
        control = parent->GetNextDlgGroupItem(control);
        if (control == first) {
            break;
        }
    }
}

bool CSkinButton::IsOverThisButton(CPoint screenPoint) const {
    return WindowFromPoint(screenPoint) == this;
}

bool CSkinButton::TrackLeave(DWORD flags) {
    TRACKMOUSEEVENT track;
    track.dwFlags = flags;
    track.hwndTrack = m_hWnd;
    return TrackMouseEvent(&track) != FALSE;
}
