// SPDX-License-Identifier: MIT
#include "controls/CColorLabel.h"

#include "controls/SystemColors.h"

CColorLabel::CColorLabel(QWidget* parent) : TextLabel(parent), backColor(kButtonFace), foreColor(Qt::black) {}

void CColorLabel::SetBackColor(const QColor& color) {
    backColor = color;
    repaint();
}

void CColorLabel::SetForeColor(const QColor& color) {
    foreColor = color;
    repaint();
}
