// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

// The how-to-play page: where an install put it (the desktop's help folder in the install's shared
// data), otherwise beside the program, as in the build tree or a portable copy.
std::filesystem::path HelpPagePath();
