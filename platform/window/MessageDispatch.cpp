// SPDX-License-Identifier: MIT
#include "platform/window/MessageDispatch.h"

#include <QCoreApplication>
#include <QWidget>
#include <vector>

#include "platform/window/WindowHost.h"

namespace {

std::vector<DispatchFrame*>& Frames() {
    static std::vector<DispatchFrame*> frames;
    return frames;
}

}  // namespace

LRESULT DispatchMessage(WindowHost& host, UINT message, WPARAM wParam, LPARAM lParam, QEvent* event) {
    CWnd* target = host.Attached();
    if (target == nullptr) {
        return 0;
    }
    DispatchFrame frame{&host, message, wParam, lParam, event, false};
    Frames().push_back(&frame);
    ++host.dispatchDepth;
    const LRESULT result = target->WindowProc(message, wParam, lParam);
    --host.dispatchDepth;
    Frames().pop_back();
    return result;
}

DispatchFrame* CurrentDispatch() {
    return Frames().empty() ? nullptr : Frames().back();
}

PostedMessageEvent::PostedMessageEvent(UINT msg, WPARAM wp, LPARAM lp)
    : QEvent(EventType()), message(msg), wParam(wp), lParam(lp) {}

QEvent::Type PostedMessageEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostWindowMessage(WindowHost& host, UINT message, WPARAM wParam, LPARAM lParam) {
    QCoreApplication::postEvent(host.Widget(), new PostedMessageEvent(message, wParam, lParam));
}

void NotifyParent(WindowHost& control, UINT code) {
    const WPARAM wParam = MAKEWPARAM(static_cast<unsigned>(control.controlId), code);
    const LPARAM lParam = reinterpret_cast<LPARAM>(control.Widget());
    if (CWnd* self = control.Attached()) {
        LRESULT result = 0;
        if (self->OnChildNotify(WM_COMMAND, wParam, lParam, &result)) {
            return;
        }
    }
    if (WindowHost* parent = WindowHost::Of(control.Widget()->parentWidget())) {
        DispatchMessage(*parent, WM_COMMAND, wParam, lParam);
    }
}
