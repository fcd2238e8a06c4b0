// SPDX-License-Identifier: MIT
#pragma once
// The game's six dialog templates as data: 100 about, 102 board window, 129 challenge,
// 131 settings, 132 high scores, 200 game menu.

#include <vector>

#include "platform/dialog/TemplateTypes.h"

inline constexpr UINT IDD_ABOUT = 100;
inline constexpr UINT IDD_BOARD = 102;
inline constexpr UINT IDD_ANSWER = 129;
inline constexpr UINT IDD_SETTINGS = 131;
inline constexpr UINT IDD_HIGH_SCORES = 132;
inline constexpr UINT IDD_MENU = 200;

// The link of the about dialog: the how-to-play page shipped beside the program.
inline constexpr const char* kHelpPageName = "quinsum-help.html";

std::vector<DialogTemplate> GameDialogTemplates();
// Registers the six templates with the window layer; call once before the first dialog is built
// (repeating it is harmless).
void RegisterGameDialogTemplates();
