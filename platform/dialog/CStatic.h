// SPDX-License-Identifier: MIT
#pragma once
// A template static control. Text statics are painted by the layer: the attached object's CtlColor
// (the reflected colour request) gives the colours and background brush, then the text is drawn
// in the window's font, aligned by SS_LEFT / SS_CENTER / SS_RIGHT and wrapped at word breaks.
// SS_BITMAP shows the bitmap resource of the template and takes its size; SS_ETCHEDFRAME draws an
// etched frame. Without SS_NOTIFY the mouse passes through to the parent; with it a press sends
// WM_COMMAND STN_CLICKED (offered to the control's OnChildNotify first).

#include "platform/window/CWnd.h"

class CStatic : public CWnd {};
