// SPDX-License-Identifier: MIT
#pragma once
// Splitting a command line into arguments as desktop entries quote them: arguments are separated
// by spaces; inside double quotes a backslash escapes ", `, $ and \.

#include <optional>
#include <string>
#include <vector>

// Nothing when a quotation is not closed.
std::optional<std::vector<std::string>> SplitCommandLine(const std::string& commandLine);
