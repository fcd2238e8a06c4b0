// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The window backgrounds. Each is shown 1:1 from its top-left corner; larger than its window.
// `scale` gives the device pixels per pixel of the design (1, or 2 for high-density screens).
namespace artgen {

// 218, 640 x 480: the board window — a dark board area with a well behind the 5 x 5 cells and a
// tray for the menu button and emblem, and a white area on the right for the players' lists.
QImage boardBackground(int scale);

// 244, 300 x 500: the game menu, a slate gradient with an engraved rule above its OK button.
QImage menuBackground(int scale);

// 262, 500 x 833: shared by the challenge, settings, high-scores and about dialogs; a soft slate
// gradient that sits well with their grey label strips.
QImage dialogBackground(int scale);

}  // namespace artgen
