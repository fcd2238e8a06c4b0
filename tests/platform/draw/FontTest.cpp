// SPDX-License-Identifier: MIT
// Fonts from LOGFONT fields: face resolution, the meaning of the height, weight and underline.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "platform/draw/CFont.h"
#include "platform/draw/HandleObjects.h"

namespace {

QFont FontOf(int height, int weight = FW_NORMAL, BYTE underline = 0, const std::string& face = "Arial") {
    CFont font;
    font.CreateFont(height, 0, 0, 0, weight, 0, underline, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH | FF_MODERN, face);
    return static_cast<HFONT>(font)->Font();
}

}  // namespace

TEST(Fonts, ArialResolvesToLiberationSans) {
    EXPECT_EQ(QFontInfo(FontOf(15)).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(FontOf(15, FW_NORMAL, 0, "")).family(), QStringLiteral("Liberation Sans"));
}

TEST(Fonts, APositiveHeightIsTheCellHeight) {
    for (const int height : {8, 13, 15, 30, 76}) {
        const int cell = QFontMetrics(FontOf(height)).height();
        EXPECT_LE(cell, height) << height;
        EXPECT_GE(cell, height - 1) << height;
    }
}

TEST(Fonts, ANegativeHeightIsTheCharacterHeightAndZeroTheDefault) {
    EXPECT_EQ(FontOf(-20).pixelSize(), 20);
    EXPECT_EQ(FontOf(0).pixelSize(), static_cast<int>(DEFAULT_FONT_PIXELS));
}

TEST(Fonts, WeightAndUnderlineAreKept) {
    EXPECT_EQ(FontOf(15, FW_MEDIUM).weight(), QFont::Medium);
    EXPECT_EQ(FontOf(15, 0).weight(), QFont::Normal);
    EXPECT_TRUE(FontOf(15, FW_NORMAL, 1).underline());
    EXPECT_FALSE(FontOf(15).underline());
}

TEST(Fonts, TheDescriptionComesBackUnchanged) {
    CFont font;
    ASSERT_TRUE(font.CreateFont(13, 0, 0, 0, FW_MEDIUM, 0, 1, 0, ANSI_CHARSET, 0, 0, 0, 0x31, "Arial"));
    LOGFONT description;
    ASSERT_EQ(GetObject(font.GetSafeHandle(), sizeof(LOGFONT), &description), static_cast<int>(sizeof(LOGFONT)));
    EXPECT_EQ(description.lfHeight, 13);
    EXPECT_EQ(description.lfWeight, FW_MEDIUM);
    EXPECT_EQ(description.lfUnderline, 1);
    EXPECT_EQ(description.lfPitchAndFamily, 0x31);
    EXPECT_EQ(description.lfFaceName, "Arial");

    description.lfUnderline = 0;
    CFont copy;
    ASSERT_TRUE(copy.CreateFontIndirect(&description));
    EXPECT_FALSE(static_cast<HFONT>(copy)->Font().underline());
}

TEST(Fonts, NothingAttachedOrAWrongSizeGivesNoDescription) {
    CFont empty;
    LOGFONT description;
    EXPECT_EQ(GetObject(empty.GetSafeHandle(), sizeof(LOGFONT), &description), 0);
    CFont font;
    font.CreateFont(10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    EXPECT_EQ(GetObject(font.GetSafeHandle(), 3, &description), 0);
}

TEST(StockObjects, CannotBeDeleted) {
    HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
    ASSERT_NE(hollow, nullptr);
    EXPECT_FALSE(DeleteObject(hollow));
    EXPECT_TRUE(static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))->hollow);
    EXPECT_EQ(GetStockObject(12345), nullptr);
}
