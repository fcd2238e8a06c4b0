// SPDX-License-Identifier: MIT
#include "platform/CRgn.h"

#include <algorithm>

#include "platform/GdiObjects.h"

namespace {

int KindOf(const QRegion& region) {
    if (region.isEmpty()) {
        return NULLREGION;
    }
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QRect ToQRect(int left, int top, int right, int bottom) {
    // A rectangle given right-to-left or bottom-to-top is the same rectangle, as for the platform.
    return QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                 QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    auto* region = new RegionObject;
    if (left != right && top != bottom) {
        region->region = QRegion(ToQRect(left, top, right, bottom));
    }
    return region;
}

int CombineRgn(HRGN destination, HRGN a, HRGN b, int mode) {
    if (destination == nullptr || a == nullptr || (mode != RGN_COPY && b == nullptr)) {
        return RGN_ERROR;
    }
    switch (mode) {
    case RGN_AND:
        destination->region = a->region.intersected(b->region);
        break;
    case RGN_OR:
        destination->region = a->region.united(b->region);
        break;
    case RGN_XOR:
        destination->region = a->region.xored(b->region);
        break;
    case RGN_DIFF:
        destination->region = a->region.subtracted(b->region);
        break;
    case RGN_COPY:
        destination->region = a->region;
        break;
    default:
        return RGN_ERROR;
    }
    return KindOf(destination->region);
}

CRgn::operator HRGN() const {
    return dynamic_cast<HRGN>(m_hObject);
}

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
    if (m_hObject != nullptr) {
        return FALSE;
    }
    return Attach(::CreateRectRgn(left, top, right, bottom));
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode) {
    return ::CombineRgn(*this, a != nullptr ? static_cast<HRGN>(*a) : nullptr,
                        b != nullptr ? static_cast<HRGN>(*b) : nullptr, mode);
}

BOOL CRgn::PtInRegion(int x, int y) const {
    const HRGN region = *this;
    return region != nullptr && region->region.contains(QPoint(x, y)) ? TRUE : FALSE;
}

BOOL CRgn::EqualRgn(const CRgn* other) const {
    const HRGN region = *this;
    const HRGN otherRegion = other != nullptr ? static_cast<HRGN>(*other) : nullptr;
    if (region == nullptr || otherRegion == nullptr) {
        return FALSE;
    }
    return region->region.xored(otherRegion->region).isEmpty() ? TRUE : FALSE;
}

int CRgn::GetRgnBox(CRect* box) const {
    const HRGN region = *this;
    if (region == nullptr || box == nullptr) {
        return RGN_ERROR;
    }
    const QRect bounds = region->region.boundingRect();
    *box = bounds.isEmpty() ? CRect() : CRect(bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1);
    return KindOf(region->region);
}
