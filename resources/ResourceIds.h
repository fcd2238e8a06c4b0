// SPDX-License-Identifier: MIT
#pragma once
// Every resource and control id of the game by name, shared by the templates, the dialogs, the
// board, the art generator's catalogue and the tests. Constants only, so that any layer may use
// them (the rules name their two sounds here).

// Dialog templates
inline constexpr unsigned IDD_ABOUT = 100;
inline constexpr unsigned IDD_BOARD = 102;
inline constexpr unsigned IDD_ANSWER = 129;
inline constexpr unsigned IDD_SETTINGS = 131;
inline constexpr unsigned IDD_HIGH_SCORES = 132;
inline constexpr unsigned IDD_MENU = 200;

// The board window (IDD_BOARD). IDC_NEW_GAME is a command the board posts to itself.
inline constexpr int IDC_NEW_GAME = 1000;
inline constexpr int IDC_MENU_BUTTON = 1001;
inline constexpr int IDC_FIRST_CELL = 1030;  // the 25 cells, row by row
inline constexpr int IDC_LAST_CELL = 1054;
inline constexpr int IDC_PLAYER1_NAME = 134;
inline constexpr int IDC_PLAYER2_NAME = 136;
inline constexpr int IDC_PLAYER1_SCORE = 137;
inline constexpr int IDC_PLAYER2_SCORE = 138;
inline constexpr int IDC_PLAYER1_LIST = 1510;
inline constexpr int IDC_PLAYER2_LIST = 1511;

// The about box (IDD_ABOUT)
inline constexpr int IDC_HELP_LINK = 1530;
inline constexpr int IDC_ABOUT_PICTURE = 1531;
inline constexpr int IDC_ABOUT_NOTICE = 1532;

// The challenge (IDD_ANSWER)
inline constexpr int IDC_ANSWER_BOX = 1002;
inline constexpr int IDC_QUESTION = 1003;

// The settings (IDD_SETTINGS)
inline constexpr int IDC_FIRST_NAME = 1007;
inline constexpr int IDC_SECOND_NAME = 1011;
inline constexpr int IDC_NOVICE = 1012;
inline constexpr int IDC_INTERMEDIATE = 1013;
inline constexpr int IDC_PERSON = 1014;
inline constexpr int IDC_EXPERT = 1015;
inline constexpr int IDC_RANGE_0_TO_10 = 1026;
inline constexpr int IDC_RANGE_0_TO_25 = 1027;
inline constexpr int IDC_RANGE_MINUS_10_TO_10 = 1028;
inline constexpr int IDC_RANGE_MINUS_25_TO_25 = 1029;
inline constexpr int IDC_FIRST_NAME_LABEL = 1525;
inline constexpr int IDC_OPPONENT_LABEL = 1526;
inline constexpr int IDC_SECOND_NAME_LABEL = 1527;
inline constexpr int IDC_RANGE_LABEL = 1528;

// The high scores (IDD_HIGH_SCORES): ten lines, then the four range buttons in order
inline constexpr int IDC_FIRST_SCORE_LINE = 1016;
inline constexpr int IDC_FIRST_SCORES_RANGE = 1523;

// The game menu (IDD_MENU)
inline constexpr int IDC_MENU_NEW_GAME = 1001;
inline constexpr int IDC_MENU_QUIT = 1002;
inline constexpr int IDC_MENU_ABOUT = 1003;
inline constexpr int IDC_MENU_HIGH_SCORES = 1518;
inline constexpr int IDC_MENU_SOUND = 1524;

// Bitmaps. A `_SELECTED` twin is the same button outlined: its hover, pressed or checked look.
inline constexpr unsigned IDB_BOARD_BACKGROUND = 218;
inline constexpr unsigned IDB_MENU_BACKGROUND = 244;
inline constexpr unsigned IDB_DIALOG_BACKGROUND = 262;
inline constexpr unsigned IDB_FREE_CELL = 152;
inline constexpr unsigned IDB_FREE_CELL_PRESSED = 155;
inline constexpr unsigned IDB_PLAYER1_CELL = 178;
inline constexpr unsigned IDB_PLAYER2_CELL = 179;
inline constexpr unsigned IDB_PLAYER1_CELL_MARKED = 300;
inline constexpr unsigned IDB_PLAYER2_CELL_MARKED = 289;
inline constexpr unsigned IDB_PLAYER1_PLATE = 221;
inline constexpr unsigned IDB_PLAYER2_PLATE = 222;
inline constexpr unsigned IDB_OPTIONS = 219;
inline constexpr unsigned IDB_OPTIONS_SELECTED = 223;
inline constexpr unsigned IDB_EMBLEM = 278;
inline constexpr unsigned IDB_OK = 230;
inline constexpr unsigned IDB_OK_SELECTED = 231;
inline constexpr unsigned IDB_HIGH_SCORES = 237;
inline constexpr unsigned IDB_HIGH_SCORES_SELECTED = 238;
inline constexpr unsigned IDB_NEW_GAME = 233;
inline constexpr unsigned IDB_NEW_GAME_SELECTED = 167;
inline constexpr unsigned IDB_ABOUT = 168;
inline constexpr unsigned IDB_ABOUT_SELECTED = 243;
inline constexpr unsigned IDB_QUIT = 163;
inline constexpr unsigned IDB_QUIT_SELECTED = 164;
inline constexpr unsigned IDB_SOUND_ON = 259;
inline constexpr unsigned IDB_SOUND_OFF = 261;
inline constexpr unsigned IDB_QUESTION = 292;
inline constexpr unsigned IDB_CHECK_ANSWER = 295;
inline constexpr unsigned IDB_CHECK_ANSWER_SELECTED = 296;
inline constexpr unsigned IDB_FORFEIT = 297;
inline constexpr unsigned IDB_FORFEIT_SELECTED = 298;
inline constexpr unsigned IDB_RANGE_0_TO_10 = 246;
inline constexpr unsigned IDB_RANGE_0_TO_10_SELECTED = 253;
inline constexpr unsigned IDB_RANGE_0_TO_25 = 248;
inline constexpr unsigned IDB_RANGE_0_TO_25_SELECTED = 254;
inline constexpr unsigned IDB_RANGE_MINUS_10_TO_10 = 249;
inline constexpr unsigned IDB_RANGE_MINUS_10_TO_10_SELECTED = 256;
inline constexpr unsigned IDB_RANGE_MINUS_25_TO_25 = 250;
inline constexpr unsigned IDB_RANGE_MINUS_25_TO_25_SELECTED = 255;
inline constexpr unsigned IDB_DONE = 251;
inline constexpr unsigned IDB_DONE_SELECTED = 252;
inline constexpr unsigned IDB_NOVICE = 271;
inline constexpr unsigned IDB_NOVICE_SELECTED = 272;
inline constexpr unsigned IDB_INTERMEDIATE = 265;
inline constexpr unsigned IDB_INTERMEDIATE_SELECTED = 266;
inline constexpr unsigned IDB_EXPERT = 267;
inline constexpr unsigned IDB_EXPERT_SELECTED = 268;
inline constexpr unsigned IDB_PERSON = 269;
inline constexpr unsigned IDB_PERSON_SELECTED = 270;

// Wave sounds
inline constexpr unsigned IDW_CLICK = 303;
inline constexpr unsigned IDW_LINE_COMPLETED = 306;

// Cursors of the two players, the program's icon and its string
inline constexpr unsigned IDCUR_PLAYER1 = 134;
inline constexpr unsigned IDCUR_PLAYER2 = 135;
inline constexpr unsigned IDI_PROGRAM = 128;
inline constexpr unsigned IDS_ABOUT = 101;
