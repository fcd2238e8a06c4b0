#include "core/NumberRange.h"

NumberRange RangeIndex(std::int32_t rangeLow, std::int32_t rangeHigh)
{
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
