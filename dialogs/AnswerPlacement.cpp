// SPDX-License-Identifier: MIT
#include "dialogs/AnswerPlacement.h"

#include "platform/dialog/DialogUnits.h"

namespace {

constexpr int kMargin = 6;

QRect WithTop(const QRect& shifted, int top) {
    return {shifted.left(), top, shifted.width(), shifted.height()};
}

}  // namespace

bool OverlapsLineVertically(const QRect& rect, int lineTop, int lineBottom) {
    const int top = rect.top();
    const int bottom = rect.top() + rect.height();
    const bool lineAbove = lineTop < top && lineBottom < top;
    const bool lineBelow = lineTop > bottom && lineBottom > bottom;
    return !lineAbove && !lineBelow;
}

QRect PlaceClearOfLine(const QRect& dialogRect, const QRect& ownerRect, int lineTop, int lineBottom, qreal scale) {
    const int margin = ScaledLength(kMargin, scale);
    const QRect shifted = dialogRect.translated(margin, 0);
    const int height = shifted.height();

    const QRect centred = WithTop(shifted, ownerRect.top() + (ownerRect.height() - height) / 2);
    if (!OverlapsLineVertically(centred, lineTop, lineBottom)) {
        return centred;
    }
    const QRect nearTop = WithTop(shifted, ownerRect.top() + margin);
    if (!OverlapsLineVertically(nearTop, lineTop, lineBottom)) {
        return nearTop;
    }
    return WithTop(shifted, ownerRect.top() + ownerRect.height() - height - margin);
}
