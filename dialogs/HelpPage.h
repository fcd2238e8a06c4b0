// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

// The how-to-play page: where an install put it (the data folder beside the program's bin
// folder), otherwise beside the program, as in the build tree or a portable copy.
std::filesystem::path HelpPagePath();
