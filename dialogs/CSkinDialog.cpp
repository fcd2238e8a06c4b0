// SPDX-License-Identifier: MIT
#include "dialogs/CSkinDialog.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

CSkinDialog::CSkinDialog(unsigned templateId, QWidget* parent) : CDialog(templateId, parent) {}

void CSkinDialog::EnableDrag(int on) {
    dragAnywhere = on;
}

int CSkinDialog::LoadBackground(unsigned resourceId) {
    return SetBackground(Picture(resourceId));
}

int CSkinDialog::SetBackground(const Picture& picture) {
    backgroundBitmap = picture;
    update();
    return 1;
}

void CSkinDialog::FreeBackground() {
    SetBackground(Picture());
}

void CSkinDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // 1:1 from the top-left corner: neither stretched, centred nor tiled.
    const QSizeF shown = backgroundBitmap.Size().boundedTo(size());
    backgroundBitmap.Draw(painter, QRectF(QPointF(0, 0), shown), QRectF(QPointF(0, 0), shown));
}

void CSkinDialog::mousePressEvent(QMouseEvent* event) {
    if (dragAnywhere == 0 || event->button() != Qt::LeftButton) {
        CDialog::mousePressEvent(event);
        return;
    }
    if (isWindow() && windowHandle() != nullptr && windowHandle()->startSystemMove()) {
        return;
    }
    dragOffset = event->globalPosition() - QPointF(pos());
}

void CSkinDialog::mouseMoveEvent(QMouseEvent* event) {
    if (!dragOffset) {
        CDialog::mouseMoveEvent(event);
        return;
    }
    QPoint to = (event->globalPosition() - *dragOffset).toPoint();
    if (!isWindow()) {
        // Within the owner's window, where it can be seen.
        const QRect room = parentWidget()->rect();
        to.setX(std::clamp(to.x(), room.left() - width() / 2, room.right() - width() / 2));
        to.setY(std::clamp(to.y(), room.top(), room.bottom() - height() / 2));
    }
    move(to);
}

void CSkinDialog::mouseReleaseEvent(QMouseEvent* event) {
    dragOffset.reset();
    CDialog::mouseReleaseEvent(event);
}
