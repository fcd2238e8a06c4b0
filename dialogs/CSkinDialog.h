// SPDX-License-Identifier: MIT
#pragma once
// The base of every window of the game: a background picture from a bitmap resource painted 1:1
// (times the window's factor) from the laid-out area's top-left corner behind the controls, and moving the window by
// pressing anywhere on its own surface (the only way to move a dialog without a title bar). A dialog inside its owner's
// window moves within it.

#include <QPointF>
#include <optional>

#include "platform/dialog/CDialog.h"
#include "platform/draw/Picture.h"

class CSkinDialog : public CDialog {
    Q_OBJECT

public:
    explicit CSkinDialog(unsigned templateId, QWidget* parent = nullptr);

    // 1: a left press on the dialog's surface starts moving the window (the state at construction).
    void EnableDrag(int on);
    // The bitmap resource `resourceId` as the background (none when it is missing); what
    // SetBackground returns.
    int LoadBackground(unsigned resourceId);
    // `picture` as the background (a null one removes it) and repaints the window; 1.
    int SetBackground(const Picture& picture);
    void FreeBackground();

    int IsDragEnabled() const { return dragAnywhere; }
    bool HasBackground() const { return !backgroundBitmap.IsNull(); }

protected:
    // The whole area: the background picture, the dialog surface beyond it.
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Around the part of a larger window the template is laid out in: `shown` is where the picture's
    // `source` went.
    void PaintMargins(QPainter& painter, const QRect& shown, const QRectF& source) const;

    int dragAnywhere = 1;
    Picture backgroundBitmap;
    // Where the pointer took the window, while it is moved by hand (where the window system
    // does not move it).
    std::optional<QPointF> dragOffset;
};
