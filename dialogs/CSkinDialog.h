// SPDX-License-Identifier: MIT
#pragma once
// The base of every window of the game: a background picture from a bitmap resource painted 1:1
// from the top-left corner behind the controls, and moving the window by pressing anywhere on its
// own surface (the only way to move a dialog without a title bar).

#include "platform/dialog/CDialog.h"
#include "platform/draw/CBitmap.h"

class CSkinDialog : public CDialog {
public:
    explicit CSkinDialog(UINT templateId, CWnd* parent = nullptr);
    ~CSkinDialog() override;

    // 1: a left press on the dialog's surface starts moving the window (the state at construction).
    void EnableDrag(int on);
    // The bitmap resource `resourceId` as the background; what SetBackground returns.
    int LoadBackground(WORD resourceId);
    // Takes ownership of `bitmap` as the background (null removes it) and repaints the window.
    // 1, or 0 when `bitmap` is not a readable bitmap (then there is no background).
    int SetBackground(HBITMAP bitmap);
    void FreeBackground();

    int IsDragEnabled() const { return dragAnywhere; }
    bool HasBackground() const { return backgroundBitmap.GetSafeHandle() != nullptr; }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnEraseBackground(UINT message, WPARAM wParam, LPARAM lParam);

    int dragAnywhere = 1;
    CBitmap backgroundBitmap;
};
