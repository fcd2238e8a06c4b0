// SPDX-License-Identifier: MIT
#include "dialogs/AnswerPlacement.h"

#include <gtest/gtest.h>

namespace {

// A board window of 646 x 506 at (100, 50) and a dialog of 400 x 150 where the template put it.
const CRect kOwner(100, 50, 746, 556);
const CRect kDialog(103, 80, 503, 230);
constexpr int kCentredTop = 50 + (506 - 150) / 2;  // 228

TEST(AnswerPlacement, LineAboveTheCentreKeepsTheDialogCentred) {
    const CRect placed = PlaceClearOfLine(kDialog, kOwner, 90, 166);
    EXPECT_EQ(placed, CRect(109, kCentredTop, 509, kCentredTop + 150));
}

TEST(AnswerPlacement, LineInTheMiddleSendsTheDialogToTheTop) {
    const CRect placed = PlaceClearOfLine(kDialog, kOwner, 250, 326);
    EXPECT_EQ(placed, CRect(109, 56, 509, 206));
}

TEST(AnswerPlacement, LineReachingTheTopToo_SendsTheDialogToTheBottom) {
    const CRect placed = PlaceClearOfLine(kDialog, kOwner, 60, 400);
    EXPECT_EQ(placed, CRect(109, 556 - 150 - 6, 509, 550));
}

TEST(AnswerPlacement, BottomIsTakenEvenWhenItCoversTheLine) {
    const CRect placed = PlaceClearOfLine(kDialog, kOwner, 60, 540);
    EXPECT_EQ(placed.bottom, 550);
}

TEST(AnswerPlacement, LeftEdgeAlwaysMovesSixPixelsRight) {
    for (const int lineTop : {60, 100, 250, 450}) {
        const CRect placed = PlaceClearOfLine(kDialog, kOwner, lineTop, lineTop + 76);
        EXPECT_EQ(placed.left, kDialog.left + 6);
        EXPECT_EQ(placed.Width(), kDialog.Width());
        EXPECT_EQ(placed.Height(), kDialog.Height());
    }
}

TEST(AnswerPlacement, TouchingTheLineCountsAsOverlapping) {
    const CRect rect(0, 100, 10, 200);
    EXPECT_TRUE(OverlapsLineVertically(rect, 20, 100));
    EXPECT_TRUE(OverlapsLineVertically(rect, 200, 260));
    EXPECT_FALSE(OverlapsLineVertically(rect, 20, 99));
    EXPECT_FALSE(OverlapsLineVertically(rect, 201, 260));
    EXPECT_TRUE(OverlapsLineVertically(rect, 120, 150));
    EXPECT_TRUE(OverlapsLineVertically(rect, 20, 300));
}

TEST(AnswerPlacement, CentringTruncatesTowardZero) {
    // Owner 101 high, dialog 150: (101 - 150) / 2 is -24, not -25.
    const CRect placed = PlaceClearOfLine(CRect(0, 0, 10, 150), CRect(0, 0, 10, 101), 500, 600);
    EXPECT_EQ(placed.top, -24);
}

}  // namespace
