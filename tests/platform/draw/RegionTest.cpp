// SPDX-License-Identifier: MIT
// Rectangle regions united row by row, as a skin's mask is turned into a window shape.

#include <gtest/gtest.h>

#include "platform/draw/CRgn.h"
#include "platform/draw/HandleObjects.h"

namespace {

QRegion PixelsOf(const CRgn& region) {
    return static_cast<HRGN>(region)->region;
}

}  // namespace

TEST(Regions, RowsUnitedOneByOneCoverTheirRectangle) {
    CRgn result;
    result.CreateRectRgn(0, 0, 0, 0);
    for (int row = 0; row < 10; ++row) {
        CRgn line;
        line.CreateRectRgn(0, row, 10, row + 1);
        EXPECT_EQ(result.CombineRgn(&result, &line, RGN_OR), SIMPLEREGION);
    }
    EXPECT_EQ(PixelsOf(result), QRegion(0, 0, 10, 10));

    CRgn apart;
    apart.CreateRectRgn(20, 0, 30, 5);
    EXPECT_EQ(result.CombineRgn(&result, &apart, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(PixelsOf(result).contains(QPoint(25, 2)));
    EXPECT_FALSE(PixelsOf(result).contains(QPoint(15, 2)));
}

TEST(Regions, ReversedCornersGiveTheSameRectangleAndEqualCornersNothing) {
    CRgn reversed;
    reversed.CreateRectRgn(10, 10, 0, 0);
    EXPECT_EQ(PixelsOf(reversed), QRegion(0, 0, 10, 10));
    CRgn empty;
    empty.CreateRectRgn(3, 3, 3, 9);
    EXPECT_TRUE(PixelsOf(empty).isEmpty());
}

TEST(Regions, CombiningIntoAnUncreatedRegionWithoutAnOperandOrInAnotherModeFails) {
    CRgn left;
    left.CreateRectRgn(0, 0, 10, 10);
    CRgn uncreated;
    EXPECT_EQ(uncreated.CombineRgn(&left, &left, RGN_OR), RGN_ERROR);
    CRgn result;
    result.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(result.CombineRgn(&left, nullptr, RGN_OR), RGN_ERROR);
    EXPECT_EQ(result.CombineRgn(&left, &left, 1), RGN_ERROR);
    EXPECT_TRUE(PixelsOf(result).isEmpty());
}
