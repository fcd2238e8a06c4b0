// SPDX-License-Identifier: MIT
#include "tools/artgen/Preview.h"

#include "tools/artgen/ArtFonts.h"
#include "tools/artgen/Cursors.h"
#include "tools/artgen/Emblem.h"

#include <QPainter>

#include <utility>
#include <vector>

namespace artgen {

namespace {

constexpr int sheetWidth = 1900;
constexpr int gap = 14;
constexpr int labelHeight = 16;

struct SheetItem {
    QString label;
    QImage image;
};

std::vector<SheetItem> sheetItems(const BitmapSet& bitmaps) {
    std::vector<SheetItem> small;
    std::vector<SheetItem> large;
    for (const auto& [id, image] : bitmaps) {
        SheetItem item{QString::number(id), image};
        (image.width() >= 300 && image.height() >= 300 ? large : small).push_back(std::move(item));
    }
    // Cursors on a light and on a dark swatch, to see the halo work on both.
    for (const auto& [label, cursor] :
         {std::pair{QStringLiteral("cur 134"), crossCursor(1)}, std::pair{QStringLiteral("cur 135"), ringCursor(1)}}) {
        QImage swatch(72, 36, QImage::Format_RGB32);
        swatch.fill(QColor(236, 238, 242));
        QPainter painter(&swatch);
        painter.fillRect(36, 0, 36, 36, QColor(34, 41, 54));
        painter.drawImage(2, 2, cursor);
        painter.drawImage(38, 2, cursor);
        small.push_back({label, swatch});
    }
    for (const int side : {16, 24, 32, 48, 64, 128})
        small.push_back({QStringLiteral("ico %1").arg(side), emblemIcon(side)});
    small.insert(small.end(), large.begin(), large.end());
    return small;
}

}  // namespace

QImage contactSheet(const BitmapSet& bitmaps) {
    const std::vector<SheetItem> items = sheetItems(bitmaps);

    // Lay the items out in rows first, to know the sheet's height.
    std::vector<QPoint> places;
    int x = gap;
    int y = gap;
    int rowHeight = 0;
    for (const SheetItem& item : items) {
        if (x + item.image.width() > sheetWidth - gap) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        places.emplace_back(x, y);
        x += std::max(item.image.width(), 48) + gap;
        rowHeight = std::max(rowHeight, item.image.height() + labelHeight);
    }

    QImage sheet(sheetWidth, y + rowHeight + gap, QImage::Format_RGB32);
    sheet.fill(QColor(104, 104, 108));
    QPainter painter(&sheet);
    painter.setFont(artFont(12));
    painter.setPen(Qt::white);
    for (std::size_t i = 0; i < items.size(); ++i) {
        painter.drawText(QRect(places[i], QSize(160, labelHeight)), Qt::AlignLeft | Qt::AlignVCenter, items[i].label);
        painter.drawImage(places[i] + QPoint(0, labelHeight), items[i].image);
    }
    return sheet;
}

}  // namespace artgen
