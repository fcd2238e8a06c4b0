// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the pictures sit in the game's windows, in pixels. Templates give dialog units, which turn
// into pixels with fixed base units per template font: x = dlu * baseX / 4, y = dlu * baseY / 8,
// rounded to nearest. Pictures copy the background they cover from these places, and the preview
// mock-ups place them here.
namespace artgen::layout {

struct BaseUnits {
    int x;
    int y;
};
inline constexpr BaseUnits font8{6, 13};
inline constexpr BaseUnits font10{8, 16};
inline constexpr BaseUnits font14{11, 24};

constexpr int pixelsX(int dlu, BaseUnits base) {
    return (2 * dlu * base.x + 4) / 8;
}
constexpr int pixelsY(int dlu, BaseUnits base) {
    return (dlu * base.y + 4) / 8;
}
constexpr QPoint at(int x, int y, BaseUnits base) {
    return QPoint(pixelsX(x, base), pixelsY(y, base));
}
constexpr QRect area(int x, int y, int w, int h, BaseUnits base) {
    return QRect(pixelsX(x, base), pixelsY(y, base), pixelsX(w, base), pixelsY(h, base));
}

namespace board {
inline constexpr QSize client(pixelsX(319, font10), pixelsY(240, font10));
constexpr QPoint cell(int col, int row) {
    return at(4 + 38 * col, 4 + 38 * row, font10);
}
inline constexpr QRect cellArea = area(4, 4, 38, 38, font10);
inline constexpr QPoint menuButton = at(51, 209, font10);
inline constexpr QPoint emblem = at(8, 209, font10);
inline constexpr QPoint namePlate[2] = {at(206, 4, font10), at(261, 4, font10)};
inline constexpr QPoint scorePlate[2] = {at(206, 198, font10), at(261, 198, font10)};
inline constexpr QRect list[2] = {area(211, 25, 52, 173, font10), area(264, 25, 52, 173, font10)};
}  // namespace board

namespace menu {
inline constexpr QSize client(pixelsX(110, font10), pixelsY(204, font10));
inline constexpr QPoint highScores = at(7, 7, font10);
inline constexpr QPoint startNewGame = at(7, 34, font10);
inline constexpr QPoint quitGame = at(7, 61, font10);
inline constexpr QPoint about = at(7, 88, font10);
inline constexpr QPoint sound = at(7, 115, font10);
inline constexpr QPoint ok = at(7, 169, font10);
}  // namespace menu

namespace challenge {
inline constexpr QSize client(pixelsX(144, font14), pixelsY(44, font14));
inline constexpr QRect question = area(0, 1, 112, 18, font14);
inline constexpr QRect answerBox = area(114, 3, 28, 12, font14);
inline constexpr QPoint forfeit = at(0, 23, font14);
inline constexpr QPoint check = at(73, 23, font14);
}  // namespace challenge

namespace settings {
inline constexpr QSize client(pixelsX(284, font8), pixelsY(199, font8));
inline constexpr QPoint range[4] = {at(7, 131, font8), at(76, 131, font8), at(145, 131, font8), at(213, 131, font8)};
inline constexpr QPoint done = at(106, 172, font8);
inline constexpr QPoint novice = at(13, 45, font8);
inline constexpr QPoint intermediate = at(96, 45, font8);
inline constexpr QPoint expert = at(179, 45, font8);
inline constexpr QPoint person = at(13, 79, font8);
inline constexpr QRect nameBox[2] = {area(99, 13, 36, 14, font8), area(221, 84, 36, 14, font8)};
inline constexpr QRect label[4] = {area(7, 15, 80, 8, font8), area(7, 35, 231, 8, font8), area(92, 86, 124, 8, font8),
                                   area(9, 118, 161, 8, font8)};
}  // namespace settings

namespace highScores {
inline constexpr QSize client(pixelsX(271, font8), pixelsY(239, font8));
inline constexpr QPoint range[4] = {at(7, 182, font8), at(72, 182, font8), at(136, 182, font8), at(200, 182, font8)};
inline constexpr QPoint done = at(104, 206, font8);
constexpr QRect line(int k) {
    return area(7, 7 + 17 * k, 253, 11, font8);
}
}  // namespace highScores

namespace about {
inline constexpr QSize client(pixelsX(259, font8), pixelsY(81, font8));
inline constexpr QPoint emblem = at(7, 7, font8);
inline constexpr QRect link = area(49, 19, 174, 8, font8);
inline constexpr QRect ok = area(202, 60, 50, 14, font8);
}  // namespace about

}  // namespace artgen::layout
