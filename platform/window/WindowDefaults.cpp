// SPDX-License-Identifier: MIT
// What a window does with a message its handlers passed on: the default processing.
#include "platform/window/WindowHost.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWidget>

#include "platform/draw/CBrush.h"
#include "platform/draw/PainterDC.h"
#include "platform/draw/SystemColors.h"
#include "platform/window/CursorShape.h"
#include "platform/window/CursorTarget.h"
#include "platform/window/MessageDispatch.h"
#include "platform/window/VirtualKeys.h"
#include "platform/window/WindowMove.h"

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
