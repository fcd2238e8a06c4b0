// SPDX-License-Identifier: MIT
#pragma once
// A template button: push, default push, auto check box, auto radio, push-like, owner draw.
// A click (press and release over it, or Space) sends WM_COMMAND BN_CLICKED to the parent after an
// auto check box / auto radio button has changed its check (a radio button unchecks the other
// radio buttons of its group). The default processing of BM_GETCHECK / BM_SETCHECK keeps a check
// state (owner-drawn buttons keep none), BM_GETSTATE reports BST_PUSHED / BST_FOCUS / the check,
// BM_SETSTATE presses or releases the button's look. An owner-drawn button (BS_OWNERDRAW) asks
// its attached CButton to DrawItem for every paint.

#include "platform/window/CWnd.h"

struct DRAWITEMSTRUCT {
    UINT CtlType = ODT_BUTTON;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = ODA_DRAWENTIRE;
    UINT itemState = 0;  // ODS_SELECTED while pushed, ODS_FOCUS, ODS_DISABLED
    HWND hwndItem = nullptr;
    HDC hDC = nullptr;  // the paint DC of the button
    CRect rcItem;       // the client rectangle
    UINT_PTR itemData = 0;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

class CButton : public CWnd {
public:
    // Called for every paint of an owner-drawn button; the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);

    int GetCheck() { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    UINT GetState() { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL pushed) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(pushed)); }
};
