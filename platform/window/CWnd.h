// SPDX-License-Identifier: MIT
#pragma once
// A window as the framework presents it. The window itself is a Qt widget built by the layer
// (m_hWnd); a CWnd object is attached to it (a plain CWnd until a game class subclasses the
// window). Qt events reach the attached object as messages through WindowProc; what a handler
// hands to DefWindowProc / Default gets the Qt widget's own behaviour for that event.
//
// Message parameters: mouse messages carry MAKELPARAM(client x, client y); WM_KEYDOWN the
// virtual key; WM_TIMER the timer id; WM_COMMAND MAKEWPARAM(id, code) and the control's HWND as
// LPARAM; WM_SETCURSOR the HWND under the pointer and MAKELPARAM(HTCLIENT, mouse message);
// WM_ERASEBKGND the CDC* to erase; WM_SYSCOMMAND the command id; WM_SIZE MAKELPARAM(width, height).

#include <string>

#include "platform/GdiHandles.h"
#include "platform/Geometry.h"
#include "platform/WinTypes.h"

class CDC;
class CFont;
class CMenu;
class CRgn;

class CWnd {
public:
    CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    // Detaches from a window still attached; a top-level window this object created is destroyed.
    virtual ~CWnd();

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object attached to a layer window; null for null or a widget the layer did not build.
    static CWnd* FromHandle(HWND window);

    // --- subclassing: attaching this object to an existing window -------------------------------
    // Attaches this object to the window (which must have no subclassing object yet), then calls
    // PreSubclassWindow. FALSE when this object already has a window or `window` is unusable.
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    virtual void PreSubclassWindow();

    // Sends WM_DESTROY, kills the window's timers, detaches every object attached to it or to its
    // children, and deletes the widgets. FALSE when there is no window.
    virtual BOOL DestroyWindow();

    // --- messages --------------------------------------------------------------------------------
    // The window procedure. Overrides handle their messages in a switch and pass the rest to their
    // base class; CWnd's handles WM_COMMAND through OnCommand and ends in DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of a message: for the message being dispatched from a Qt event, the
    // widget's Qt behaviour for that event (a press on a button presses it and takes the capture);
    // otherwise the framework's default for the message (BM_*, WM_SETCURSOR asks the parent first,
    // WM_NCLBUTTONDOWN with HTCAPTION moves the window, WM_SYSCOMMAND SC_CLOSE closes, ...).
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc of the message this object is handling right now.
    LRESULT Default();
    // WM_COMMAND: TRUE when handled. CWnd's sends ID_HELP to the application's OnHelp.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A notification this control sends to its parent (WM_COMMAND with BN_CLICKED or STN_CLICKED)
    // is first offered here; TRUE keeps it from the parent (the framework's reflection).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The reflected colour request of a static control, asked before its text is painted: set the
    // text and background colours / mode on `dc` and return the background brush (the hollow
    // stock brush paints no background). Null (the default) leaves the request to the parent,
    // whose default gives black text on the dialog colour.
    virtual HBRUSH CtlColor(CDC* dc, UINT ctlColor);

    // Calls WindowProc at once.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queues the message; it is handled from the event loop after the current message, also in a
    // nested modal loop. Dropped if the window is destroyed first. FALSE when there is no window.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // --- identity and children -------------------------------------------------------------------
    int GetDlgCtrlID() const;
    CWnd* GetDlgItem(int id) const;
    CWnd* GetParent() const;
    // The next control of `control`'s group, walking forward (backward with `previous`) within the
    // run of controls that starts at a WS_GROUP control, wrapping at the group's ends; disabled and
    // hidden controls are passed over. `control` itself when it is alone; null when it is no child.
    CWnd* GetNextDlgGroupItem(CWnd* control, BOOL previous = FALSE) const;

    // --- geometry --------------------------------------------------------------------------------
    void GetClientRect(CRect* rect) const;
    // Screen coordinates; for a top-level window the frame is included.
    void GetWindowRect(CRect* rect) const;
    void ClientToScreen(CPoint* point) const;
    void ClientToScreen(CRect* rect) const;
    void ScreenToClient(CPoint* point) const;
    void ScreenToClient(CRect* rect) const;
    // Child windows: parent client coordinates. Top-level windows: screen coordinates of the frame.
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const CRect& rect, BOOL repaint = TRUE);
    // SWP_NOSIZE, SWP_NOMOVE, SWP_NOZORDER (else the window is raised), SWP_NOREDRAW, SWP_NOACTIVATE.
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags);

    // --- painting --------------------------------------------------------------------------------
    // Marks the area for the next WM_PAINT; with `erase`, WM_ERASEBKGND runs first for it. Areas
    // invalidated only without erase keep their old pixels.
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const CRect* rect, BOOL erase = TRUE);
    // Paints the pending area now (WM_ERASEBKGND where asked, then WM_PAINT).
    void UpdateWindow();
    // RDW_INVALIDATE (with RDW_ERASE to erase) and RDW_UPDATENOW; `region` in client coordinates.
    BOOL RedrawWindow(const CRect* rect = nullptr, CRgn* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    // --- style, state, text ----------------------------------------------------------------------
    DWORD GetStyle() const;
    // TRUE when the window exists. Controls follow the new style (owner draw, SS_NOTIFY, ...).
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    // Returns whether the window was disabled before.
    BOOL EnableWindow(BOOL enable = TRUE);
    // FALSE also while the window owns a running modal dialog.
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    void SetWindowText(const std::string& text);
    // What assistive technologies read for the window, where its text says nothing (a picture
    // button, a board cell); the change is announced to them.
    void SetAccessibleName(const std::string& name);
    void SetAccessibleDescription(const std::string& description);
    void GetWindowText(std::string& text) const;
    void SetDlgItemText(int id, const std::string& text);
    // The text of the control into `text`; returns its length (0 and empty when there is none).
    int GetDlgItemText(int id, std::string& text) const;
    // The control's text as a number: leading blanks skipped, then (when `isSigned`) an optional
    // minus sign, then decimal digits up to the first other character. A text that does not start
    // with a number, or a number out of range, gives 0 and *translated = FALSE.
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    // WM_SETFONT with the font's handle; the window keeps its own copy of the face.
    void SetFont(CFont* font, BOOL redraw = TRUE);

    // --- focus, capture, timers, cursor area -----------------------------------------------------
    CWnd* SetFocus();
    static CWnd* GetFocus();
    // Every mouse message goes to this window until ReleaseCapture. Returns the previous holder.
    CWnd* SetCapture();
    static CWnd* GetCapture();
    // The topmost window (child control included) under the screen point, or null.
    static CWnd* WindowFromPoint(CPoint screenPoint);
    // WM_TIMER(id) every `elapse` ms from the event loop, also during modal loops; ticks missed
    // while the thread was blocked arrive as one. Setting an existing id restarts it. Returns the
    // id, or 0 when there is no window. `callback` must be null (not supported).
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, void* callback);
    BOOL KillTimer(UINT_PTR id);

    // --- frame -----------------------------------------------------------------------------------
    // The window takes the region (null: rectangular again) and frees it when replaced or
    // destroyed; only its pixels are drawn and hit. Returns 1, or 0 when there is no window.
    int SetWindowRgn(HRGN region, BOOL redraw);
    // Returns the previous icon of that size.
    HICON SetIcon(HICON icon, BOOL bigIcon);
    // The window's system menu (kept for its life). Desktop window managers own the title-bar menu,
    // so its entries are offered in a context menu on the window's own surface; choosing one sends
    // WM_SYSCOMMAND with the entry's id. Null when there is no window.
    CMenu* GetSystemMenu(BOOL revert) const;
    // A message box owned by this window (see MessageBox.h); caption null means "Error".
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);
};

BOOL ReleaseCapture();
