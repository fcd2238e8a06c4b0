// SPDX-License-Identifier: MIT
#pragma once
// The plain controls a template gives where the game binds none of its own: a push button, an edit
// box, a text, a picture. An edit box never scrolls: it takes only what fits its width, and control
// characters never enter it (a pasted NUL, escape or line break). Its caret stops blinking after ten
// seconds without a key or a click and stays shown, as the GNOME desktop's does: a box left with the
// focus costs nothing while the player is away.

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "platform/dialog/DialogTemplate.h"
#include "platform/draw/Picture.h"

// `text` is the item's as the control shows it (translated).
QWidget* BuildTemplateControl(QWidget* parent, const DialogItemTemplate& item, const QString& text);

class TemplateEdit final : public QLineEdit {
public:
    explicit TemplateEdit(QWidget* parent);
    // Only text that matches the regular expression `pattern` as well (a whole number, say).
    void SetPattern(const QString& pattern);
    bool TextFits(const QString& text) const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void BlinkAgain();
    QTimer blinkStop_;
};

// A template picture (SS_BITMAP): the bitmap at its own size (times the dialog's factor) from the
// control's corner.
class TemplatePicture final : public QLabel, public TemplateControl {
public:
    TemplatePicture(QWidget* parent, unsigned bitmapId);
    void PreSubclassWindow(const DialogItemTemplate&) override {}
    // Takes its picture's size.
    QRect PlacedRect(const QRect& placed, qreal scale) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
};
