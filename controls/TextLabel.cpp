// SPDX-License-Identifier: MIT
#include "controls/TextLabel.h"

#include <QPainter>

#include "controls/TextDrawing.h"

TextLabel::TextLabel(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TextLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (const std::optional<QColor> background = BackgroundColor()) {
        painter.fillRect(rect(), *background);
    }
    DrawTextInRect(painter, text(), rect(), TextFlag::Left | TextFlag::WordBreak, font(), TextColor());
}
