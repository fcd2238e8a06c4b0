// SPDX-License-Identifier: MIT
#include "platform/CommandLine.h"

#include <string_view>

std::optional<std::vector<std::string>> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    for (std::size_t i = 0; i < commandLine.size(); ++i) {
        const char c = commandLine[i];
        if (c == ' ' || c == '\t') {
            if (inArgument) {
                arguments.push_back(std::move(current));
                current.clear();
                inArgument = false;
            }
            continue;
        }
        inArgument = true;
        if (c != '"') {
            current += c;
            continue;
        }
        bool closed = false;
        for (++i; i < commandLine.size(); ++i) {
            const char quoted = commandLine[i];
            if (quoted == '"') {
                closed = true;
                break;
            }
            const bool escaped = quoted == '\\' && i + 1 < commandLine.size() &&
                                 std::string_view("\"`$\\").find(commandLine[i + 1]) != std::string_view::npos;
            if (escaped) {
                ++i;
            }
            current += commandLine[i];
        }
        if (!closed) {
            return std::nullopt;
        }
    }
    if (inArgument) {
        arguments.push_back(std::move(current));
    }
    return arguments;
}
