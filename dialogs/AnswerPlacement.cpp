// SPDX-License-Identifier: MIT
#include "dialogs/AnswerPlacement.h"

namespace {

constexpr int kMargin = 6;

CRect WithTop(const CRect& shifted, int top) {
    return {shifted.left, top, shifted.right, top + shifted.Height()};
}

}  // namespace

bool OverlapsLineVertically(const CRect& rect, int lineTop, int lineBottom) {
    const bool lineAbove = lineTop < rect.top && lineBottom < rect.top;
    const bool lineBelow = lineTop > rect.bottom && lineBottom > rect.bottom;
    return !lineAbove && !lineBelow;
}

CRect PlaceClearOfLine(const CRect& dialogRect, const CRect& ownerRect, int lineTop, int lineBottom) {
    CRect shifted = dialogRect;
    shifted.OffsetRect(kMargin, 0);
    const int height = shifted.Height();

    const CRect centred = WithTop(shifted, ownerRect.top + (ownerRect.Height() - height) / 2);
    if (!OverlapsLineVertically(centred, lineTop, lineBottom)) {
        return centred;
    }
    const CRect nearTop = WithTop(shifted, ownerRect.top + kMargin);
    if (!OverlapsLineVertically(nearTop, lineTop, lineBottom)) {
        return nearTop;
    }
    return WithTop(shifted, ownerRect.bottom - height - kMargin);
}
