// SPDX-License-Identifier: MIT
#pragma once
// The frame a window manager puts around a top-level window. Qt learns it only once a window
// has been framed on screen; before that, the frame of a framed window already on screen stands
// in, so a dialog that places itself while it is being set up sees the rectangle it will have.

#include <QMargins>

class QWidget;

QMargins WindowFrameMargins(const QWidget* window);
