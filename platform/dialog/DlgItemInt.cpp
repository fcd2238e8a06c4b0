// SPDX-License-Identifier: MIT
#include "platform/dialog/DlgItemInt.h"

#include <charconv>
#include <cstdint>

UINT ParseDlgItemInt(const std::string& text, bool isSigned, bool* translated) {
    *translated = false;
    std::size_t position = text.find_first_not_of(" \t");
    if (position == std::string::npos) {
        return 0;
    }
    const bool negative = isSigned && text[position] == '-';
    if (negative) {
        ++position;
    }
    const char* first = text.data() + position;
    const char* last = text.data() + text.size();
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(first, last, magnitude);
    if (end == first || error != std::errc()) {
        return 0;
    }
    const std::uint64_t limit = isSigned ? (negative ? 0x80000000u : 0x7FFFFFFFu) : 0xFFFFFFFFu;
    if (magnitude > limit) {
        return 0;
    }
    *translated = true;
    const auto value = static_cast<std::uint32_t>(magnitude);
    return negative ? static_cast<UINT>(0u - value) : static_cast<UINT>(value);
}
