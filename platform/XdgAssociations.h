// SPDX-License-Identifier: MIT
#pragma once
// Which application a desktop opens a kind of document with, read from the XDG MIME application
// associations (mimeapps.list) and desktop entries, and turned into the framework's registry
// shape. Desktop-specific lists (<desktop>-mimeapps.list) and mimeinfo.cache are not read.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct XdgDirectories {
    std::vector<std::filesystem::path> configDirs;  // $XDG_CONFIG_HOME, then $XDG_CONFIG_DIRS
    std::vector<std::filesystem::path> dataDirs;    // $XDG_DATA_HOME, then $XDG_DATA_DIRS

    // From the environment, with the XDG defaults (~/.config, /etc/xdg, ~/.local/share,
    // /usr/local/share:/usr/share) for unset or empty variables.
    static XdgDirectories FromEnvironment();
    // The mimeapps.list files in the order they are consulted.
    std::vector<std::filesystem::path> MimeAppsLists() const;
};

// The desktop id of the application for `mimeType`: the first installed entry listed under
// [Default Applications] in any list, else the first under [Added Associations].
std::optional<std::string> DefaultApplicationFor(const std::string& mimeType, const XdgDirectories& dirs);
// The file of desktop entry `desktopId` (applications/<id> in the data directories).
std::optional<std::filesystem::path> FindDesktopEntry(const std::string& desktopId, const XdgDirectories& dirs);
// The Exec key of the [Desktop Entry] group, with the value escapes (\s \n \t \r \\) undone.
std::optional<std::string> DesktopEntryExec(const std::filesystem::path& entryFile);
// An Exec line as an association command: %u %U %f %F become %1, %% becomes %, and the other
// field codes (%i %c %k and the deprecated ones) are dropped.
std::string ExecToAssociationCommand(const std::string& exec);

// HKEY_CLASSES_ROOT over the associations: ".htm" and ".html" give the desktop id of the
// application for text/html (no other extension is known); "<desktop id>\shell\open\command" gives the association command.
std::optional<std::string> ClassesRootValueFromXdg(const std::string& subKey, const XdgDirectories& dirs);
