// SPDX-License-Identifier: MIT
#include "dialogs/CSkinDialog.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "platform/dialog/DialogUnits.h"

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
    const QRect area = LayoutArea();
    // Around the laid-out area of a window larger than its design, the picture seems to go on.
    if (area != rect() && !backgroundBitmap.IsNull()) {
        painter.fillRect(rect(), QColor(backgroundBitmap.Pixels().pixel(0, 0)));
    }
    painter.fillRect(area, palette().window());
    // From the area's top-left corner at the window's factor: neither stretched, centred nor tiled.
    const QSize shown = ScaledRect(QRect(QPoint(), backgroundBitmap.Size()), Scale()).size().boundedTo(area.size());
    backgroundBitmap.Draw(painter, QRectF(area.topLeft(), shown), QRectF(QPointF(0, 0), QSizeF(shown) / Scale()));
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
