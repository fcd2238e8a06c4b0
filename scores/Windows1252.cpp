// SPDX-License-Identifier: MIT
#include "scores/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace {

constexpr char32_t kUndefined = 0;

// Code points of the bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControlBlock = {
    0x20AC, kUndefined, 0x201A,     0x0192, 0x201E,     0x2026,     0x2020, 0x2021,     0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152,     kUndefined, 0x017D, kUndefined, kUndefined, 0x2018, 0x2019,     0x201C, 0x201D, 0x2022,
    0x2013, 0x2014,     0x02DC,     0x2122, 0x0161,     0x203A,     0x0153, kUndefined, 0x017E, 0x0178,
};

char EncodeCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(codePoint));
    }
    for (std::size_t i = 0; i < kHighControlBlock.size(); ++i) {
        if (kHighControlBlock[i] != kUndefined && kHighControlBlock[i] == codePoint) {
            return static_cast<char>(static_cast<unsigned char>(0x80 + i));
        }
    }
    return '?';
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    const auto put = [&out](std::uint32_t byte) { out.push_back(static_cast<char>(static_cast<unsigned char>(byte))); };
    const auto value = static_cast<std::uint32_t>(codePoint);
    if (value < 0x80) {
        put(value);
    } else if (value < 0x800) {
        put(0xC0 | (value >> 6));
        put(0x80 | (value & 0x3F));
    } else {
        put(0xE0 | (value >> 12));
        put(0x80 | ((value >> 6) & 0x3F));
        put(0x80 | (value & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at the start of `text`, or 0 if it is not one
// (stray continuation bytes, overlong forms, surrogates, values above U+10FFFF, truncation).
std::size_t DecodeUtf8Sequence(std::string_view text, char32_t& codePoint) {
    const auto byteAt = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byteAt(0);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    struct LeadForm {
        unsigned char first, last;
        std::size_t length;
        std::uint32_t payloadMask, minimum;
    };
    static constexpr std::array<LeadForm, 3> kLeadForms = {{
        {0xC2, 0xDF, 2, 0x1F, 0x80},
        {0xE0, 0xEF, 3, 0x0F, 0x800},
        {0xF0, 0xF4, 4, 0x07, 0x10000},
    }};
    const LeadForm* form = nullptr;
    for (const LeadForm& candidate : kLeadForms) {
        if (lead >= candidate.first && lead <= candidate.last) {
            form = &candidate;
        }
    }
    if (form == nullptr) {
        return 0;
    }
    const std::size_t length = form->length;
    std::uint32_t value = lead & form->payloadMask;
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byteAt(i);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        value = (value << 6) | (next & 0x3Fu);
    }
    if (value < form->minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    codePoint = static_cast<char32_t>(value);
    return length;
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        char32_t codePoint = 0;
        const std::size_t length = DecodeUtf8Sequence(utf8, codePoint);
        if (length == 0) {
            out.push_back('?');
            utf8.remove_prefix(1);
        } else {
            out.push_back(EncodeCodePoint(codePoint));
            utf8.remove_prefix(length);
        }
    }
    return out;
}

std::string Windows1252ToUtf8(std::string_view windows1252) {
    std::string out;
    out.reserve(windows1252.size() * 2);
    for (const char c : windows1252) {
        const auto byte = static_cast<unsigned char>(c);
        char32_t codePoint = byte;
        if (byte >= 0x80 && byte < 0xA0) {
            codePoint = kHighControlBlock[byte - 0x80u];
            if (codePoint == kUndefined) {
                codePoint = U'?';
            }
        }
        AppendUtf8(out, codePoint);
    }
    return out;
}

std::string WithoutControlCharacters(std::string_view windows1252) {
    std::string text(windows1252);
    std::erase_if(text, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
    return text;
}
