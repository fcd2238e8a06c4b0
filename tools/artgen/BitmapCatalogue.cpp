// SPDX-License-Identifier: MIT
#include "tools/artgen/BitmapCatalogue.h"

#include "dialogs/ButtonLettering.h"
#include "tools/artgen/Backgrounds.h"
#include "tools/artgen/Buttons.h"
#include "tools/artgen/CellTiles.h"
#include "tools/artgen/DialogLayout.h"
#include "tools/artgen/Emblem.h"
#include "tools/artgen/FacePainter.h"
#include "tools/artgen/Palette.h"

#include "resources/ResourceIds.h"

#include <QPainter>

namespace artgen {

namespace {

// A button id with its outlined twin (hover, pressed or checked look).
void addButtonPair(BitmapSet& set, int normalId, int outlinedId, const QImage& background, QPoint at,
                   const ButtonShape& shape, const palette::Face& face) {
    set[normalId] = buttonFace(background, at, shape, face, Outline::None);
    set[outlinedId] = buttonFace(background, at, shape, face, Outline::Selected);
}

void addBoardPictures(BitmapSet& set, const QImage& board) {
    namespace board_at = layout::board;
    set[IDB_BOARD_BACKGROUND] = board;
    set[IDB_FREE_CELL] = freeTile(board);
    set[IDB_FREE_CELL_PRESSED] = freeTilePressed(board);
    set[IDB_PLAYER1_CELL] = playerTile(board, TileMark::Cross);
    set[IDB_PLAYER2_CELL] = playerTile(board, TileMark::Ring);
    set[IDB_PLAYER1_CELL_MARKED] = markedTile(board, TileMark::Cross);
    set[IDB_PLAYER2_CELL_MARKED] = markedTile(board, TileMark::Ring);
    set[IDB_PLAYER1_PLATE] =
        buttonFace(board, board_at::namePlate[0], plateShape, palette::playerOnePlate, Outline::None);
    set[IDB_PLAYER2_PLATE] =
        buttonFace(board, board_at::namePlate[1], plateShape, palette::playerTwoPlate, Outline::None);
    addButtonPair(set, IDB_OPTIONS, IDB_OPTIONS_SELECTED, board, board_at::menuButton, actionShape, palette::steel);

    QImage emblem = canvasOver(board, board_at::emblem, QSize(53, 53));
    QPainter painter(&emblem);
    paintEmblemBadge(painter, 53);
    set[IDB_EMBLEM] = emblem;
}

void addMenuPictures(BitmapSet& set, const QImage& menu) {
    namespace menu_at = layout::menu;
    set[IDB_MENU_BACKGROUND] = menu;
    set[IDB_OK] = buttonFace(menu, menu_at::ok, actionShape, palette::steel, Outline::None);
    set[IDB_OK_SELECTED] = set[IDB_OK];
    addButtonPair(set, IDB_HIGH_SCORES, IDB_HIGH_SCORES_SELECTED, menu, menu_at::highScores, actionShape,
                  palette::steel);
    addButtonPair(set, IDB_NEW_GAME, IDB_NEW_GAME_SELECTED, menu, menu_at::startNewGame, actionShape, palette::steel);
    addButtonPair(set, IDB_ABOUT, IDB_ABOUT_SELECTED, menu, menu_at::about, actionShape, palette::steel);
    addButtonPair(set, IDB_QUIT, IDB_QUIT_SELECTED, menu, menu_at::quitGame, actionShape, palette::leave);
    set[IDB_SOUND_ON] = soundButton(menu, menu_at::sound, palette::soundOn, lettering::soundOnInk, SoundIcon::On);
    set[IDB_SOUND_OFF] = soundButton(menu, menu_at::sound, palette::soundOff, lettering::soundOffInk, SoundIcon::Off);
}

void addDialogPictures(BitmapSet& set, const QImage& dialog) {
    namespace challenge_at = layout::challenge;
    namespace settings_at = layout::settings;
    set[IDB_DIALOG_BACKGROUND] = dialog;
    set[IDB_QUESTION] =
        buttonFace(dialog, challenge_at::question.topLeft(), questionShape, palette::paper, Outline::None);
    addButtonPair(set, IDB_CHECK_ANSWER, IDB_CHECK_ANSWER_SELECTED, dialog, challenge_at::check, challengeShape,
                  palette::confirm);
    addButtonPair(set, IDB_FORFEIT, IDB_FORFEIT_SELECTED, dialog, challenge_at::forfeit, challengeShape,
                  palette::leave);

    addButtonPair(set, IDB_RANGE_0_TO_10, IDB_RANGE_0_TO_10_SELECTED, dialog, settings_at::range[0], rangeShape,
                  palette::steel);
    addButtonPair(set, IDB_RANGE_0_TO_25, IDB_RANGE_0_TO_25_SELECTED, dialog, settings_at::range[1], rangeShape,
                  palette::steel);
    addButtonPair(set, IDB_RANGE_MINUS_10_TO_10, IDB_RANGE_MINUS_10_TO_10_SELECTED, dialog, settings_at::range[2],
                  rangeShape, palette::steel);
    addButtonPair(set, IDB_RANGE_MINUS_25_TO_25, IDB_RANGE_MINUS_25_TO_25_SELECTED, dialog, settings_at::range[3],
                  rangeShape, palette::steel);
    addButtonPair(set, IDB_DONE, IDB_DONE_SELECTED, dialog, settings_at::done, rangeShape, palette::confirm);

    addButtonPair(set, IDB_NOVICE, IDB_NOVICE_SELECTED, dialog, settings_at::novice, opponentShape, palette::steel);
    addButtonPair(set, IDB_INTERMEDIATE, IDB_INTERMEDIATE_SELECTED, dialog, settings_at::intermediate, opponentShape,
                  palette::steel);
    addButtonPair(set, IDB_EXPERT, IDB_EXPERT_SELECTED, dialog, settings_at::expert, opponentShape, palette::steel);
    addButtonPair(set, IDB_PERSON, IDB_PERSON_SELECTED, dialog, settings_at::person, opponentShape, palette::steel);
}

}  // namespace

BitmapSet drawAllBitmaps(int scale) {
    BitmapSet set;
    addBoardPictures(set, boardBackground(scale));
    addMenuPictures(set, menuBackground(scale));
    addDialogPictures(set, dialogBackground(scale));
    return set;
}

}  // namespace artgen
