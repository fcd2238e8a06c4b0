// SPDX-License-Identifier: MIT
#pragma once
// A template text that acts as a link: underlined, coloured by state (link, visited, hover), with a
// tooltip showing its target and the pointing-hand cursor. A click asks the desktop to open the
// target; if that fails, a beep and a message box say why.

#include <string>

#include "controls/TextLabel.h"
#include "platform/dialog/DialogTemplate.h"

class CHyperLink : public TextLabel, public TemplateControl {
    Q_OBJECT

public:
    explicit CHyperLink(QWidget* parent = nullptr);

    // An invalid `hover` colour means the system highlight colour.
    void SetLinkColors(const QColor& link, const QColor& visitedLink, const QColor& hover);
    void MarkVisited(bool flag);
    // What a click opens, and what the tooltip shows; empty (the default) takes the template's text.
    void SetTarget(const std::string& newTarget);
    const std::string& GetTarget() const { return target; }
    bool IsVisited() const { return visited; }
    bool IsOverLink() const { return overLink; }

    // Takes its target or text from the other, underlines its font, fits its text, sets its cursor
    // and tooltip.
    void PreSubclassWindow(const DialogItemTemplate& item) override;
    // Shrinks the control to its text in the link font, keeping the side its alignment names.
    void FitWindowToText();

    // The desktop's opener. Greater than 32 means success; otherwise a code for ReportOpenError.
    static int OpenTarget(const std::string& target);
    // "Unable to open hyperlink:\n\n" and the message of `code`, in a warning message box.
    void ReportOpenError(int code);

protected:
    QColor TextColor() const override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void OnClicked();

    QColor linkColor;
    QColor visitedColor;
    QColor hoverColor;
    bool overLink = false;
    bool visited = false;
    bool underline = true;
    bool fitToText = true;
    std::string target;
    TemplateStyle style = SS_LEFT;
};
