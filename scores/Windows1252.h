// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The high-score file keeps single-byte Windows-1252 text while the program works in UTF-8.

// A character outside the code page, and every byte that is not valid UTF-8, becomes "?".
std::string Utf8ToWindows1252(std::string_view utf8);

// The five byte values the code page leaves undefined become "?".
std::string Windows1252ToUtf8(std::string_view windows1252);

// The text without its control characters (0x00 to 0x1F and 0x7F), as every line of the table
// keeps it: a zero would end the line early, a line break would split it on screen.
std::string WithoutControlCharacters(std::string_view windows1252);
