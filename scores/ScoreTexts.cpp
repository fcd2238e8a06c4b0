// SPDX-License-Identifier: MIT
#include "scores/ScoreTexts.h"

std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const bool isPlace = pattern[at] == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' &&
                             pattern[at + 1] <= '9' && static_cast<std::size_t>(pattern[at + 1] - '1') < values.size();
        if (isPlace) {
            filled += values.begin()[pattern[at + 1] - '1'];
            ++at;
        } else {
            filled += pattern[at];
        }
    }
    return filled;
}
