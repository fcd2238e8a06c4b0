// SPDX-License-Identifier: MIT
#pragma once
// printf-style formatting into a growing string (the framework's CString::Format).

#include <cstdarg>
#include <cstdio>
#include <string>

inline std::string FormatString(const char* format, ...) __attribute__((format(printf, 1, 2)));

inline std::string FormatString(const char* format, ...) {
    if (format == nullptr) {
        return {};
    }
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length));
        std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    }
    va_end(arguments);
    return text;
}
