// SPDX-License-Identifier: MIT
#include "tools/artgen/Backgrounds.h"

#include "tools/artgen/ArtFonts.h"
#include "tools/artgen/DialogLayout.h"
#include "tools/artgen/FacePainter.h"
#include "tools/artgen/Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace artgen {

namespace {

// A vertical gradient with a gentle light from the top-left, the base of every dialog surface.
void paintSlate(QPainter& painter, QSize size, const QColor& top, const QColor& bottom) {
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.fillRect(QRect(QPoint(0, 0), size), fill);

    QRadialGradient glow(QPointF(size.width() * 0.2, 0), size.width() * 0.9);
    glow.setColorAt(0, QColor(255, 255, 255, 26));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(QRect(QPoint(0, 0), size), glow);
}

void paintEngravedRule(QPainter& painter, int x1, int x2, int y) {
    painter.setPen(QColor(0, 0, 0, 60));
    painter.drawLine(x1, y, x2, y);
    painter.setPen(QColor(255, 255, 255, 50));
    painter.drawLine(x1, y + 1, x2, y + 1);
}

}  // namespace

QImage boardBackground(int scale) {
    using namespace layout::board;
    QImage image = opaqueCanvas(QSize(640, 480), palette::listArea, scale);
    QPainter painter(&image);

    const int listAreaLeft = namePlate[0].x() - 10;
    QLinearGradient dark(0, 0, 0, 480);
    dark.setColorAt(0, palette::boardTop);
    dark.setColorAt(1, palette::boardBottom);
    painter.fillRect(QRect(0, 0, listAreaLeft, 480), dark);
    painter.setPen(QColor(20, 24, 32));
    painter.drawLine(listAreaLeft - 1, 0, listAreaLeft - 1, 479);

    // The well behind the cells: a solid colour, so the corners of the tiles match it everywhere.
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect cells(cell(0, 0), cell(4, 4) + QPoint(cellArea.width(), cellArea.height()));
    painter.setPen(QPen(palette::boardFrame, 1));
    painter.setBrush(palette::boardWell);
    const QRectF well = QRectF(cells).adjusted(-4.5, -4.5, 3.5, 3.5);
    painter.drawRoundedRect(well, 7, 7);

    // The tray under the board, as wide as the well, holds the emblem and the menu button.
    const QRectF tray(well.left(), emblem.y() - 8.5, well.width(), 480 - emblem.y() + 4.5);
    painter.setPen(QPen(QColor(70, 81, 101), 1));
    painter.setBrush(QColor(48, 56, 72));
    painter.drawRoundedRect(tray, 7, 7);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // A rule between the two lists and under and above the plates; the lists themselves stay white.
    painter.setPen(palette::listRule);
    const int between = (list[0].right() + list[1].left() + 1) / 2;
    painter.drawLine(between, list[0].top() + 2, between, list[0].bottom() - 2);
    painter.drawLine(namePlate[0].x() + 4, list[0].top() - 3, namePlate[1].x() + 104, list[0].top() - 3);
    painter.drawLine(namePlate[0].x() + 4, scorePlate[0].y() - 2, namePlate[1].x() + 104, scorePlate[0].y() - 2);

    const QRect wordmarkBox(listAreaLeft, scorePlate[0].y() + 40, 640 - listAreaLeft, 480 - scorePlate[0].y() - 40);
    QFont font = artFont(24);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    painter.setFont(font);
    painter.setPen(palette::wordmark);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawText(wordmarkBox, Qt::AlignCenter, QStringLiteral("Quinsum"));
    return image;
}

QImage menuBackground(int scale) {
    QImage image = opaqueCanvas(QSize(300, 500), palette::dialogTop, scale);
    QPainter painter(&image);
    paintSlate(painter, image.deviceIndependentSize().toSize(), palette::dialogTop, palette::dialogBottom);
    const int ruleY = (layout::menu::sound.y() + 66 + layout::menu::ok.y()) / 2;
    paintEngravedRule(painter, layout::menu::ok.x() + 10, layout::menu::ok.x() + 182, ruleY);
    return image;
}

QImage dialogBackground(int scale) {
    QImage image = opaqueCanvas(QSize(500, 833), palette::dialogTop, scale);
    QPainter painter(&image);
    paintSlate(painter, image.deviceIndependentSize().toSize(), palette::dialogTop, palette::dialogBottom);
    return image;
}

}  // namespace artgen
