// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

// The colours of the whole look in one place, so board, tiles and dialogs stay one family.
namespace artgen::palette {

// A face is a rounded body with a vertical gradient and a thin darker border. The words on it are
// the game's, in the ink dialogs/ButtonLettering.h gives the face.
struct Face {
    QColor top;
    QColor bottom;
    QColor border;
};

// Neutral steel: most buttons.
inline const Face steel{QColor(240, 243, 248), QColor(200, 209, 222), QColor(86, 100, 124)};
// Confirming actions (Done, Check Answer).
inline const Face confirm{QColor(234, 247, 233), QColor(186, 220, 188), QColor(64, 116, 74)};
// Leaving actions (Quit Game, Forfeit Game).
inline const Face leave{QColor(250, 238, 234), QColor(226, 198, 192), QColor(128, 84, 78)};
// The sound switch states, stronger so the state reads at a glance.
inline const Face soundOn{QColor(214, 242, 210), QColor(140, 204, 140), QColor(44, 110, 52)};
inline const Face soundOff{QColor(252, 222, 218), QColor(226, 150, 144), QColor(150, 50, 46)};
// Question strip of the challenge: a calm paper panel for the game's large black text.
inline const Face paper{QColor(255, 255, 252), QColor(230, 233, 238), QColor(86, 100, 124)};

// Board tiles; the pressed free tile is darker at the top, so it looks pushed in. The game writes black numbers on
// them.
inline const Face freeTile{QColor(236, 238, 242), QColor(206, 211, 219), QColor(96, 104, 118)};
inline const Face freeTilePressed{QColor(150, 157, 169), QColor(178, 184, 194), QColor(70, 78, 92)};
inline const Face playerOneTile{QColor(236, 243, 255), QColor(196, 214, 244), QColor(54, 86, 156)};
inline const Face playerTwoTile{QColor(255, 236, 234), QColor(244, 196, 192), QColor(156, 56, 52)};
inline const Face markedTile{QColor(232, 250, 228), QColor(168, 224, 166), QColor(36, 118, 52)};

// Name and score plates; the game writes black text on them.
inline const Face playerOnePlate{QColor(232, 240, 255), QColor(188, 208, 244), QColor(54, 86, 156)};
inline const Face playerTwoPlate{QColor(255, 234, 232), QColor(244, 190, 186), QColor(156, 56, 52)};

// Marks on the tiles and cursors.
inline const QColor playerOneMark(34, 84, 196);
inline const QColor playerTwoMark(200, 44, 40);
inline const QColor markedMark(22, 128, 48);
inline const QColor numberDisc(255, 255, 255);

// Hover, pressed and checked pictures add this outline.
inline const QColor selectionOutline(24, 104, 232);

// Backgrounds.
inline const QColor boardWell(34, 41, 54);
inline const QColor boardTop(58, 67, 84);
inline const QColor boardBottom(42, 49, 63);
inline const QColor boardFrame(78, 90, 112);
inline const QColor listArea(255, 255, 255);
inline const QColor listRule(222, 226, 233);
inline const QColor wordmark(196, 202, 212);
inline const QColor dialogTop(104, 114, 133);
inline const QColor dialogBottom(62, 70, 86);
inline const QColor labelStrip(150, 150, 150);

}  // namespace artgen::palette
