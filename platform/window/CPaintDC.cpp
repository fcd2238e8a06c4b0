// SPDX-License-Identifier: MIT
#include "platform/window/CPaintDC.h"

#include <QPainter>
#include <QWidget>

#include "platform/window/CWnd.h"
#include "platform/window/WindowHost.h"

CPaintDC::CPaintDC(CWnd* window) {
    WindowHost* host = window != nullptr ? WindowHost::Of(window->m_hWnd) : nullptr;
    if (host == nullptr) {
        return;
    }
    if (host->activePainter != nullptr) {
        AttachPainter(host->activePainter);
        return;
    }
    if (!host->inPaint) {
        return;
    }
    host_ = host;
    painter_ = std::make_unique<QPainter>(host->Widget());
    host->activePainter = painter_.get();
    AttachPainter(painter_.get());
}

CPaintDC::~CPaintDC() {
    DetachPainter();
    if (painter_) {
        host_->activePainter = nullptr;
        painter_->end();
    }
}
