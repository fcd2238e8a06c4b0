// SPDX-License-Identifier: MIT
#pragma once
// A window's system menu: the entries appended to it, offered in the window's context menu.

#include <string>
#include <vector>

#include "platform/WinTypes.h"

struct MenuEntry {
    UINT flags = MF_STRING;  // MF_STRING or MF_SEPARATOR
    UINT_PTR id = 0;
    std::string text;  // "&" marks the mnemonic ("&&" is a literal "&")
};

class CMenu {
public:
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);
    const std::vector<MenuEntry>& Entries() const { return entries_; }

private:
    std::vector<MenuEntry> entries_;
};
