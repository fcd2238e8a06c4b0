// SPDX-License-Identifier: MIT
#pragma once
// A template static text with its own background and text colours instead of the dialog's.

#include "platform/dialog/CStatic.h"
#include "platform/draw/CBrush.h"

class CColorLabel : public CStatic {
public:
    CColorLabel();
    ~CColorLabel() override;

    // Each repaints the label at once when its window exists.
    void SetBackColor(COLORREF color);
    void SetForeColor(COLORREF color);

    COLORREF GetBackColor() const { return backColor; }
    COLORREF GetForeColor() const { return foreColor; }

    // The reflected colour request: the label's colours, and its brush for the background.
    HBRUSH CtlColor(CDC* dc, UINT ctlColor) override;

private:
    void RedrawNow();

    CBrush backBrush;
    COLORREF backColor;
    COLORREF foreColor;
};
