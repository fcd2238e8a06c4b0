#pragma once

#include <array>
#include <cstdint>

// A three-in-a-row through a cell: the offsets of its two partners from that cell (dx right, dy down).
struct LinePattern {
    std::int32_t dxA;
    std::int32_t dyA;
    std::int32_t dxB;
    std::int32_t dyB;
};

// Every triple that contains a cell is exactly one of these, so scoring and rating each meet a
// triple once. The order is the order in which a move's lines are challenged: first the eight
// compass directions clockwise from straight up with the cell at an end, then the four with the
// cell in the middle.
inline constexpr std::array<LinePattern, 12> kLinePatterns{{
    {0, -1, 0, -2},
    {1, -1, 2, -2},
    {1, 0, 2, 0},
    {1, 1, 2, 2},
    {0, 1, 0, 2},
    {-1, 1, -2, 2},
    {-1, 0, -2, 0},
    {-1, -1, -2, -2},
    {0, -1, 0, 1},
    {1, -1, -1, 1},
    {1, 0, -1, 0},
    {1, 1, -1, -1},
}};
