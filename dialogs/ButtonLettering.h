// SPDX-License-Identifier: MIT
#pragma once
// The words on the game's picture buttons. The pictures carry none: each button writes its caption
// over its picture, centred in the body of the picture's shape, in the ink of its face. The art
// generator (tools/artgen) draws the faces around these same bodies and takes its inks from here,
// so pictures and words stay one design.

#include <QColor>
#include <QRect>

#include "controls/TextDrawing.h"

namespace lettering {

// The bodies, in the button's own pixels (a picture is drawn 1:1 from the button's top-left).
// 193 x 55 actions of the menu and the board's Options button.
inline constexpr QRect actionBody(4, 3, 184, 48);
// 193 x 63 sound switch of the menu; its words stand beside the speaker.
inline constexpr QRect soundBody(4, 4, 184, 55);
inline constexpr QRect soundWords = soundBody.adjusted(36, 0, 0, 0);
// 193 x 63 buttons of the challenge.
inline constexpr QRect challengeBody(4, 5, 185, 53);
// 96 x 26 range and Done buttons.
inline constexpr QRect rangeBody(1, 1, 94, 24);
// 112 x 39 opponent buttons.
inline constexpr QRect opponentBody(1, 1, 110, 37);

// The inks of the faces: neutral steel, confirming (Done, Check Answer), leaving (Quit Game,
// Forfeit Game) and the two states of the sound switch.
inline const QColor steelInk(30, 42, 64);
inline const QColor confirmInk(24, 72, 36);
inline const QColor leaveInk(96, 36, 30);
inline const QColor soundOnInk(16, 76, 28);
inline const QColor soundOffInk(112, 22, 18);
// Faint light below the letters, as if pressed into the face.
inline const QColor shadow(255, 255, 255, 120);

// Bold letters of each shape's size in each face's ink.
inline const CaptionStyle steelAction{18, steelInk, shadow};
inline const CaptionStyle leaveAction{18, leaveInk, shadow};
inline const CaptionStyle soundOn{18, soundOnInk, shadow};
inline const CaptionStyle soundOff{18, soundOffInk, shadow};
inline const CaptionStyle confirmChallenge{19, confirmInk, shadow};
inline const CaptionStyle leaveChallenge{19, leaveInk, shadow};
inline const CaptionStyle steelRange{14, steelInk, shadow};
inline const CaptionStyle confirmRange{14, confirmInk, shadow};
inline const CaptionStyle steelOpponent{13, steelInk, shadow};

}  // namespace lettering
