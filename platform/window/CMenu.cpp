// SPDX-License-Identifier: MIT
#include "platform/window/CMenu.h"

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text) {
    if ((flags & MF_SEPARATOR) == 0 && text == nullptr) {
        return FALSE;
    }
    entries_.push_back(MenuEntry{flags, id, text != nullptr ? text : ""});
    return TRUE;
}
