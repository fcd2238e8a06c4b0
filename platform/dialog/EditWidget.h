// SPDX-License-Identifier: MIT
#pragma once
// The widget of a template edit box (a QLineEdit). Without ES_AUTOHSCROLL its text cannot grow
// past the box's width: input that would not fit is refused.

#include <QLineEdit>

#include "platform/window/WindowHost.h"

struct DialogItemTemplate;

class EditWidget final : public QLineEdit, public WindowHost {
public:
    EditWidget(QWidget* parent, const DialogItemTemplate& item);

    bool BaseEvent(QEvent* event) override { return QLineEdit::event(event); }
    void StyleChanged() override;
    std::string Text() const override { return text().toStdString(); }
    // As the designed platform's edit box, a new text puts the caret before its first character,
    // so that a text wider than the box shows its start.
    void SetText(const std::string& text) override;
    // Whether `text` fits in the visible width of the box, each character that takes no room
    // counted as an average one.
    bool TextFits(const QString& text) const;

protected:
    bool event(QEvent* event) override { return HandleEvent(event); }
    bool StyleDrawn() const override { return true; }
    Qt::CursorShape ClassCursor() const override { return Qt::IBeamCursor; }
};
