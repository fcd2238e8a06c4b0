// SPDX-License-Identifier: MIT
#pragma once
// A template static text that acts as a link: underlined, coloured by state (link, visited,
// hover), with a tooltip showing its target and the pointing-hand cursor. A click asks the shell
// to open the target; if the shell fails, the command associated with ".htm" documents runs it;
// if that fails too, a beep and a message box say why.

#include <string>

#include "platform/dialog/CStatic.h"
#include "platform/draw/CFont.h"
#include "platform/window/CToolTipCtrl.h"

class CHyperLink : public CStatic {
public:
    CHyperLink();
    ~CHyperLink() override;

    // `hover` of -1 (all bits set) means the system highlight colour.
    void SetLinkColors(COLORREF link, COLORREF visitedLink, COLORREF hover);
    void MarkVisited(bool flag);
    // What a click opens; empty (the default) takes the window text when subclassed.
    void SetTarget(const std::string& newTarget) { target = newTarget; }
    const std::string& GetTarget() const { return target; }
    bool IsVisited() const { return visited; }
    bool IsOverLink() const { return overLink; }

    // Shrinks the window to its text in the link font, keeping the side its alignment names.
    void FitWindowToText();
    void LoadLinkCursor();

    // The shell's "open" (the desktop's own opener). Greater than 32 means success; otherwise a
    // platform code for ReportOpenError.
    static int OpenTarget(const std::string& target, int showCommand);
    // "Unable to open hyperlink:\n\n" and the message of `code`, in a warning message box.
    void ReportOpenError(int code);

    HBRUSH CtlColor(CDC* dc, UINT ctlColor) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnClicked();
    LRESULT OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam);
    void RedrawNow();
    void InvalidateIfShown();

    COLORREF linkColor;
    COLORREF visitedColor;
    COLORREF hoverColor;
    bool overLink = false;
    bool visited = false;
    bool underline = true;
    bool fitToText = true;
    std::string target;
    CFont linkFont;
    HCURSOR linkCursor = nullptr;
    CToolTipCtrl linkTip;
};
