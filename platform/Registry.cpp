// SPDX-License-Identifier: MIT
#include "platform/Registry.h"

#include <map>

#include "platform/ShellServices.h"

namespace {

// Open keys and the default value each had when it was opened.
struct OpenKeys {
    std::map<HKEY, std::string> values;
    HKEY next = 0x1000;
};

OpenKeys& Keys() {
    static OpenKeys keys;
    return keys;
}

}  // namespace

LONG RegOpenKeyEx(HKEY root, const std::string& subKey, DWORD, DWORD, HKEY* result) {
    if (result == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    *result = 0;
    if (root != HKEY_CLASSES_ROOT) {
        return ERROR_FILE_NOT_FOUND;
    }
    auto value = CurrentShellServices().ClassesRootValue(subKey);
    if (!value) {
        return ERROR_FILE_NOT_FOUND;
    }
    OpenKeys& keys = Keys();
    *result = keys.next++;
    keys.values.emplace(*result, std::move(*value));
    return ERROR_SUCCESS;
}

LONG RegQueryValueEx(HKEY key, const char* valueName, DWORD* type, std::string* value) {
    const auto found = Keys().values.find(key);
    if (found == Keys().values.end()) {
        return ERROR_INVALID_HANDLE;
    }
    if (valueName != nullptr && *valueName != '\0') {
        return ERROR_FILE_NOT_FOUND;
    }
    if (value == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    if (type != nullptr) {
        *type = REG_SZ;
    }
    *value = found->second;
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
    return Keys().values.erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
