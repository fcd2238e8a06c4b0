// SPDX-License-Identifier: MIT
#include "platform/XdgAssociations.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <string_view>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view openCommandSuffix = "\\shell\\open\\command";

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = std::min(text.find(separator, start), text.size());
        if (std::string part = Trimmed(text.substr(start, end - start)); !part.empty()) {
            parts.push_back(std::move(part));
        }
        start = end + 1;
    }
    return parts;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The XDG rules: an unset or empty variable takes its default, and relative paths are ignored.
std::vector<fs::path> Directories(const std::string& home, const char* homeVariable, const char* homeDefault,
                                  const char* listVariable, const char* listDefault) {
    std::vector<fs::path> directories;
    const std::string homeValue = Environment(homeVariable);
    const fs::path homeDirectory = homeValue.empty() ? fs::path(home) / homeDefault : fs::path(homeValue);
    if (homeDirectory.is_absolute()) {
        directories.push_back(homeDirectory);
    }
    const std::string listValue = Environment(listVariable);
    for (const std::string& entry : Split(listValue.empty() ? listDefault : listValue, ':')) {
        if (fs::path(entry).is_absolute()) {
            directories.emplace_back(entry);
        }
    }
    return directories;
}

// The values of `key` in `group` of an ini-style file, split at ';'.
std::vector<std::string> ListedValues(const fs::path& file, std::string_view group, std::string_view key) {
    std::ifstream stream(file);
    std::string line;
    bool inGroup = false;
    while (std::getline(stream, line)) {
        const std::string text = Trimmed(line);
        if (text.empty() || text.front() == '#') {
            continue;
        }
        if (text.front() == '[') {
            inGroup = text.size() == group.size() + 2 && text.back() == ']' &&
                      std::string_view(text).substr(1, group.size()) == group;
            continue;
        }
        const auto equals = text.find('=');
        if (inGroup && equals != std::string::npos && Trimmed(std::string_view(text).substr(0, equals)) == key) {
            return Split(std::string_view(text).substr(equals + 1), ';');
        }
    }
    return {};
}

// Undoes the escapes of a desktop entry's string values; the Exec line's own quoting stays.
std::string Unescaped(std::string_view value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[i + 1];
            const char* replacement = next == 's' ? " " : next == 'n' ? "\n" : next == 't' ? "\t"
                                    : next == 'r' ? "\r" : next == '\\' ? "\\" : nullptr;
            if (replacement != nullptr) {
                text += replacement;
                ++i;
                continue;
            }
        }
        text += value[i];
    }
    return text;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                      });
}

}  // namespace

XdgDirectories XdgDirectories::FromEnvironment() {
    const std::string home = Environment("HOME");
    XdgDirectories dirs;
    dirs.configDirs = Directories(home, "XDG_CONFIG_HOME", ".config", "XDG_CONFIG_DIRS", "/etc/xdg");
    dirs.dataDirs = Directories(home, "XDG_DATA_HOME", ".local/share", "XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    return dirs;
}

std::vector<fs::path> XdgDirectories::MimeAppsLists() const {
    std::vector<fs::path> lists;
    for (const fs::path& directory : configDirs) {
        lists.push_back(directory / "mimeapps.list");
    }
    for (const fs::path& directory : dataDirs) {
        lists.push_back(directory / "applications" / "mimeapps.list");
    }
    return lists;
}

std::optional<std::string> DefaultApplicationFor(const std::string& mimeType, const XdgDirectories& dirs) {
    for (const char* group : {"Default Applications", "Added Associations"}) {
        for (const fs::path& list : dirs.MimeAppsLists()) {
            for (const std::string& desktopId : ListedValues(list, group, mimeType)) {
                if (FindDesktopEntry(desktopId, dirs)) {
                    return desktopId;
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<fs::path> FindDesktopEntry(const std::string& desktopId, const XdgDirectories& dirs) {
    // An id names a file inside the applications folders, never a path elsewhere.
    if (desktopId.empty() || desktopId.find('/') != std::string::npos || desktopId.front() == '.') {
        return std::nullopt;
    }
    for (const fs::path& directory : dirs.dataDirs) {
        const fs::path entry = directory / "applications" / desktopId;
        std::error_code error;
        if (fs::is_regular_file(entry, error)) {
            return entry;
        }
    }
    return std::nullopt;
}

std::optional<std::string> DesktopEntryExec(const fs::path& entryFile) {
    std::ifstream stream(entryFile);
    std::string line;
    bool inEntry = false;
    while (std::getline(stream, line)) {
        const std::string text = Trimmed(line);
        if (!text.empty() && text.front() == '[') {
            inEntry = text == "[Desktop Entry]";
            continue;
        }
        const auto equals = text.find('=');
        if (inEntry && equals != std::string::npos && Trimmed(std::string_view(text).substr(0, equals)) == "Exec") {
            return Unescaped(Trimmed(std::string_view(text).substr(equals + 1)));
        }
    }
    return std::nullopt;
}

std::string ExecToAssociationCommand(const std::string& exec) {
    std::string command;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        if (exec[i] != '%') {
            command += exec[i];
            continue;
        }
        if (++i == exec.size()) {
            break;
        }
        switch (exec[i]) {
        case 'u':
        case 'U':
        case 'f':
        case 'F':
            command += "%1";
            break;
        case '%':
            command += '%';
            break;
        default:
            break;  // %i, %c, %k and the deprecated codes have no counterpart
        }
    }
    return command;
}

std::optional<std::string> ClassesRootValueFromXdg(const std::string& subKey, const XdgDirectories& dirs) {
    // Registry key names ignore case.
    if (EndsWithIgnoringCase(subKey, ".htm") && subKey.size() == 4) {
        return DefaultApplicationFor("text/html", dirs);
    }
    if (EndsWithIgnoringCase(subKey, ".html") && subKey.size() == 5) {
        return DefaultApplicationFor("text/html", dirs);
    }
    if (EndsWithIgnoringCase(subKey, openCommandSuffix)) {
        const std::string desktopId = subKey.substr(0, subKey.size() - openCommandSuffix.size());
        if (const auto entry = FindDesktopEntry(desktopId, dirs)) {
            if (const auto exec = DesktopEntryExec(*entry)) {
                return ExecToAssociationCommand(*exec);
            }
        }
    }
    return std::nullopt;
}
