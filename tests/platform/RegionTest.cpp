// SPDX-License-Identifier: MIT
// Rectangle regions combined in every mode, compared by the pixels they cover.

#include <gtest/gtest.h>

#include "platform/CRgn.h"
#include "platform/GdiObjects.h"

namespace {

struct Regions : testing::Test {
    Regions() {
        left.CreateRectRgn(0, 0, 10, 10);
        right.CreateRectRgn(5, 5, 15, 15);
        result.CreateRectRgn(0, 0, 0, 0);
    }
    CRgn left;
    CRgn right;
    CRgn result;
};

}  // namespace

TEST_F(Regions, UnionCoversBothRectangles) {
    EXPECT_EQ(result.CombineRgn(&left, &right, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(result.PtInRegion(0, 0));
    EXPECT_TRUE(result.PtInRegion(14, 14));
    EXPECT_FALSE(result.PtInRegion(14, 0));
    EXPECT_FALSE(result.PtInRegion(15, 15));
}

TEST_F(Regions, IntersectionDifferenceAndExclusiveOr) {
    EXPECT_EQ(result.CombineRgn(&left, &right, RGN_AND), SIMPLEREGION);
    CRect box;
    EXPECT_EQ(result.GetRgnBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(5, 5, 10, 10));

    EXPECT_EQ(result.CombineRgn(&left, &right, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(result.PtInRegion(0, 0));
    EXPECT_FALSE(result.PtInRegion(7, 7));

    EXPECT_EQ(result.CombineRgn(&left, &right, RGN_XOR), COMPLEXREGION);
    EXPECT_FALSE(result.PtInRegion(7, 7));
    EXPECT_TRUE(result.PtInRegion(12, 12));
}

TEST_F(Regions, DisjointIntersectionIsEmpty) {
    CRgn far;
    far.CreateRectRgn(50, 50, 60, 60);
    EXPECT_EQ(result.CombineRgn(&left, &far, RGN_AND), NULLREGION);
    CRect box(1, 2, 3, 4);
    EXPECT_EQ(result.GetRgnBox(&box), NULLREGION);
    EXPECT_EQ(box, CRect());
}

TEST_F(Regions, RowsUnitedOneByOneEqualTheirRectangle) {
    for (int row = 0; row < 10; ++row) {
        CRgn line;
        line.CreateRectRgn(0, row, 10, row + 1);
        EXPECT_NE(result.CombineRgn(&result, &line, RGN_OR), RGN_ERROR);
    }
    EXPECT_TRUE(result.EqualRgn(&left));
    EXPECT_FALSE(result.EqualRgn(&right));
}

TEST_F(Regions, CombiningIntoAnUncreatedRegionOrInAnUnknownModeFails) {
    CRgn uncreated;
    EXPECT_EQ(uncreated.CombineRgn(&left, &right, RGN_OR), RGN_ERROR);
    EXPECT_EQ(result.CombineRgn(&left, &right, 9), RGN_ERROR);
    EXPECT_EQ(result.CombineRgn(&left, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(result.EqualRgn(&left));
}

TEST(RectRegions, ReversedCornersGiveTheSameRectangleAndEqualCornersNothing) {
    CRgn reversed;
    reversed.CreateRectRgn(10, 10, 0, 0);
    CRgn normal;
    normal.CreateRectRgn(0, 0, 10, 10);
    EXPECT_TRUE(reversed.EqualRgn(&normal));
    CRgn empty;
    empty.CreateRectRgn(3, 3, 3, 9);
    CRect box;
    EXPECT_EQ(empty.GetRgnBox(&box), NULLREGION);
}
