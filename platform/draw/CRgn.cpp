// SPDX-License-Identifier: MIT
#include "platform/draw/CRgn.h"

#include <algorithm>

#include "platform/draw/HandleObjects.h"

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

CRgn::operator HRGN() const {
    return dynamic_cast<HRGN>(m_hObject);
}

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
    if (m_hObject != nullptr) {
        return FALSE;
    }
    auto* region = new RegionObject;
    if (left != right && top != bottom) {
        region->region = QRegion(ToQRect(left, top, right, bottom));
    }
    return Attach(region);
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode) {
    const HRGN destination = *this;
    const HRGN first = a != nullptr ? static_cast<HRGN>(*a) : nullptr;
    const HRGN second = b != nullptr ? static_cast<HRGN>(*b) : nullptr;
    if (destination == nullptr || first == nullptr || second == nullptr || mode != RGN_OR) {
        return RGN_ERROR;
    }
    destination->region = first->region.united(second->region);
    return KindOf(destination->region);
}
