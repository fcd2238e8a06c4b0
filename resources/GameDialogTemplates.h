// SPDX-License-Identifier: MIT
#pragma once
// The game's six dialog templates as data: about, board window, challenge, settings, high scores and
// game menu (their ids in ResourceIds.h).

#include <vector>

#include "platform/dialog/DialogTemplate.h"
#include "resources/ResourceIds.h"

// The link of the about dialog: the how-to-play page shipped beside the program.
inline constexpr const char* kHelpPageName = "quinsum-help.html";

std::vector<DialogTemplate> GameDialogTemplates();
// Registers the six templates with the window layer; call once before the first dialog is built
// (repeating it is harmless).
void RegisterGameDialogTemplates();
