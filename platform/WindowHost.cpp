// SPDX-License-Identifier: MIT
#include "platform/WindowHost.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPointer>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <utility>
#include <vector>

#include "platform/CBrush.h"
#include "platform/CDC.h"
#include "platform/CursorShape.h"
#include "platform/CursorTarget.h"
#include "platform/GdiObjects.h"
#include "platform/MessageDispatch.h"
#include "platform/MouseCapture.h"
#include "platform/PainterDC.h"
#include "platform/SystemColors.h"
#include "platform/VirtualKeys.h"
#include "platform/WindowMove.h"

namespace {

bool IsFocusMovingKey(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Left || key == Qt::Key_Right ||
           key == Qt::Key_Up || key == Qt::Key_Down;
}

}  // namespace

namespace {

WPARAM MouseKeyFlags(const QMouseEvent* event) {
    WPARAM flags = 0;
    if ((event->buttons() & Qt::LeftButton) != 0) {
        flags |= MK_LBUTTON;
    }
    if ((event->buttons() & Qt::RightButton) != 0) {
        flags |= MK_RBUTTON;
    }
    if ((event->modifiers() & Qt::ShiftModifier) != 0) {
        flags |= MK_SHIFT;
    }
    if ((event->modifiers() & Qt::ControlModifier) != 0) {
        flags |= MK_CONTROL;
    }
    return flags;
}

unsigned long long g_creationCounter = 0;

std::vector<QPointer<QWidget>>& ZOrder() {
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

bool IsDialogKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

// Calls back once, when the window first comes on screen, just before its first paint.
class ExposeWatch final : public QObject {
public:
    ExposeWatch(QWindow* window, std::function<void()> onExpose) : QObject(window), onExpose_(std::move(onExpose)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed() && onExpose_) {
            std::exchange(onExpose_, nullptr)();
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> onExpose_;
};

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

bool WindowHost::HandleEvent(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Polish || type == QEvent::StyleChange) {
        // Styles clear the opaque flag when they polish a widget (Fusion does for every one).
        const bool result = BaseEvent(event);
        KeepOpaque();
        return result;
    }
    if (attached_ == nullptr) {
        return BaseEvent(event);
    }
    if (type == PostedMessageEvent::EventType()) {
        const auto* posted = static_cast<PostedMessageEvent*>(event);
        DispatchMessage(*this, posted->message, posted->wParam, posted->lParam);
        return true;
    }
    switch (type) {
    case QEvent::Timer: {
        const int qtId = static_cast<QTimerEvent*>(event)->timerId();
        for (const auto& [id, timer] : timers) {
            if (timer == qtId) {
                DispatchMessage(*this, WM_TIMER, id, 0);
                return true;
            }
        }
        return BaseEvent(event);
    }
    case QEvent::Paint:
        Paint(static_cast<QPaintEvent*>(event));
        return true;
    case QEvent::Show:
        if (widget_->isWindow()) {
            BringToFront(widget_);
            if (!exposed_ && widget_->windowHandle() != nullptr) {
                new ExposeWatch(widget_->windowHandle(), [this] { CameOnScreen(); });
            }
        }
        pendingErase_ = QRegion();
        pendingNoErase_ = QRegion();
        fresh_ = true;
        painted_ = false;
        return BaseEvent(event);
    case QEvent::Move:
        fresh_ = true;
        return BaseEvent(event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        DispatchMouse(event);
        // Mouse messages never travel on to the parent window.
        event->accept();
        return true;
    case QEvent::Enter:
        mouseInside = true;
        if (MouseCapture() == nullptr) {
            SendSetCursor(WM_MOUSEMOVE);
        }
        return BaseEvent(event);
    case QEvent::Leave:
        mouseInside = false;
        if (leaveArmed) {
            leaveArmed = false;
            PostWindowMessage(*this, WM_MOUSELEAVE, 0, 0);
        }
        return BaseEvent(event);
    case QEvent::KeyPress:
        return DispatchKey(event);
    case QEvent::FocusIn:
        DispatchMessage(*this, WM_SETFOCUS, 0, 0, event);
        return true;
    case QEvent::FocusOut:
        DispatchMessage(*this, WM_KILLFOCUS, 0, 0, event);
        return true;
    case QEvent::Resize: {
        fresh_ = true;
        const bool result = BaseEvent(event);
        DispatchMessage(*this, WM_SIZE, 0, MAKELPARAM(widget_->width(), widget_->height()));
        return result;
    }
    default:
        return BaseEvent(event);
    }
}

void WindowHost::SendSetCursor(UINT mouseMessage) {
    CursorTargetScope scope(widget_);
    DispatchMessage(*this, WM_SETCURSOR, reinterpret_cast<WPARAM>(widget_),
                    MAKELPARAM(HTCLIENT, static_cast<int>(mouseMessage)));
}

void WindowHost::DispatchMouse(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (QWidget* capture = MouseCapture(); capture != nullptr && capture != widget_) {
        // The capture holder gets the event, in its own coordinates.
        if (WindowHost* holder = Of(capture)) {
            const QPointF global = mouse->globalPosition();
            const QPointF local = capture->mapFromGlobal(global);
            QMouseEvent redirected(mouse->type(), local, capture->mapTo(capture->window(), local), global,
                                   mouse->button(), mouse->buttons(), mouse->modifiers());
            holder->DispatchMouse(&redirected);
            return;
        }
    }
    NoteMouseEvent(mouse);
    if (ContinueWindowMove(mouse)) {
        return;
    }
    const QPoint point = mouse->position().toPoint();
    const LPARAM position = MAKELPARAM(point.x(), point.y());
    const WPARAM keys = MouseKeyFlags(mouse);
    const bool captured = MouseCapture() != nullptr;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const bool inside = widget_->rect().contains(point);
        if (!inside && mouseInside) {
            mouseInside = false;
            if (leaveArmed) {
                leaveArmed = false;
                PostWindowMessage(*this, WM_MOUSELEAVE, 0, 0);
            }
        } else if (inside) {
            mouseInside = true;
        }
        if (!captured) {
            SendSetCursor(WM_MOUSEMOVE);
        }
        DispatchMessage(*this, WM_MOUSEMOVE, keys, position, event);
        return;
    }
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            if (!captured) {
                SendSetCursor(WM_LBUTTONDOWN);
            }
            DispatchMessage(*this, WM_LBUTTONDOWN, keys, position, event);
            return;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton) {
            DispatchMessage(*this, WM_LBUTTONUP, keys, position, event);
            return;
        }
        if (mouse->button() == Qt::RightButton) {
            DispatchMessage(*this, WM_RBUTTONUP, keys, position, event);
            return;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (mouse->button() == Qt::LeftButton) {
            DispatchMessage(*this, WM_LBUTTONDBLCLK, keys, position, event);
            return;
        }
        break;
    default:
        break;
    }
    BaseEvent(event);
}

bool WindowHost::DispatchKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (WindowHost* window = Of(widget_->window());
        window != nullptr && !window->keyboardCues && IsFocusMovingKey(key->key())) {
        window->keyboardCues = true;
        if (QWidget* focus = widget_->window()->focusWidget()) {
            focus->update();
        }
    }
    if (IsDialogKey(key->key())) {
        // The dialog manager sees Enter and Escape before any control does.
        if (!widget_->isWindow()) {
            event->ignore();
            return false;
        }
        if (HandleDialogKey(key->key())) {
            return true;
        }
    }
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        return BaseEvent(event);
    }
    DispatchMessage(*this, WM_KEYDOWN, VirtualKeyFromQtKey(key->key()), 1, event);
    return true;
}

void WindowHost::Paint(QPaintEvent* event) {
    const QRegion area = event->region();
    // A window erases what it did not invalidate itself without erase (it may have been covered);
    // a control keeps its pixels unless it asked for an erase or has none yet (Qt repaints the
    // controls under any repainted area of their dialog, which the platform would not).
    QRegion eraseArea;
    if (fresh_ || widget_->isWindow()) {
        eraseArea = area - (pendingNoErase_ - pendingErase_);
    } else if (StyleDrawn()) {
        eraseArea = area;
    } else {
        eraseArea = area & pendingErase_;
    }
    if ((QRegion(widget_->rect()) - area).isEmpty()) {
        fresh_ = false;
    }
    pendingErase_ -= area;
    pendingNoErase_ -= area;
    if (!eraseArea.isEmpty()) {
        QPainter painter(widget_);
        painter.setClipRegion(eraseArea);
        // As under a window without clipped children, the parent's background lies under a
        // control; the control's own erase (if any) comes on top.
        if (WindowHost* parent = Of(widget_->parentWidget()); parent != nullptr && !widget_->isWindow()) {
            painter.save();
            painter.translate(-widget_->pos());
            DispatchErase(painter, *parent);
            painter.restore();
        }
        DispatchErase(painter, *this);
    }
    inPaint = true;
    DispatchMessage(*this, WM_PAINT, 0, 0, event);
    inPaint = false;
    if (!painted_) {
        painted_ = true;
        if (bigIcon != nullptr || smallIcon != nullptr) {
            // After the picture has reached the screen, not before.
            QMetaObject::invokeMethod(widget_, [this] { ShowIcon(); }, Qt::QueuedConnection);
        }
        if (whenFirstPainted_) {
            std::exchange(whenFirstPainted_, nullptr)();
        }
    }
}

void WindowHost::DispatchErase(QPainter& painter, WindowHost& target) {
    PainterDC dc(&painter);
    DispatchMessage(target, WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<CDC*>(&dc)), 0);
}

bool WindowHost::RunSynthesisedBase(UINT message, WPARAM wParam, LPARAM lParam) {
    const QPointF local(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const QPointF scene = widget_->mapTo(widget_->window(), local);
    const QPointF global = widget_->mapToGlobal(local);
    auto mouse = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent synthetic(type, local, scene, global, button, buttons, Qt::NoModifier);
        return BaseEvent(&synthetic);
    };
    switch (message) {
    case WM_LBUTTONDOWN:
        return mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    case WM_LBUTTONDBLCLK:
        return mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton);
    case WM_LBUTTONUP:
        return mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    case WM_MOUSEMOVE:
        return mouse(QEvent::MouseMove, Qt::NoButton,
                     (wParam & MK_LBUTTON) != 0 ? Qt::MouseButtons(Qt::LeftButton) : Qt::MouseButtons());
    case WM_KEYDOWN: {
        const int key = QtKeyFromVirtualKey(static_cast<UINT>(wParam));
        QKeyEvent synthetic(QEvent::KeyPress, key, Qt::NoModifier,
                            key == Qt::Key_Space ? QStringLiteral(" ") : QString());
        return BaseEvent(&synthetic);
    }
    default:
        return false;
    }
}

LRESULT WindowHost::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam, QEvent* event) {
    switch (message) {
    case WM_SETCURSOR:
        // A child asks its parent first; a parent that sets the cursor answers TRUE.
        if (WindowHost* parent = Of(widget_->parentWidget()); parent != nullptr && !widget_->isWindow()) {
            if (DispatchMessage(*parent, WM_SETCURSOR, wParam, lParam) != 0) {
                return TRUE;
            }
        }
        if (LOWORD(static_cast<std::uintptr_t>(lParam)) == HTCLIENT) {
            if (ClassCursor() == Qt::ArrowCursor) {
                SetCursor(nullptr);
            } else {
                ApplyCursorShape(QCursor(ClassCursor()));
            }
        }
        return FALSE;
    case WM_ERASEBKGND:
        if (ErasesBackground() && wParam != 0) {
            reinterpret_cast<CDC*>(wParam)->FillSolidRect(CRect(0, 0, widget_->width(), widget_->height()),
                                                         GetSysColor(COLOR_BTNFACE));
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORSTATIC: {
        // The dialog's own colours: black text on the dialog colour.
        static const HBRUSH dialogBrush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
        if (auto* dc = reinterpret_cast<CDC*>(wParam)) {
            dc->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
            dc->SetBkColor(GetSysColor(COLOR_BTNFACE));
        }
        return reinterpret_cast<LRESULT>(dialogBrush);
    }
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(fontHandle);
    case WM_SETFONT:
        SetFontHandle(reinterpret_cast<HFONT>(wParam));
        if (LOWORD(static_cast<std::uintptr_t>(lParam)) != 0) {
            widget_->update();
        }
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE:
            DispatchMessage(*this, WM_CLOSE, 0, 0);
            break;
        case SC_MINIMIZE:
            widget_->window()->showMinimized();
            break;
        default:
            break;
        }
        return 0;
    case WM_NCLBUTTONDOWN:
        if (wParam == static_cast<WPARAM>(HTCAPTION)) {
            BeginWindowMove(widget_->window());
        }
        return 0;
    case WM_KEYDOWN: {
        const bool handled = event != nullptr ? BaseEvent(event) : RunSynthesisedBase(message, wParam, lParam);
        if (wParam == VK_F1 && widget_->isWindow()) {
            DispatchMessage(*this, WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
        }
        return handled ? 0 : 1;
    }
    case WM_COMMAND:
    case WM_CLOSE:
    case WM_DESTROY:
    case WM_TIMER:
    case WM_SIZE:
    case WM_MOUSELEAVE:
        return 0;
    default:
        if (event != nullptr) {
            BaseEvent(event);
        } else {
            RunSynthesisedBase(message, wParam, lParam);
        }
        return 0;
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
