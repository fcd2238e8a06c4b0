// SPDX-License-Identifier: MIT
#pragma once
// A modal dialog built from a registered template (TemplateTypes.h).
//
// DoModal: builds the dialog widget and its controls in template order (fonts, styles, tab order),
// sends WM_INITDIALOG (-> OnInitDialog, whose base runs UpdateData(FALSE) -> DoDataExchange),
// shows it at the owner's client top-left plus the template position, runs a nested modal loop
// (the owner counts as disabled; timers and posted messages keep running), then calls the virtual
// DestroyWindow, which destroys the widgets and detaches the subclassed member objects so the next
// DoModal can subclass them again.
// Keys: Enter = WM_COMMAND for the default push button (IDOK when there is none); Escape and the
// close box = WM_COMMAND IDCANCEL, so an OnCancel override runs. F1 = WM_COMMAND ID_HELP.
// Window frame from the template style: WS_CAPTION -> title bar with the caption text (none
// otherwise, e.g. WS_POPUP | WS_BORDER); WS_SYSMENU -> close box; WS_MINIMIZEBOX -> minimize box.
// A dialog without owner (no parent and no main window) is placed from the screen's top-left.

#include <functional>

#include "platform/window/CWnd.h"

class CDataExchange;
struct DialogTemplate;

class CDialog : public CWnd {
public:
    // `parent` null: the application's main window becomes the owner when the dialog is shown.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // The EndDialog result; -1 when the template is not registered or the dialog is already up.
    virtual INT_PTR DoModal();
    // Base: UpdateData(FALSE); TRUE puts the focus on the first tab-stop control.
    virtual BOOL OnInitDialog();
    // UpdateData(TRUE), then EndDialog(IDOK) (not ended when the exchange fails).
    virtual void OnOK();
    // EndDialog(IDCANCEL).
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* dx);
    // Ends the modal loop with `result` once the current message has been handled.
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT GetTemplateId() const { return templateId_; }

    // Handles WM_INITDIALOG; WM_CLOSE -> WM_COMMAND IDCANCEL.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // IDOK -> OnOK, IDCANCEL -> OnCancel (notification code 0), else CWnd's.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Test seam: called with the dialog once its modal loop is running (after OnInitDialog and
    // show), for every DoModal, so tests can click, type and end dialogs. An empty function
    // removes the hook.
    static void SetModalHook(std::function<void(CDialog&)> hook);

protected:
    CWnd* m_pParentWnd;

private:
    friend class DialogBuilder;
    UINT templateId_;
    int fontPointSize_ = 8;
    int modalResult_ = -1;
    bool modalRunning_ = false;
    bool endRequested_ = false;
};
