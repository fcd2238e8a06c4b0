// SPDX-License-Identifier: MIT
#include "platform/draw/CBitmap.h"

#include "platform/draw/HandleObjects.h"
#include "platform/draw/Resources.h"

CBitmap::operator HBITMAP() const {
    return dynamic_cast<HBITMAP>(m_hObject);
}

BOOL CBitmap::LoadBitmap(UINT id) {
    if (m_hObject != nullptr) {
        return FALSE;
    }
    return Attach(LoadBitmapResource(id));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height) {
    if (m_hObject != nullptr || width <= 0 || height <= 0) {
        return FALSE;
    }
    auto* bitmap = new BitmapObject;
    bitmap->pixels = std::make_shared<QImage>(width, height, QImage::Format_RGB32);
    if (bitmap->pixels->isNull()) {
        delete bitmap;
        return FALSE;
    }
    bitmap->pixels->fill(Qt::black);
    return Attach(bitmap);
}

int CBitmap::GetBitmap(BITMAP* out) const {
    return GetObject(static_cast<HBITMAP>(*this), sizeof(BITMAP), out);
}
