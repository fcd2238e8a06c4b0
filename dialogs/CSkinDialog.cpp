// SPDX-License-Identifier: MIT
#include "dialogs/CSkinDialog.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <array>
#include <utility>

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
    painter.fillRect(area, palette().window());
    // From the area's top-left corner at the window's factor: neither stretched, centred nor tiled.
    const QSize shown = ScaledRect(QRect(QPoint(), backgroundBitmap.Size()), Scale()).size().boundedTo(area.size());
    const QRectF source(QPointF(0, 0), QSizeF(shown) / Scale());
    backgroundBitmap.Draw(painter, QRectF(area.topLeft(), shown), source);
    if (area != rect()) {
        PaintMargins(painter, QRect(area.topLeft(), shown), source);
    }
}

void CSkinDialog::PaintMargins(QPainter& painter, const QRect& shown, const QRectF& source) const {
    if (backgroundBitmap.IsNull() || shown.isEmpty()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    // Each margin repeats the picture's edge beside it, so that the picture seems to go on. The
    // design's shape is kept, so margins lie on two opposite sides; the corners (a pixel at most
    // where rounding leaves one) take the picture's corner colour.
    const QRegion margins = QRegion(rect()) - QRegion(shown);
    painter.save();
    painter.setClipRegion(margins);
    painter.fillRect(rect(), QColor(backgroundBitmap.Pixels().pixel(0, 0)));
    const int right = shown.left() + shown.width();
    const int bottom = shown.top() + shown.height();
    const std::array<std::pair<QRectF, QRectF>, 4> strips{{
        {QRectF(0, shown.top(), shown.left(), shown.height()), QRectF(source.left(), source.top(), 1, source.height())},
        {QRectF(right, shown.top(), width() - right, shown.height()),
         QRectF(source.right() - 1, source.top(), 1, source.height())},
        {QRectF(shown.left(), 0, shown.width(), shown.top()), QRectF(source.left(), source.top(), source.width(), 1)},
        {QRectF(shown.left(), bottom, shown.width(), height() - bottom),
         QRectF(source.left(), source.bottom() - 1, source.width(), 1)},
    }};
    for (const auto& [target, edge] : strips) {
        if (!target.isEmpty()) {
            backgroundBitmap.Draw(painter, target, edge);
        }
    }
    painter.restore();
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
