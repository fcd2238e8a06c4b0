// SPDX-License-Identifier: MIT
#include "platform/dialog/DialogUnits.h"

#include <QFontMetricsF>
#include <array>
#include <cmath>
#include <map>

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

// The em at which the face's average letter is no wider than the horizontal base unit.
int MeasureFittingEmPixels(const QString& face, int pointSize) {
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    constexpr int kSmallestEm = 6;
    const double baseX = DialogBaseUnits(pointSize).width();
    int em = static_cast<int>(std::lround(pointSize * 96.0 / 72.0));
    QFont font(face);
    for (; em > kSmallestEm; --em) {
        font.setPixelSize(em);
        if (QFontMetricsF(font).horizontalAdvance(alphabet) / static_cast<double>(alphabet.size()) <= baseX) {
            break;
        }
    }
    return em;
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

QFont TemplateFont(const std::string& face, int pointSize) {
    const QString shown =
        face == "MS Sans Serif" || face.empty() ? QStringLiteral("Liberation Sans") : QString::fromStdString(face);
    // Measured once per face and size; a template's widgets are built again at every showing.
    static auto* measured = new std::map<std::pair<QString, int>, int>;
    const auto key = std::make_pair(shown, pointSize);
    auto found = measured->find(key);
    if (found == measured->end()) {
        found = measured->emplace(key, MeasureFittingEmPixels(shown, pointSize)).first;
    }
    QFont font(shown);
    font.setPixelSize(found->second);
    font.setKerning(false);
    return font;
}
