// SPDX-License-Identifier: MIT
// Fonts asked for by height, and text placed in a rectangle, read back from the pixels.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "controls/TextDrawing.h"

namespace {

const QColor kWhite(255, 255, 255);

// A white canvas for text in a 20-pixel Arial.
class TextCanvas : public testing::Test {
protected:
    TextCanvas() : pixels(120, 40, QImage::Format_RGB32) { pixels.fill(kWhite); }

    void Draw(const QString& text, const QRect& rect, TextFlags flags, std::optional<QColor> background = {}) {
        QPainter painter(&pixels);
        DrawTextInRect(painter, text, rect, flags, FontByHeight(QStringLiteral("Arial"), 20, 400), Qt::black,
                       background);
    }

    // First and last column holding a pixel that is not white (-1 when none).
    std::pair<int, int> InkColumns() const {
        int first = -1;
        int last = -1;
        for (int x = 0; x < pixels.width(); ++x) {
            for (int y = 0; y < pixels.height(); ++y) {
                if (pixels.pixelColor(x, y) != kWhite) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }

    QImage pixels;
};

}  // namespace

// A positive height is the cell height, a negative one the em, 0 the default; Arial is Liberation
// Sans here.
TEST(Fonts, HeightsAreAskedForAsTheDesignedPlatformDoes) {
    const QFont& cell = FontByHeight(QStringLiteral("Arial"), 30, 500);
    EXPECT_LE(QFontMetrics(cell).height(), 30);
    EXPECT_GT(QFontMetrics(FontByHeight(QStringLiteral("Arial"), 30 + 4, 500)).height(), 30);
    EXPECT_EQ(FontByHeight(QStringLiteral("Arial"), -15, 400).pixelSize(), 15);
    EXPECT_EQ(FontByHeight(QStringLiteral("Arial"), 0, 400).pixelSize(), 13);
    EXPECT_EQ(cell.weight(), QFont::Medium);
    EXPECT_EQ(QFontInfo(cell).family(), QStringLiteral("Liberation Sans"));
}

TEST_F(TextCanvas, RightAlignedTextEndsAtTheRightEdgeAndCentredTextHasEqualMargins) {
    Draw(QStringLiteral("88"), QRect(0, 0, 100, 40), TextFlag::Right);
    auto [first, last] = InkColumns();
    EXPECT_GE(last, 96);
    EXPECT_LE(last, 99);
    EXPECT_GT(first, 60);

    pixels.fill(kWhite);
    Draw(QStringLiteral("888"), QRect(10, 0, 100, 40),
         TextFlag::Centre | TextFlag::VerticalCentre | TextFlag::SingleLine);
    std::tie(first, last) = InkColumns();
    ASSERT_GE(first, 0);
    EXPECT_NEAR(first - 10, 109 - last, 2);
}

// With a background only the text's own extent is filled; the text is clipped to its rectangle
// and "&" marks a mnemonic.
TEST_F(TextCanvas, BackgroundClippingAndMnemonics) {
    Draw(QStringLiteral(" "), QRect(0, 0, 100, 40), TextFlag::Left, QColor(Qt::red));
    EXPECT_EQ(pixels.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(pixels.pixelColor(50, 1), kWhite);

    pixels.fill(kWhite);
    Draw(QStringLiteral("8888888888"), QRect(0, 0, 30, 40), TextFlag::Left);
    EXPECT_LE(InkColumns().second, 29);

    QImage withPrefix = pixels;
    pixels.fill(kWhite);
    Draw(QStringLiteral("&Ab"), QRect(0, 0, 100, 40), TextFlag::Left);
    withPrefix = pixels;
    pixels.fill(kWhite);
    Draw(QStringLiteral("Ab"), QRect(0, 0, 100, 40), TextFlag::Left);
    EXPECT_EQ(withPrefix, pixels);
}

TEST_F(TextCanvas, WordBreakWrapsBetweenWordsButNotInsideOne) {
    Draw(QStringLiteral("88 88"), QRect(0, 0, 40, 40), TextFlag::WordBreak);
    const int lineHeight = QFontMetrics(FontByHeight(QStringLiteral("Arial"), 20, 400)).height();
    bool inkOnSecondLine = false;
    for (int x = 0; x < 40; ++x) {
        inkOnSecondLine = inkOnSecondLine || pixels.pixelColor(x, lineHeight + lineHeight / 2) != kWhite;
    }
    EXPECT_TRUE(inkOnSecondLine);
}

// A caption too wide for its box wraps at words when two lines fit, else it is elided; a word
// longer than the box is elided too. Fitted, not cut: its ink keeps clear of the box's sides.
TEST(Captions, TooLongACaptionWrapsOrIsElidedInsideItsBox) {
    const CaptionStyle style{18, Qt::black, QColor(255, 255, 255, 120)};
    struct Case {
        QString text;
        QRect box;
        bool twoLines;
    };
    for (const Case& sample : {Case{QStringLiteral("Start New Game"), QRect(20, 5, 100, 48), true},
                               Case{QStringLiteral("Start New Game"), QRect(20, 5, 100, 24), false},
                               Case{QStringLiteral("Spielerkonfigurationsdialog"), QRect(20, 5, 100, 48), false}}) {
        QImage pixels(160, 70, QImage::Format_RGB32);
        pixels.fill(kWhite);
        QPainter painter(&pixels);
        DrawCaption(painter, sample.text, sample.box, style);
        painter.end();
        int inkAbove = 0;
        int inkBelow = 0;
        int inkOutside = 0;
        int inkOnSides = 0;
        const int middle = sample.box.center().y();
        for (int y = 0; y < pixels.height(); ++y) {
            for (int x = 0; x < pixels.width(); ++x) {
                if (pixels.pixelColor(x, y) == kWhite) {
                    continue;
                }
                inkOutside += sample.box.contains(x, y) ? 0 : 1;
                inkOnSides += x == sample.box.left() || x == sample.box.right() ? 1 : 0;
                (y < middle ? inkAbove : inkBelow) += 1;
            }
        }
        EXPECT_EQ(inkOutside, 0) << sample.text.toStdString();
        EXPECT_EQ(inkOnSides, 0) << sample.text.toStdString();
        EXPECT_GT(inkAbove, 0) << sample.text.toStdString();
        // One line sits across the middle; two lines leave it clear between them.
        const int inkOnMiddleRow = [&] {
            int ink = 0;
            for (int x = 0; x < pixels.width(); ++x) {
                ink += pixels.pixelColor(x, middle) == kWhite ? 0 : 1;
            }
            return ink;
        }();
        EXPECT_EQ(inkOnMiddleRow == 0 && inkBelow > 0, sample.twoLines) << sample.text.toStdString();
    }
}
