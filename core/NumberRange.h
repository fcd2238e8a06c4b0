// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <utility>

// The four number ranges a game can be dealt from; the value indexes the high-score table.
enum NumberRange : std::int32_t {
    Range0To10 = 0,
    Range0To25 = 1,
    RangeMinus10To10 = 2,
    RangeMinus25To25 = 3,
};

// Maps exact bounds to their range. A pair that is none of the four maps to Range0To10, so the
// result always indexes the high-score table safely.
NumberRange RangeIndex(std::int32_t rangeLow, std::int32_t rangeHigh);

// The (rangeLow, rangeHigh) bounds of a range; an unknown value gives those of Range0To10.
std::pair<std::int32_t, std::int32_t> RangeBounds(NumberRange range);
