// SPDX-License-Identifier: MIT
#include "resources/GameDialogTemplates.h"

#include <QtGlobal>
#include <string>

namespace {

constexpr TemplateStyle kChild = WS_CHILD | WS_VISIBLE;
constexpr TemplateStyle kPushButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr TemplateStyle kDefaultButton = kChild | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr TemplateStyle kRadioPushLike = kChild | BS_AUTORADIOBUTTON | BS_PUSHLIKE;
constexpr TemplateStyle kNameBox = kChild | WS_BORDER | WS_GROUP | WS_TABSTOP | ES_LEFT;
constexpr TemplateStyle kText = kChild | SS_LEFT;

DialogItemTemplate Button(int id, const std::string& text, int x, int y, int cx, int cy, TemplateStyle style) {
    return {id, ControlClass::Button, text, x, y, cx, cy, style, 0, 0};
}

DialogItemTemplate Static(int id, const std::string& text, int x, int y, int cx, int cy, TemplateStyle style) {
    return {id, ControlClass::Static, text, x, y, cx, cy, style, 0, 0};
}

DialogItemTemplate Picture(int id, unsigned bitmapId, int x, int y, int cx, int cy) {
    return {id, ControlClass::Static, "", x, y, cx, cy, kChild | SS_BITMAP, 0, bitmapId};
}

DialogItemTemplate Edit(int id, int x, int y, int cx, int cy, TemplateStyle style, TemplateStyle exStyle) {
    return {id, ControlClass::Edit, "", x, y, cx, cy, style, exStyle, 0};
}

DialogTemplate About() {
    DialogTemplate t;
    t.id = IDD_ABOUT;
    t.translationContext = "CAboutDlg";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.cx = 259;
    t.cy = 81;
    t.caption = QT_TRANSLATE_NOOP("CAboutDlg", "About quinsum");
    t.fontPointSize = 8;
    t.fontFace = "MS Sans Serif";
    t.items = {
        Button(IDOK, QT_TRANSLATE_NOOP("CAboutDlg", "OK"), 202, 60, 50, 14, kDefaultButton | WS_GROUP),
        Static(IDC_HELP_LINK, kHelpPageName, 49, 19, 174, 8, kText | WS_GROUP),
        Picture(IDC_ABOUT_PICTURE, IDB_EMBLEM, 7, 7, 20, 20),
        Static(
            IDC_ABOUT_NOTICE,
            QT_TRANSLATE_NOOP("CAboutDlg", "Quinsum 2.0 - claim three in a row and add them up to score. Good luck!"),
            49, 33, 174, 20, kText),
    };
    return t;
}

DialogTemplate Board() {
    DialogTemplate t;
    t.id = IDD_BOARD;
    t.translationContext = "CGameDlg";
    t.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | DS_MODALFRAME |
              DS_SETFONT;
    t.cx = 319;
    t.cy = 240;
    t.fontPointSize = 10;
    t.fontFace = "MS Sans Serif";
    t.items.push_back(Button(IDC_MENU_BUTTON, "", 51, 209, 96, 27, kPushButton));
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 5; ++col) {
            t.items.push_back(Button(IDC_FIRST_CELL + row * 5 + col, "", 4 + 38 * col, 4 + 38 * row, 38, 38,
                                     kPushButton | BS_BITMAP));
        }
    }
    t.items.push_back(Static(IDC_PLAYER2_LIST, "", 264, 25, 52, 173, WS_CHILD | SS_ETCHEDFRAME));
    t.items.push_back(Static(IDC_PLAYER1_LIST, "", 211, 25, 52, 173, WS_CHILD | SS_ETCHEDFRAME));
    t.items.push_back(Button(IDC_PLAYER1_NAME, "", 206, 4, 55, 18, kChild | BS_PUSHBUTTON));
    t.items.push_back(Button(IDC_PLAYER2_NAME, "", 261, 4, 55, 18, kChild | BS_PUSHBUTTON));
    t.items.push_back(Button(IDC_PLAYER1_SCORE, "", 206, 198, 55, 18, kChild | BS_PUSHBUTTON));
    t.items.push_back(Button(IDC_PLAYER2_SCORE, "", 261, 198, 55, 18, kChild | BS_PUSHBUTTON));
    t.items.push_back(Picture(-1, IDB_EMBLEM, 8, 209, 27, 27));
    return t;
}

DialogTemplate Answer() {
    DialogTemplate t;
    t.id = IDD_ANSWER;
    t.translationContext = "CAnswerDlg";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.cx = 144;
    t.cy = 44;
    t.fontPointSize = 14;
    t.fontFace = "MS Sans Serif";
    t.items = {
        Edit(IDC_ANSWER_BOX, 114, 3, 28, 12, kChild | WS_BORDER | WS_TABSTOP | ES_LEFT, WS_EX_CLIENTEDGE),
        Button(IDC_QUESTION, "", 0, 1, 112, 18, kPushButton),
        Button(IDOK, QT_TRANSLATE_NOOP("CAnswerDlg", "Check Answer"), 73, 23, 72, 21, kDefaultButton),
        Button(IDCANCEL, QT_TRANSLATE_NOOP("CAnswerDlg", "Forfeit Game"), 0, 23, 72, 21, kPushButton),
    };
    return t;
}

DialogTemplate Settings() {
    DialogTemplate t;
    t.id = IDD_SETTINGS;
    t.translationContext = "CSettingsDlg";
    t.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
    t.cx = 284;
    t.cy = 199;
    t.caption = QT_TRANSLATE_NOOP("CSettingsDlg", "Settings for this Game...");
    t.fontPointSize = 8;
    t.fontFace = "MS Sans Serif";
    t.items = {
        Edit(IDC_FIRST_NAME, 99, 13, 36, 14, kNameBox, 0),
        Button(IDC_NOVICE, QT_TRANSLATE_NOOP("CSettingsDlg", "Novice Computer"), 13, 45, 75, 24,
               kRadioPushLike | WS_GROUP | WS_TABSTOP),
        Button(IDC_INTERMEDIATE, QT_TRANSLATE_NOOP("CSettingsDlg", "Intermediate Computer"), 96, 45, 75, 24,
               kRadioPushLike),
        Button(IDC_EXPERT, QT_TRANSLATE_NOOP("CSettingsDlg", "Expert Computer"), 179, 45, 75, 24, kRadioPushLike),
        Button(IDC_PERSON, QT_TRANSLATE_NOOP("CSettingsDlg", "Person"), 13, 79, 75, 24, kRadioPushLike),
        Edit(IDC_SECOND_NAME, 221, 84, 36, 14, kNameBox, 0),
        //: A range of numbers: from 0 to 10.
        Button(IDC_RANGE_0_TO_10, QT_TRANSLATE_NOOP("CSettingsDlg", "0 to 10"), 7, 131, 64, 20,
               kRadioPushLike | WS_GROUP | WS_TABSTOP),
        Button(IDC_RANGE_0_TO_25, QT_TRANSLATE_NOOP("CSettingsDlg", "0 to 25"), 76, 131, 64, 20, kRadioPushLike),
        Button(IDC_RANGE_MINUS_10_TO_10, QT_TRANSLATE_NOOP("CSettingsDlg", "-10 to 10"), 145, 131, 64, 20,
               kRadioPushLike),
        Button(IDC_RANGE_MINUS_25_TO_25, QT_TRANSLATE_NOOP("CSettingsDlg", "-25 to 25"), 213, 131, 64, 20,
               kRadioPushLike),
        Button(IDOK, QT_TRANSLATE_NOOP("CSettingsDlg", "Done"), 106, 172, 64, 20, kDefaultButton | WS_GROUP),
        Static(IDC_RANGE_LABEL,
               QT_TRANSLATE_NOOP("CSettingsDlg", "Specify the range of numbers to use in calculations"), 9, 118, 161, 8,
               kText),
        Static(IDC_FIRST_NAME_LABEL, QT_TRANSLATE_NOOP("CSettingsDlg", "Enter name for first player"), 7, 15, 80, 8,
               kText),
        Static(
            IDC_OPPONENT_LABEL,
            QT_TRANSLATE_NOOP("CSettingsDlg", "Specify whether second player is another person or a computer opponent"),
            7, 35, 231, 8, kText),
        Static(IDC_SECOND_NAME_LABEL, QT_TRANSLATE_NOOP("CSettingsDlg", "Enter name if second player is a person"), 92,
               86, 124, 8, kText),
    };
    return t;
}

DialogTemplate HighScores() {
    DialogTemplate t;
    t.id = IDD_HIGH_SCORES;
    t.translationContext = "CHighScoresDlg";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.cx = 271;
    t.cy = 239;
    t.caption = QT_TRANSLATE_NOOP("CHighScoresDlg", "High Scores");
    t.fontPointSize = 8;
    t.fontFace = "MS Sans Serif";
    t.items.push_back(
        Button(IDOK, QT_TRANSLATE_NOOP("CHighScoresDlg", "Done"), 104, 206, 64, 20, kDefaultButton | WS_GROUP));
    for (int k = 0; k < 10; ++k) {
        t.items.push_back(Static(IDC_FIRST_SCORE_LINE + k, "Static", 7, 7 + 17 * k, 253, 11, kText | WS_GROUP));
    }
    // A tab stop on the group, which the keyboard could not reach otherwise.
    //: A range of numbers: from 0 to 10.
    t.items.push_back(Button(IDC_FIRST_SCORES_RANGE, QT_TRANSLATE_NOOP("CHighScoresDlg", "0 to 10"), 7, 182, 64, 20,
                             kRadioPushLike | WS_GROUP | WS_TABSTOP));
    t.items.push_back(Button(IDC_FIRST_SCORES_RANGE + 1, QT_TRANSLATE_NOOP("CHighScoresDlg", "0 to 25"), 72, 182, 64,
                             20, kRadioPushLike));
    t.items.push_back(Button(IDC_FIRST_SCORES_RANGE + 2, QT_TRANSLATE_NOOP("CHighScoresDlg", "-10 to 10"), 136, 182, 64,
                             20, kRadioPushLike));
    t.items.push_back(Button(IDC_FIRST_SCORES_RANGE + 3, QT_TRANSLATE_NOOP("CHighScoresDlg", "-25 to 25"), 200, 182, 64,
                             20, kRadioPushLike));
    return t;
}

DialogTemplate Menu() {
    DialogTemplate t;
    t.id = IDD_MENU;
    t.translationContext = "CMenuDlg";
    t.style = WS_POPUP | WS_BORDER | DS_SETFONT;
    t.cx = 110;
    t.cy = 204;
    t.fontPointSize = 10;
    t.fontFace = "MS Sans Serif";
    t.items = {
        Button(IDCANCEL, QT_TRANSLATE_NOOP("CMenuDlg", "Cancel"), 7, 169, 96, 28, kPushButton),
        Button(IDC_MENU_HIGH_SCORES, QT_TRANSLATE_NOOP("CMenuDlg", "High Scores"), 7, 7, 96, 27, kPushButton),
        Button(IDC_MENU_NEW_GAME, QT_TRANSLATE_NOOP("CMenuDlg", "Start New Game"), 7, 34, 96, 27, kPushButton),
        Button(IDC_MENU_QUIT, QT_TRANSLATE_NOOP("CMenuDlg", "Quit Game"), 7, 61, 96, 27, kPushButton),
        Button(IDC_MENU_ABOUT, QT_TRANSLATE_NOOP("CMenuDlg", "About Quinsum"), 7, 88, 96, 27, kPushButton),
        Button(IDC_MENU_SOUND, "Check1", 7, 115, 96, 33, kChild | WS_TABSTOP | BS_AUTOCHECKBOX | BS_PUSHLIKE),
    };
    return t;
}

}  // namespace

std::vector<DialogTemplate> GameDialogTemplates() {
    return {About(), Board(), Answer(), Settings(), HighScores(), Menu()};
}

void RegisterGameDialogTemplates() {
    for (const DialogTemplate& dialogTemplate : GameDialogTemplates()) {
        RegisterDialogTemplate(dialogTemplate);
    }
}
