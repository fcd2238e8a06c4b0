// SPDX-License-Identifier: MIT
#pragma once
// Dialog templates as data: the window's size, style, caption and font and its controls in
// template order (which is also the tab order). Coordinates are dialog units. The templates are
// registered by id once at start-up (the game registers its own), and CDialog builds its widgets
// from the registered template each time DoModal runs.

#include <string>
#include <vector>

#include "platform/WinTypes.h"

enum class ControlClass { Button, Edit, Static };

struct DialogItemTemplate {
    int id = -1;
    ControlClass kind = ControlClass::Static;
    std::string text;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    DWORD style = 0;  // WS_ and BS_/SS_/ES_ bits; WS_VISIBLE must be set for a visible control
    DWORD exStyle = 0;
    UINT imageId = 0;  // SS_BITMAP: the bitmap resource shown (the template's ordinal text)
};

struct DialogTemplate {
    UINT id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    std::string caption;
    int fontPointSize = 8;
    std::string fontFace;
    std::vector<DialogItemTemplate> items;
};

// Adds or replaces the template of `dialogTemplate.id`.
void RegisterDialogTemplate(const DialogTemplate& dialogTemplate);
// The registered template, or null.
const DialogTemplate* FindDialogTemplate(UINT id);
