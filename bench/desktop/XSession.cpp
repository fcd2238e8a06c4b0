// SPDX-License-Identifier: MIT
#include "bench/desktop/XSession.h"

#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <sys/select.h>

#include <algorithm>
#include <utility>

namespace {

constexpr int kSmallestTopLevel = 100;

// Windows of the programs come and go while they are watched; a request about one that is gone
// fails harmlessly.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

bool ScreenRect::Intersects(const ScreenRect& other) const {
    return x < other.x + other.width && other.x < x + width && y < other.y + other.height && other.y < y + height;
}

std::optional<XSession> XSession::Open() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return std::nullopt;
    }
    int damageEventBase = 0;
    int damageErrorBase = 0;
    int xtestEventBase = 0;
    int xtestErrorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XDamageQueryExtension(display, &damageEventBase, &damageErrorBase) ||
        !XTestQueryExtension(display, &xtestEventBase, &xtestErrorBase, &major, &minor)) {
        XCloseDisplay(display);
        return std::nullopt;
    }
    XSetErrorHandler(IgnoreError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    return XSession(display, damageEventBase);
}

XSession::XSession(Display* display, int damageEventBase) : display_(display), damageEventBase_(damageEventBase) {}

XSession::XSession(XSession&& other) noexcept
    : display_(std::exchange(other.display_, nullptr)),
      damageEventBase_(other.damageEventBase_),
      watched_(other.watched_) {}

XSession::~XSession() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

bool XSession::NextEvent(XEvent& event, TimePoint deadline) {
    while (XPending(display_) == 0) {
        const double left = MillisecondsBetween(Clock::now(), deadline);
        if (left <= 0) {
            return false;
        }
        const int fd = ConnectionNumber(display_);
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        const auto wait = static_cast<long>(left * 1000);
        timeval timeout{wait / 1000000, wait % 1000000};
        if (select(fd + 1, &readable, nullptr, nullptr, &timeout) <= 0) {
            return false;
        }
    }
    XNextEvent(display_, &event);
    return true;
}

std::optional<XSession::Mapped> XSession::WaitForTopLevelMap(TimePoint deadline) {
    XEvent event;
    while (Clock::now() < deadline) {
        if (!NextEvent(event, deadline) || event.type != MapNotify || event.xmap.override_redirect) {
            continue;
        }
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display_, event.xmap.window, &attributes) != 0 &&
            attributes.width >= kSmallestTopLevel && attributes.height >= kSmallestTopLevel) {
            return Mapped{event.xmap.window, Clock::now()};
        }
    }
    return std::nullopt;
}

void XSession::WatchDrawing(Window window) {
    // Damage objects go with their windows; an older one is left to its window's end.
    watched_ = window;
    XDamageCreate(display_, window, XDamageReportRawRectangles);
    // The server reports what the window already shows at once; that is not drawing.
    DropDrawing();
}

void XSession::DropDrawing() {
    XSync(display_, False);
    for (int queued = XEventsQueued(display_, QueuedAlready); queued > 0; --queued) {
        XEvent event;
        XNextEvent(display_, &event);
    }
}

std::optional<TimePoint> XSession::WaitForDrawing(const ScreenRect& area, TimePoint deadline,
                                                  const std::function<void()>& poll) {
    XEvent event;
    while (Clock::now() < deadline) {
        if (poll) {
            poll();
        }
        if (!NextEvent(event, poll ? std::min(deadline, SecondsFromNow(0.001)) : deadline)) {
            continue;
        }
        if (event.type != damageEventBase_ + XDamageNotify) {
            continue;
        }
        const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
        const ScreenRect drawn{damage.area.x, damage.area.y, damage.area.width, damage.area.height};
        if (damage.drawable == watched_ && (area.width == 0 || drawn.Intersects(area))) {
            return Clock::now();
        }
    }
    return std::nullopt;
}

ScreenRect XSession::WindowArea(Window window) const {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, window, &attributes);
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return ScreenRect{x, y, attributes.width, attributes.height};
}

void XSession::MovePointer(int x, int y) {
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XSync(display_, False);
}

void XSession::PressButton() {
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XSync(display_, False);
}

void XSession::ReleaseButton() {
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XSync(display_, False);
}

void XSession::Click(int x, int y) {
    MovePointer(x, y);
    PressButton();
    ReleaseButton();
}

void XSession::PressKey(unsigned long keysym) {
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XSync(display_, False);
}

void XSession::Idle(double seconds) {
    const TimePoint deadline = SecondsFromNow(seconds);
    XEvent event;
    while (Clock::now() < deadline) {
        NextEvent(event, deadline);
    }
}
