// SPDX-License-Identifier: MIT
#include "dialogs/AnswerPlacement.h"

#include <gtest/gtest.h>

namespace {

// A board window of 646 x 506 at (100, 50) and a dialog of 400 x 150 where the template put it.
const QRect kOwner(100, 50, 646, 506);
const QRect kDialog(103, 80, 400, 150);
constexpr int kCentredTop = 50 + (506 - 150) / 2;  // 228

TEST(AnswerPlacement, CentredThenNearTheTopThenNearTheBottom) {
    // A line above the centred place keeps the dialog centred.
    EXPECT_EQ(PlaceClearOfLine(kDialog, kOwner, 90, 166), QRect(109, kCentredTop, 400, 150));
    // A line in the middle sends it 6 pixels below the board's top.
    EXPECT_EQ(PlaceClearOfLine(kDialog, kOwner, 250, 326), QRect(109, 56, 400, 150));
    // A line reaching up there too sends it 6 pixels above the board's bottom...
    EXPECT_EQ(PlaceClearOfLine(kDialog, kOwner, 60, 400), QRect(109, 556 - 150 - 6, 400, 150));
    // ...even when it covers the line there.
    EXPECT_EQ(PlaceClearOfLine(kDialog, kOwner, 60, 540), QRect(109, 556 - 150 - 6, 400, 150));
    // On a board shown twice as large the margins are twice as wide.
    EXPECT_EQ(PlaceClearOfLine(kDialog, kOwner, 250, 326, 2), QRect(115, 62, 400, 150));
    EXPECT_EQ(PlaceClearOfLine(kDialog, kOwner, 60, 400, 2), QRect(115, 556 - 150 - 12, 400, 150));
}

TEST(AnswerPlacement, LeftEdgeAlwaysMovesSixPixelsRightAndTheSizeStays) {
    for (const int lineTop : {60, 100, 250, 450}) {
        const QRect placed = PlaceClearOfLine(kDialog, kOwner, lineTop, lineTop + 76);
        EXPECT_EQ(placed.left(), kDialog.left() + 6) << lineTop;
        EXPECT_EQ(placed.size(), kDialog.size()) << lineTop;
    }
}

TEST(AnswerPlacement, TouchingTheLineCountsAsOverlapping) {
    const QRect rect(0, 100, 10, 100);  // from 100 down to 200
    EXPECT_TRUE(OverlapsLineVertically(rect, 20, 100));
    EXPECT_TRUE(OverlapsLineVertically(rect, 200, 260));
    EXPECT_FALSE(OverlapsLineVertically(rect, 20, 99));
    EXPECT_FALSE(OverlapsLineVertically(rect, 201, 260));
    EXPECT_TRUE(OverlapsLineVertically(rect, 120, 150));
    EXPECT_TRUE(OverlapsLineVertically(rect, 20, 300));
}

TEST(AnswerPlacement, CentringTruncatesTowardZero) {
    // Owner 101 high, dialog 150: (101 - 150) / 2 is -24, not -25.
    EXPECT_EQ(PlaceClearOfLine(QRect(0, 0, 10, 150), QRect(0, 0, 10, 101), 500, 600).top(), -24);
}

}  // namespace
