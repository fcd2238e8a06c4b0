// SPDX-License-Identifier: MIT
#pragma once
// The window state that every widget of the layer carries beside its Qt base: the attached CWnd
// (a plain one until a game class subclasses the window), control id and styles, timers, pending
// paint areas, leave tracking, the system menu, icons, region and font. Each widget class derives
// from its Qt class and from WindowHost and routes event() through HandleEvent.

#include <QPoint>
#include <QRegion>
#include <Qt>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/window/CMenu.h"
#include "platform/window/CWnd.h"

class QEvent;
class QPainter;
class QPaintEvent;
class QWidget;

class WindowHost {
public:
    // Touches nothing of `widget`, which is still being built: Qt delivers some attribute changes as
    // events, and its event() would reach BaseEvent before the widget class exists.
    explicit WindowHost(QWidget* widget);
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;
    virtual ~WindowHost();

    // Each widget class calls this first in its constructor's body: mouse tracking, and no system
    // background under a window that paints all of its pixels.
    void SetUpWidget();

    // The host of a layer widget; null for anything else.
    static WindowHost* Of(HWND window);

    QWidget* Widget() const { return widget_; }
    CWnd* Attached() const { return attached_; }
    // Makes `wnd` the attached object (m_hWnd set); null gives the window back to its plain object.
    void Attach(CWnd* wnd);
    // Called by a CWnd being destroyed while still attached.
    void ForgetAttached(CWnd* wnd);
    // Gives a plain CWnd to this window (template controls) so that FromHandle always finds one.
    void CreatePlainWnd();
    // The window is being destroyed: every object lets go of it.
    void DetachAll();
    bool IsPlainWnd(const CWnd* wnd) const { return wnd != nullptr && wnd == plain_.get(); }
    bool HasPlainWnd() const { return plain_ != nullptr; }

    int controlId = 0;
    // Creation order of the layer's windows: children in template order.
    const unsigned long long creationOrder;
    DWORD windowStyle = 0;
    DWORD windowExStyle = 0;
    // Number of running modal dialogs this window owns: the window counts as disabled meanwhile.
    int modalDisableCount = 0;
    int dispatchDepth = 0;
    bool isDestroyed = false;
    // A window shows focus cues once the keyboard has moved the focus in it, not before.
    bool keyboardCues = false;

    // Style bits changed: the widget follows them (owner draw, SS_NOTIFY, visibility...).
    virtual void StyleChanged() {}
    // The window text (a dialog's caption, a control's text).
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // Translates a Qt event into messages; `false` hands it to the Qt base unchanged.
    bool HandleEvent(QEvent* event);
    // The Qt base class's event() for this widget.
    virtual bool BaseEvent(QEvent* event) = 0;
    // Default processing of a message. `event` is the Qt event the message came from (its Qt base
    // behaviour runs) or null (sent / posted / synthesised).
    virtual LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam, QEvent* event);

    // Painting.
    void AddInvalid(const QRegion& area, bool erase);
    void PaintPendingNow();
    // Painted at least once since it was last shown: it is on screen.
    bool PaintedSinceShown() const { return painted_; }
    // `then` runs right after the window's next first paint once shown (it replaces an earlier one).
    void WhenFirstPainted(std::function<void()> then) { whenFirstPainted_ = std::move(then); }
    // While WM_PAINT / WM_ERASEBKGND of this window is dispatched: the painter its paint DC uses.
    QPainter* activePainter = nullptr;
    bool inPaint = false;

    // Timers: our id -> Qt's.
    std::map<UINT_PTR, int> timers;
    void KillAllTimers();

    // Leave tracking.
    bool leaveArmed = false;
    bool mouseInside = false;

    // Frame extras.
    std::unique_ptr<CMenu> systemMenu;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    // Hands the icon (the big one, else the small one) to the desktop; before the window's first
    // paint it waits for it: reading and sending every size of it has no place before the first
    // picture.
    void ShowIcon();
    HRGN region = nullptr;  // owned
    // WM_SETFONT's handle, for WM_GETFONT. The widget takes the face (QWidget::setFont) only when its
    // window first comes on screen: looking fonts up may wait for the font database, and building a
    // window should not.
    HFONT fontHandle = nullptr;
    void SetFontHandle(HFONT font);
    // The widget takes the font it was given now, if it has not yet.
    void TakeFont();

protected:
    // The window's own default for WM_ERASEBKGND: fill with the dialog colour (controls: nothing).
    virtual bool ErasesBackground() const { return false; }
    // Drawn by the Qt style, whose pictures have see-through edges (rounded corners): the parent's
    // background goes under them at every paint, as themed controls draw their parent's background.
    virtual bool StyleDrawn() const { return false; }
    // The shape shown over the window when nobody sets a cursor in WM_SETCURSOR.
    virtual Qt::CursorShape ClassCursor() const { return Qt::ArrowCursor; }
    // Enter and Escape of a dialog; true when handled.
    virtual bool HandleDialogKey(int /*qtKey*/) { return false; }
    // Runs the Qt base behaviour for a message without a Qt event, by building one.
    bool RunSynthesisedBase(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void KeepOpaque();
    // The window is exposed for the first time: its widgets take their fonts.
    void CameOnScreen();
    void Paint(QPaintEvent* event);
    void DispatchErase(QPainter& painter, WindowHost& target);
    void DispatchMouse(QEvent* event);
    bool DispatchKey(QEvent* event);
    void SendSetCursor(UINT mouseMessage);

    QWidget* widget_;
    CWnd* attached_ = nullptr;
    std::unique_ptr<CWnd> plain_;
    QRegion pendingErase_;
    QRegion pendingNoErase_;
    // Shown, resized or moved since the last whole paint: the pixels under it are unknown.
    bool fresh_ = true;
    bool painted_ = false;
    // A window: it has been on screen (exposed) since it was created.
    bool exposed_ = false;
    bool fontPending_ = false;
    std::function<void()> whenFirstPainted_;
};

// DestroyWindow's work: WM_DESTROY to the window and its children, timers killed, every object
// detached, the widgets deleted (later, when one of them is still handling a message).
void DestroyWindowTree(QWidget* root);

// The layer's top-level window under a screen point, the most recently shown or raised first.
QWidget* TopLevelWindowAt(QPoint screenPoint);
// `window` comes to the front of that order.
void BringToFront(QWidget* window);
