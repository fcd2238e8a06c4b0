// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <filesystem>

// The how-to-play page in the player's language (QLocale::system().uiLanguages(), which follows
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG), English when it is not shipped in that language.
std::filesystem::path HelpPagePath();

// The page for a program in `programFolder`: where an install put it (the desktop's help folders in
// the install's shared data, `help/<language>/quinsum/`, English in `help/C/quinsum/`), otherwise
// beside the program as `quinsum-help.<language>.html`, as in the build tree or a portable copy. The
// first of `uiLanguages` (most wanted first) with a page wins, matched by its language alone, so
// "pt-BR" finds the Portuguese page; English when none has one.
std::filesystem::path HelpPagePath(const std::filesystem::path& programFolder, const QStringList& uiLanguages);
