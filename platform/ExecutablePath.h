// SPDX-License-Identifier: MIT
#pragma once
// Where the running program lives, for the files kept beside it.

#include <filesystem>

// The directory of the executable (empty when it cannot be found).
std::filesystem::path ExecutableDirectory();
