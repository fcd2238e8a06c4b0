// SPDX-License-Identifier: MIT
#include "core/NumberRange.h"

NumberRange RangeIndex(std::int32_t rangeLow, std::int32_t rangeHigh) {
    if (rangeLow == 0 && rangeHigh == 25) {
        return Range0To25;
    }
    if (rangeLow == -10 && rangeHigh == 10) {
        return RangeMinus10To10;
    }
    if (rangeLow == -25 && rangeHigh == 25) {
        return RangeMinus25To25;
    }
    return Range0To10;
}

std::pair<std::int32_t, std::int32_t> RangeBounds(NumberRange range) {
    switch (range) {
    case Range0To25:
        return {0, 25};
    case RangeMinus10To10:
        return {-10, 10};
    case RangeMinus25To25:
        return {-25, 25};
    case Range0To10:
        break;
    }
    return {0, 10};
}
