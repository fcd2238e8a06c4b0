// SPDX-License-Identifier: MIT
#include "platform/draw/HandleObjects.h"

#include <QPixmap>
#include <cstring>

#include "platform/draw/BitmapInfo.h"
#include "platform/draw/CFont.h"

namespace {

BrushObject* HollowBrush() {
    // Stock objects live until the program ends, as the platform's do.
    static BrushObject* brush = [] {
        auto* made = new BrushObject;
        made->stock = true;
        made->hollow = true;
        return made;
    }();
    return brush;
}

FontObject* DefaultGuiFont() {
    static FontObject* font = [] {
        LOGFONT description;
        FontObject* made = CreateFontIndirect(&description);
        made->stock = true;
        return made;
    }();
    return font;
}

}  // namespace

QColor ToQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF ToColorRef(QColor color) {
    return RGB(color.red(), color.green(), color.blue());
}

const QIcon& IconObject::Icon() const {
    if (icon_.isNull()) {
        for (const QString& file : files_) {
            // A picture read by its name's suffix; QIcon::addFile would try every image plugin.
            icon_.addPixmap(QPixmap(file));
        }
    }
    return icon_;
}

BOOL DeleteObject(HGDIOBJ object) {
    if (object == nullptr || object->stock) {
        return FALSE;
    }
    delete object;
    return TRUE;
}

HGDIOBJ GetStockObject(int index) {
    switch (index) {
    case NULL_BRUSH:
        return HollowBrush();
    case DEFAULT_GUI_FONT:
        return DefaultGuiFont();
    default:
        return nullptr;
    }
}

int GetObject(HGDIOBJ object, int size, void* out) {
    if (object == nullptr || out == nullptr || size < 0) {
        return 0;
    }
    if (const auto* bitmap = dynamic_cast<const BitmapObject*>(object)) {
        if (static_cast<std::size_t>(size) != sizeof(BITMAP) || !bitmap->pixels) {
            return 0;
        }
        auto* description = static_cast<BITMAP*>(out);
        *description = BITMAP{};
        description->bmWidth = bitmap->pixels->width();
        description->bmHeight = bitmap->pixels->height();
        description->bmWidthBytes = static_cast<LONG>(bitmap->pixels->bytesPerLine());
        return size;
    }
    if (const auto* font = dynamic_cast<const FontObject*>(object)) {
        if (static_cast<std::size_t>(size) != sizeof(LOGFONT)) {
            return 0;
        }
        *static_cast<LOGFONT*>(out) = font->LogFont();
        return size;
    }
    return 0;
}
