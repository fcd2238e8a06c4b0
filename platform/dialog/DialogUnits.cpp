// SPDX-License-Identifier: MIT
#include "platform/dialog/DialogUnits.h"

#include <array>
#include <cmath>

namespace {

struct BaseUnits {
    int pointSize;
    CSize units;
};

constexpr std::array<BaseUnits, 3> kBaseUnits{{{8, {6, 13}}, {10, {8, 16}}, {14, {11, 24}}}};

// Rounded to nearest, halves away from zero (the platform's MulDiv).
int MulDiv(int value, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

}  // namespace

CSize DialogBaseUnits(int fontPointSize) {
    CSize units = kBaseUnits.front().units;
    for (const BaseUnits& entry : kBaseUnits) {
        if (entry.pointSize <= fontPointSize) {
            units = entry.units;
        }
    }
    return units;
}

int DialogUnitsToPixelsX(int dlu, int fontPointSize) {
    return MulDiv(dlu, DialogBaseUnits(fontPointSize).cx, 4);
}

int DialogUnitsToPixelsY(int dlu, int fontPointSize) {
    return MulDiv(dlu, DialogBaseUnits(fontPointSize).cy, 8);
}

CRect DialogRectToPixels(int x, int y, int cx, int cy, int fontPointSize) {
    const int left = DialogUnitsToPixelsX(x, fontPointSize);
    const int top = DialogUnitsToPixelsY(y, fontPointSize);
    return {left, top, left + DialogUnitsToPixelsX(cx, fontPointSize), top + DialogUnitsToPixelsY(cy, fontPointSize)};
}
