// SPDX-License-Identifier: MIT
// A window of the layer: its CWnd objects, fonts, timers, invalid area, and the order of the
// top-level windows.
#include "platform/window/WindowHost.h"

#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/draw/HandleObjects.h"
#include "platform/window/MessageDispatch.h"
#include "platform/window/MouseCapture.h"

namespace {

unsigned long long g_creationCounter = 0;

std::vector<QPointer<QWidget>>& ZOrder() {
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

}  // namespace

WindowHost::WindowHost(QWidget* widget) : creationOrder(++g_creationCounter), widget_(widget) {}

void WindowHost::SetUpWidget() {
    KeepOpaque();
    widget_->setAttribute(Qt::WA_NoSystemBackground);
    widget_->setMouseTracking(true);
}

void WindowHost::KeepOpaque() {
    // Every window of the layer paints all of its pixels, its erase step included. Left to Qt as
    // see-through, a control's repaint would first repaint its parent beneath it, and a parent
    // whose paint invalidates a control would dirty itself again without end.
    widget_->setAttribute(Qt::WA_OpaquePaintEvent);
}

WindowHost::~WindowHost() {
    DetachAll();
    if (region != nullptr) {
        DeleteObject(region);
    }
}

WindowHost* WindowHost::Of(HWND window) {
    return window != nullptr ? dynamic_cast<WindowHost*>(window) : nullptr;
}

void WindowHost::Attach(CWnd* wnd) {
    CWnd* next = wnd != nullptr ? wnd : plain_.get();
    if (attached_ != nullptr && attached_ != next && attached_ != plain_.get()) {
        attached_->m_hWnd = nullptr;
    }
    attached_ = next;
    if (attached_ != nullptr) {
        attached_->m_hWnd = widget_;
    }
}

void WindowHost::ForgetAttached(CWnd* wnd) {
    if (attached_ == wnd) {
        attached_ = plain_.get();
    }
}

void WindowHost::CreatePlainWnd() {
    plain_ = std::make_unique<CWnd>();
    plain_->m_hWnd = widget_;
    if (attached_ == nullptr) {
        attached_ = plain_.get();
    }
}

void WindowHost::DetachAll() {
    if (attached_ != nullptr) {
        attached_->m_hWnd = nullptr;
    }
    attached_ = nullptr;
    if (plain_) {
        plain_->m_hWnd = nullptr;
    }
}

void WindowHost::ShowIcon() {
    if (!painted_) {
        return;
    }
    const HICON shown = bigIcon != nullptr ? bigIcon : smallIcon;
    widget_->setWindowIcon(shown != nullptr ? shown->Icon() : QIcon());
}

void WindowHost::SetFontHandle(HFONT font) {
    fontHandle = font;
    fontPending_ = font != nullptr;
    const WindowHost* window = Of(widget_->window());
    if (window != nullptr && window->exposed_) {
        TakeFont();
    }
}

void WindowHost::CameOnScreen() {
    exposed_ = true;
    TakeFont();
    for (QWidget* child : widget_->findChildren<QWidget*>()) {
        if (WindowHost* host = Of(child)) {
            host->TakeFont();
        }
    }
}

void WindowHost::TakeFont() {
    if (fontPending_) {
        fontPending_ = false;
        widget_->setFont(fontHandle->Font());
    }
}

void WindowHost::KillAllTimers() {
    for (const auto& entry : timers) {
        widget_->killTimer(entry.second);
    }
    timers.clear();
}

void WindowHost::AddInvalid(const QRegion& area, bool erase) {
    // A window not on screen yet is painted whole, erased, when it appears.
    if (!widget_->isVisible()) {
        return;
    }
    if (erase) {
        pendingErase_ += area;
    } else {
        pendingNoErase_ += area;
    }
    widget_->update(area);
}

void WindowHost::PaintPendingNow() {
    const QRegion pending = pendingErase_ + pendingNoErase_;
    if (!pending.isEmpty() && widget_->isVisible()) {
        widget_->repaint(pending);
    }
}

void DestroyWindowTree(QWidget* root) {
    std::vector<QWidget*> widgets{root};
    for (QWidget* child : root->findChildren<QWidget*>()) {
        widgets.push_back(child);
    }
    for (QWidget* widget : widgets) {
        if (WindowHost* host = WindowHost::Of(widget)) {
            DispatchMessage(*host, WM_DESTROY, 0, 0);
        }
    }
    bool busy = false;
    for (QWidget* widget : widgets) {
        if (WindowHost* host = WindowHost::Of(widget)) {
            host->KillAllTimers();
            host->DetachAll();
            host->isDestroyed = true;
            busy = busy || host->dispatchDepth > 0;
        }
    }
    if (QWidget* capture = MouseCapture(); capture != nullptr && (capture == root || root->isAncestorOf(capture))) {
        ReleaseMouseCapture();
    }
    if (busy) {
        root->hide();
        root->deleteLater();
    } else {
        delete root;
    }
}

void BringToFront(QWidget* window) {
    auto& order = ZOrder();
    std::erase_if(order, [window](const QPointer<QWidget>& entry) { return entry.isNull() || entry == window; });
    order.insert(order.begin(), QPointer<QWidget>(window));
}

QWidget* TopLevelWindowAt(QPoint screenPoint) {
    for (const QPointer<QWidget>& window : ZOrder()) {
        if (window.isNull() || !window->isVisible() || window->isMinimized()) {
            continue;
        }
        const QPoint local = window->mapFromGlobal(screenPoint);
        if (window->rect().contains(local) && (window->mask().isEmpty() || window->mask().contains(local))) {
            return window;
        }
    }
    return nullptr;
}
