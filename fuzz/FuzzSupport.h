// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

// A broken invariant aborts, so libFuzzer keeps the input and the sanitizer prints where it broke.
inline void Require(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", invariant);
        std::abort();
    }
}

// A command line as the kernel hands it over: arguments ended by NUL, the last one possibly not.
inline std::vector<std::string_view> SplitArguments(std::string_view text) {
    std::vector<std::string_view> arguments;
    while (!text.empty()) {
        const std::size_t end = text.find('\0');
        arguments.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return arguments;
}
