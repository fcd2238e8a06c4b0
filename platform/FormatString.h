// SPDX-License-Identifier: MIT
#pragma once
// printf-style formatting into a growing string (the framework's CString::Format).

#include <string>

std::string FormatString(const char* format, ...) __attribute__((format(printf, 1, 2)));
