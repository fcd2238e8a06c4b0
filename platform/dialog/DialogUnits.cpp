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

// The average width of the face's letters at an em of `em` pixels; measured once per face and em.
double AverageLetterWidth(const QString& face, int em) {
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    static auto* measured = new std::map<std::pair<QString, int>, double>;
    const auto key = std::make_pair(face, em);
    auto found = measured->find(key);
    if (found == measured->end()) {
        QFont font(face);
        font.setPixelSize(em);
        const double width = QFontMetricsF(font).horizontalAdvance(alphabet) / static_cast<double>(alphabet.size());
        found = measured->emplace(key, width).first;
    }
    return found->second;
}

// The em at which the face's average letter is no wider than the horizontal base unit at `scale`.
int FittingEmPixels(const QString& face, int pointSize, qreal scale) {
    constexpr int kSmallestEm = 6;
    const double baseX = DialogBaseUnits(pointSize).width() * scale;
    int em = static_cast<int>(std::lround(pointSize * 96.0 / 72.0 * scale));
    while (em > kSmallestEm && AverageLetterWidth(face, em) > baseX) {
        --em;
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

QRect DialogRectToPixels(int x, int y, int cx, int cy, int fontPointSize, qreal scale) {
    return ScaledRect({DialogUnitsToPixelsX(x, fontPointSize), DialogUnitsToPixelsY(y, fontPointSize),
                       DialogUnitsToPixelsX(cx, fontPointSize), DialogUnitsToPixelsY(cy, fontPointSize)},
                      scale);
}

int ScaledLength(int designed, qreal scale) {
    return static_cast<int>(std::lround(designed * scale));
}

QRect ScaledRect(const QRect& designed, qreal scale) {
    const int left = ScaledLength(designed.left(), scale);
    const int top = ScaledLength(designed.top(), scale);
    return {left, top, ScaledLength(designed.left() + designed.width(), scale) - left,
            ScaledLength(designed.top() + designed.height(), scale) - top};
}

QFont TemplateFont(const std::string& face, int pointSize, qreal scale) {
    const QString shown =
        face == "MS Sans Serif" || face.empty() ? QStringLiteral("Liberation Sans") : QString::fromStdString(face);
    QFont font(shown);
    font.setPixelSize(FittingEmPixels(shown, pointSize, scale));
    font.setKerning(false);
    return font;
}
