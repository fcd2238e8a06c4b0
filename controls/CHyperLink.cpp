// SPDX-License-Identifier: MIT
#include "controls/CHyperLink.h"

#include "platform/FormatString.h"
#include "platform/draw/CDC.h"
#include "platform/draw/HandleObjects.h"
#include "platform/draw/Resources.h"
#include "platform/draw/SystemColors.h"
#include "platform/shell/Shell.h"
#include "platform/window/CClientDC.h"
#include "platform/window/CursorShape.h"

namespace {

constexpr COLORREF kAllBits = 0xFFFFFFFFu;
constexpr int kFirstSuccess = 33;  // shell results above 32 mean success

std::string OpenErrorMessage(int code) {
    switch (code) {
    case 0:
        return "The operating system is out\nof memory or resources.";
    case ERROR_FILE_NOT_FOUND:
        return "The specified file was not found.";
    case ERROR_PATH_NOT_FOUND:
        return "The specified path was not found.";
    case SE_ERR_ACCESSDENIED:
        return "The operating system denied\naccess to the specified file.";
    case SE_ERR_OOM:
        return "There was not enough memory to complete the operation.";
    case ERROR_BAD_FORMAT:
        return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case SE_ERR_SHARE:
        return "A sharing violation occurred. ";
    case SE_ERR_ASSOCINCOMPLETE:
        return "The filename association is\nincomplete or invalid.";
    case SE_ERR_DDETIMEOUT:
        return "The DDE transaction could not\nbe completed because the request timed out.";
    case SE_ERR_DDEFAIL:
        return "The DDE transaction failed.";
    case SE_ERR_DDEBUSY:
        return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
    case SE_ERR_NOASSOC:
        return "There is no application associated\nwith the given filename extension.";
    case SE_ERR_DLLNOTFOUND:
        return "The specified dynamic-link library was not found.";
    default:
        return FormatString("Unknown Error (%d) occurred.", code);
    }
}

}  // namespace

CHyperLink::CHyperLink()
    : linkColor(RGB(0, 0, 238)), visitedColor(RGB(85, 26, 139)), hoverColor(GetSysColor(COLOR_HIGHLIGHT)) {}

CHyperLink::~CHyperLink() {
    linkTip.DestroyWindow();
}

void CHyperLink::PreSubclassWindow() {
    // A dialog shown again subclasses a new window: no pointer over it yet, and its own font.
    overLink = false;
    linkFont.DeleteObject();
    ModifyStyle(0, SS_NOTIFY);

    std::string text;
    GetWindowText(text);
    if (target.empty()) {
        target = text;
    }
    if (text.empty()) {
        SetWindowText(target);
    }

    // The control's own font, underlined as asked; a control without one starts from the default.
    LOGFONT description;
    const auto currentFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (currentFont != nullptr) {
        GetObject(currentFont, sizeof(LOGFONT), &description);
    }
    description.lfUnderline = underline ? 1 : 0;
    linkFont.CreateFontIndirect(&description);
    SetFont(&linkFont, TRUE);

    FitWindowToText();
    LoadLinkCursor();

    linkTip.Create(this);
    CRect client;
    GetClientRect(&client);
    linkTip.AddTool(this, target, &client, 1);

    CStatic::PreSubclassWindow();
}

void CHyperLink::SetLinkColors(COLORREF link, COLORREF visitedLink, COLORREF hover) {
    linkColor = link;
    visitedColor = visitedLink;
    hoverColor = hover == kAllBits ? GetSysColor(COLOR_HIGHLIGHT) : hover;
    InvalidateIfShown();
}

void CHyperLink::MarkVisited(bool flag) {
    visited = flag;
    InvalidateIfShown();
}

HBRUSH CHyperLink::CtlColor(CDC* dc, UINT) {
    dc->SetTextColor(overLink ? hoverColor : (visited ? visitedColor : linkColor));
    dc->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

BOOL CHyperLink::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        OnClicked();
        if (result != nullptr) {
            *result = 0;
        }
        return TRUE;
    }
    return CStatic::OnChildNotify(message, wParam, lParam, result);
}

LRESULT CHyperLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        if (linkCursor == nullptr) {
            return FALSE;
        }
        SetCursor(linkCursor);
        return TRUE;
    case WM_MOUSEMOVE:
        return OnMouseMove(message, wParam, lParam);
    default:
        return CStatic::WindowProc(message, wParam, lParam);
    }
}

LRESULT CHyperLink::OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CStatic::WindowProc(message, wParam, lParam);
    if (overLink) {
        CRect client;
        GetClientRect(&client);
        if (!client.PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))) {
            overLink = false;
            ReleaseCapture();
            RedrawNow();
        }
    } else {
        overLink = true;
        RedrawNow();
        SetCapture();  // so that the move off the link is seen
    }
    return result;
}

void CHyperLink::OnClicked() {
    const int result = OpenTarget(target, SW_SHOW);
    visited = result >= kFirstSuccess;
    if (visited) {
        MarkVisited(true);
    } else {
        MessageBeep(MB_ICONEXCLAMATION);
        ReportOpenError(result);
    }
}

void CHyperLink::FitWindowToText() {
    if (GetSafeHwnd() == nullptr || !fitToText) {
        return;
    }
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* parent = GetParent(); parent != nullptr) {
        parent->ScreenToClient(&rect);
    }

    std::string text;
    GetWindowText(text);
    CClientDC dc(this);
    CFont* previousFont = dc.SelectObject(&linkFont);
    const CSize extent = dc.GetTextExtent(text);
    dc.SelectObject(previousFont);

    const DWORD style = GetStyle();
    if ((style & SS_CENTERIMAGE) != 0) {
        const int shrink = (rect.Height() - extent.cy) / 2;
        rect.top += shrink;
        rect.bottom -= shrink;
    } else {
        rect.bottom = rect.top + extent.cy;
    }
    if ((style & SS_CENTER) != 0) {
        const int shrink = (rect.Width() - extent.cx) / 2;
        rect.left += shrink;
        rect.right -= shrink;
    } else if ((style & SS_RIGHT) != 0) {
        rect.left = rect.right - extent.cx;
    } else {
        rect.right = rect.left + extent.cx;
    }
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER);
}

void CHyperLink::LoadLinkCursor() {
    if (linkCursor == nullptr) {
        linkCursor = LoadStandardCursor(IDC_HAND);
    }
}

int CHyperLink::OpenTarget(const std::string& target, int showCommand) {
    return ShellExecute(nullptr, "open", target, "", "", showCommand);
}

void CHyperLink::ReportOpenError(int code) {
    const std::string text = "Unable to open hyperlink:\n\n" + OpenErrorMessage(code);
    MessageBox(text.c_str(), nullptr, MB_ICONEXCLAMATION);
}

void CHyperLink::RedrawNow() {
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CHyperLink::InvalidateIfShown() {
    if (GetSafeHwnd() != nullptr) {
        Invalidate(TRUE);
    }
}
