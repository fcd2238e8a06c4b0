// SPDX-License-Identifier: MIT
#pragma once
// A device context of a window's client area outside painting. Qt draws on widgets only while they
// paint, so this DC serves as the reference for compatible memory DCs and bitmaps; what is drawn
// on it directly is not shown (repaint through Invalidate / UpdateWindow instead).

#include "platform/draw/CDC.h"

class CWnd;

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
};
