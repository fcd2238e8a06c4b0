// SPDX-License-Identifier: MIT
#pragma once
// Builds the widgets of a dialog from its template: the dialog window with its template font,
// then the controls in template order (position and size from dialog units, style, text, font,
// visibility, tab stops), each with a plain CWnd attached.

class CDialog;
class DialogWidget;
class QWidget;
struct DialogTemplate;

class DialogBuilder {
public:
    // Attaches `dialog` to the new window; `owner` may be null.
    static DialogWidget* Build(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner);
};
