// SPDX-License-Identifier: MIT
#pragma once
// The game's one button: a template button subclassed and drawn from bitmap resources, one per
// visual state, with an optional caption over the picture. Owner-drawn buttons get no check
// handling from the platform, so the check-box and radio behaviour lives here; a radio button
// that becomes checked posts WM_SKINBUTTON_UNCHECK to the rest of its group.

#include <string>

#include "controls/BitmapDrawing.h"
#include "platform/Geometry.h"
#include "platform/dialog/CButton.h"
#include "platform/draw/CBitmap.h"

// Private message of the skin button; both parameters 0.
inline constexpr UINT WM_SKINBUTTON_UNCHECK = 0x500;

// The platform's button type codes.
enum ButtonKind { PushKind = 0, CheckKind = 2, RadioKind = 4 };

class CSkinButton : public CButton {
public:
    CSkinButton();
    ~CSkinButton() override;

    // Dresses the button; any number of times once the window exists. Bitmap ids of 0 mean none;
    // a disabled id of 0 takes a copy of the normal bitmap. `drawMode` is clamped to
    // BitmapDrawMode, `focusInset` to 0 and above (0 draws no focus rectangle). With a mask the
    // window takes the mask's shape (white = outside) and, in Copy mode, its size. Does not
    // repaint by itself: the new bitmaps show at the next paint.
    void SetSkin(UINT normalId, UINT pressedId, UINT hoverId, UINT disabledId, UINT focusId, UINT maskId,
                 short drawMode, short edge, short focusInset, std::string caption, const CRect& captionRect,
                 int fontHeight);

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    ButtonKind GetKind() const { return kind; }
    BitmapDrawMode GetDrawMode() const { return drawMode; }
    short GetFocusInset() const { return focusInset; }
    bool IsHovering() const { return hovering; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDown(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonUp(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCheck(WPARAM state);
    LRESULT OnUncheck();
    // What a click or Space does to the check: a check box toggles, a radio button checks.
    void ToggleFromUser();
    void UncheckRestOfGroup();
    // The focus cue once the keyboard is in use (the design's skins have no focus picture).
    static void DrawKeyboardFocusCue(CDC* dc, const CRect& rect);
    bool IsOverThisButton(CPoint screenPoint) const;
    // Arms or cancels the platform's leave notification; true when the platform agreed.
    bool TrackLeave(DWORD flags);

    std::string caption;
    CRect captionRect;
    int fontHeight = 0;
    bool checked = false;
    ButtonKind kind = PushKind;
    bool hovering = false;
    bool mouseDown = false;
    CBitmap normalBitmap;
    CBitmap pressedBitmap;
    CBitmap disabledBitmap;
    CBitmap maskBitmap;
    CBitmap hoverBitmap;
    CBitmap focusBitmap;
    short focusInset = 0;
    COLORREF textColor;
    HRGN windowRegion = nullptr;  // owned by the window once applied
    bool edge = false;
    BitmapDrawMode drawMode = BitmapDrawMode::Stretch;
};
