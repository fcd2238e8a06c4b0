// SPDX-License-Identifier: MIT
#pragma once
// Read-only queries of HKEY_CLASSES_ROOT, answered by the current ShellServices. Only a key's
// default (unnamed) value exists; values are growing strings, never cut to a buffer.

#include <string>

#include "platform/WinTypes.h"

inline constexpr DWORD REG_SZ = 1;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;

// ERROR_SUCCESS and a handle in `result` when `subKey` exists under HKEY_CLASSES_ROOT;
// ERROR_FILE_NOT_FOUND otherwise (and for any other root); ERROR_INVALID_PARAMETER without `result`.
LONG RegOpenKeyEx(HKEY root, const std::string& subKey, DWORD options, DWORD access, HKEY* result);
// The default value (`valueName` null or empty) of an open key; ERROR_FILE_NOT_FOUND for any
// other name, ERROR_INVALID_HANDLE for a key that is not open. `type` may be null.
LONG RegQueryValueEx(HKEY key, const char* valueName, DWORD* type, std::string* value);
LONG RegCloseKey(HKEY key);
