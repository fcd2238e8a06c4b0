// SPDX-License-Identifier: MIT
#include "platform/dialog/DialogUnits.h"

#include <array>
#include <cmath>

namespace {

struct BaseUnits {
    int pointSize;
    QSize units;
};

constexpr std::array<BaseUnits, 3> kBaseUnits{{{8, {6, 13}}, {10, {8, 16}}, {14, {11, 24}}}};

// Rounded to nearest, halves away from zero (the designed platform's MulDiv).
int MulDiv(int value, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

}  // namespace

QSize DialogBaseUnits(int fontPointSize) {
    QSize units = kBaseUnits.front().units;
    for (const BaseUnits& entry : kBaseUnits) {
        if (entry.pointSize <= fontPointSize) {
            units = entry.units;
        }
    }
    return units;
}

int DialogUnitsToPixelsX(int dlu, int fontPointSize) {
    return MulDiv(dlu, DialogBaseUnits(fontPointSize).width(), 4);
}

int DialogUnitsToPixelsY(int dlu, int fontPointSize) {
    return MulDiv(dlu, DialogBaseUnits(fontPointSize).height(), 8);
}

QRect DialogRectToPixels(int x, int y, int cx, int cy, int fontPointSize) {
    return {DialogUnitsToPixelsX(x, fontPointSize), DialogUnitsToPixelsY(y, fontPointSize),
            DialogUnitsToPixelsX(cx, fontPointSize), DialogUnitsToPixelsY(cy, fontPointSize)};
}
