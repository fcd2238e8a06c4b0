// SPDX-License-Identifier: MIT
#include "platform/window/VirtualKeys.h"

#include <Qt>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<int, UINT>, 16> kNamedKeys{{
    {Qt::Key_Backspace, 0x08},
    {Qt::Key_Tab, 0x09},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Delete, 0x2E},
    {Qt::Key_Minus, 0xBD},
    {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},
}};

}  // namespace

UINT VirtualKeyFromQtKey(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return static_cast<UINT>(qtKey);  // the codes are the ASCII digits and capitals in both
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return VK_F1 + static_cast<UINT>(qtKey - Qt::Key_F1);
    }
    for (const auto& [key, code] : kNamedKeys) {
        if (key == qtKey) {
            return code;
        }
    }
    return 0;
}

int QtKeyFromVirtualKey(UINT virtualKey) {
    if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z')) {
        return static_cast<int>(virtualKey);
    }
    if (virtualKey >= VK_F1 && virtualKey < VK_F1 + 12) {
        return Qt::Key_F1 + static_cast<int>(virtualKey - VK_F1);
    }
    for (const auto& [key, code] : kNamedKeys) {
        if (code == virtualKey) {
            return key;
        }
    }
    return Qt::Key_unknown;
}
