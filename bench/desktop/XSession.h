// SPDX-License-Identifier: MIT
#pragma once
// The benchmark's own connection to the X server: it sees top-level windows being mapped, the
// drawing that lands in them (the DAMAGE extension) and acts as the player's mouse and keyboard
// (the XTEST extension).

#include "bench/desktop/Clock.h"

#include <X11/Xlib.h>

#include <functional>
#include <optional>

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool Intersects(const ScreenRect& other) const;
};

class XSession {
public:
    // Opens $DISPLAY; empty when it cannot, or when DAMAGE or XTEST is missing.
    static std::optional<XSession> Open();
    XSession(XSession&& other) noexcept;
    XSession& operator=(XSession&&) = delete;
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;
    ~XSession();

    // The first top-level window at least 100 x 100 mapped before `deadline`, and when.
    struct Mapped {
        Window window = 0;
        TimePoint when;
    };
    std::optional<Mapped> WaitForTopLevelMap(TimePoint deadline);
    // From now on, drawing into `window` is reported; what it already shows is not.
    void WatchDrawing(Window window);
    // The first drawing into the watched window that touches `area` (window coordinates; all of it
    // when empty) before `deadline`. `poll` runs between X events, about every millisecond.
    std::optional<TimePoint> WaitForDrawing(const ScreenRect& area, TimePoint deadline,
                                            const std::function<void()>& poll = {});
    // Forgets the drawing reported so far.
    void DropDrawing();
    // The window's top-left corner on the screen.
    ScreenRect WindowArea(Window window) const;

    void MovePointer(int x, int y);
    void PressButton();
    void ReleaseButton();
    void Click(int x, int y);
    void PressKey(unsigned long keysym);
    // Pumps events for `seconds`, so the server queue never fills while waiting.
    void Idle(double seconds);

private:
    XSession(Display* display, int damageEventBase);
    bool NextEvent(XEvent& event, TimePoint deadline);

    Display* display_;
    int damageEventBase_;
    Window watched_ = 0;
};
