// SPDX-License-Identifier: MIT
#include "tools/artgen/BitmapCatalogue.h"

#include "tools/artgen/Backgrounds.h"
#include "tools/artgen/Buttons.h"
#include "tools/artgen/CellTiles.h"
#include "tools/artgen/DialogLayout.h"
#include "tools/artgen/Emblem.h"
#include "tools/artgen/FacePainter.h"
#include "tools/artgen/Palette.h"

#include <QPainter>

namespace artgen {

namespace {

// A button id with its outlined twin (hover, pressed or checked look).
void addButtonPair(BitmapSet& set, int normalId, int outlinedId, const QImage& background, QPoint at,
                   const ButtonShape& shape, const palette::Face& face, const QString& label)
{
    set[normalId] = labelledButton(background, at, shape, face, label, Outline::None);
    set[outlinedId] = labelledButton(background, at, shape, face, label, Outline::Selected);
}

void addBoardPictures(BitmapSet& set, const QImage& board)
{
    namespace board_at = layout::board;
    set[218] = board;
    set[152] = freeTile(board);
    set[155] = freeTilePressed(board);
    set[178] = playerTile(board, TileMark::Cross);
    set[179] = playerTile(board, TileMark::Ring);
    set[300] = markedTile(board, TileMark::Cross);
    set[289] = markedTile(board, TileMark::Ring);
    set[221] = labelledButton(board, board_at::namePlate[0], plateShape, palette::playerOnePlate, {}, Outline::None);
    set[222] = labelledButton(board, board_at::namePlate[1], plateShape, palette::playerTwoPlate, {}, Outline::None);
    addButtonPair(set, 219, 223, board, board_at::menuButton, actionShape, palette::steel, QStringLiteral("Options"));

    QImage emblem = canvasOver(board, board_at::emblem, QSize(53, 53));
    QPainter painter(&emblem);
    paintEmblemBadge(painter, 53);
    set[278] = emblem;
}

void addMenuPictures(BitmapSet& set, const QImage& menu)
{
    namespace menu_at = layout::menu;
    set[244] = menu;
    set[230] = labelledButton(menu, menu_at::ok, actionShape, palette::steel, QStringLiteral("OK"), Outline::None);
    set[231] = set[230];
    addButtonPair(set, 237, 238, menu, menu_at::highScores, actionShape, palette::steel, QStringLiteral("High Scores"));
    addButtonPair(set, 233, 167, menu, menu_at::startNewGame, actionShape, palette::steel,
                  QStringLiteral("Start New Game"));
    addButtonPair(set, 168, 243, menu, menu_at::about, actionShape, palette::steel, QStringLiteral("About"));
    addButtonPair(set, 163, 164, menu, menu_at::quitGame, actionShape, palette::leave, QStringLiteral("Quit Game"));
    set[259] = soundButton(menu, menu_at::sound, palette::soundOn, QStringLiteral("Sound On"), SoundIcon::On);
    set[261] = soundButton(menu, menu_at::sound, palette::soundOff, QStringLiteral("Sound Off"), SoundIcon::Off);
}

void addDialogPictures(BitmapSet& set, const QImage& dialog)
{
    namespace challenge_at = layout::challenge;
    namespace settings_at = layout::settings;
    set[262] = dialog;
    set[292] = labelledButton(dialog, challenge_at::question.topLeft(), questionShape, palette::paper, {},
                              Outline::None);
    addButtonPair(set, 295, 296, dialog, challenge_at::check, challengeShape, palette::confirm,
                  QStringLiteral("Check Answer"));
    addButtonPair(set, 297, 298, dialog, challenge_at::forfeit, challengeShape, palette::leave,
                  QStringLiteral("Forfeit Game"));

    addButtonPair(set, 246, 253, dialog, settings_at::range[0], rangeShape, palette::steel, QStringLiteral("0 to 10"));
    addButtonPair(set, 248, 254, dialog, settings_at::range[1], rangeShape, palette::steel, QStringLiteral("0 to 25"));
    addButtonPair(set, 249, 256, dialog, settings_at::range[2], rangeShape, palette::steel, QStringLiteral("-10 to 10"));
    addButtonPair(set, 250, 255, dialog, settings_at::range[3], rangeShape, palette::steel, QStringLiteral("-25 to 25"));
    addButtonPair(set, 251, 252, dialog, settings_at::done, rangeShape, palette::confirm, QStringLiteral("Done"));

    addButtonPair(set, 271, 272, dialog, settings_at::novice, opponentShape, palette::steel,
                  QStringLiteral("Novice\nComputer"));
    addButtonPair(set, 265, 266, dialog, settings_at::intermediate, opponentShape, palette::steel,
                  QStringLiteral("Intermediate\nComputer"));
    addButtonPair(set, 267, 268, dialog, settings_at::expert, opponentShape, palette::steel,
                  QStringLiteral("Expert\nComputer"));
    addButtonPair(set, 269, 270, dialog, settings_at::person, opponentShape, palette::steel, QStringLiteral("Person"));
}

}  // namespace

BitmapSet drawAllBitmaps(int scale)
{
    BitmapSet set;
    addBoardPictures(set, boardBackground(scale));
    addMenuPictures(set, menuBackground(scale));
    addDialogPictures(set, dialogBackground(scale));
    return set;
}

}  // namespace artgen
