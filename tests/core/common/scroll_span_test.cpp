// Scrolling a column of rows: the range, requests past the ends, bringing one row into view,
// and the wheel.
#include "core/common/scroll_span.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

// The details pane at 96 dpi in a window of the default height on a 1024 x 768 screen:
// a 23-pixel button with 4-pixel margins, then 20 rows of 17 pixels, in 244 pixels.
constexpr RowColumn kPane{31, 17, 20, 4};
constexpr ScrollSpan kLow{kPane.Height(), 244};

TEST(ScrollSpan, RangeAndClampingAtBothEnds) {
    EXPECT_EQ(kPane.Height(), 375);
    EXPECT_EQ(kLow.MaxPosition(), 131);
    EXPECT_TRUE(kLow.Scrolls());
    EXPECT_EQ(kLow.Clamp(-40), 0);
    EXPECT_EQ(kLow.Clamp(500), 131);
    EXPECT_EQ(kLow.Clamp(int64_t{1} << 40), 131);
    EXPECT_EQ(kLow.Clamp(60), 60);
    // Everything fits, or the view has no height yet: no range, every position is 0.
    constexpr ScrollSpan tall{375, 600};
    EXPECT_FALSE(tall.Scrolls());
    EXPECT_EQ(tall.Clamp(30), 0);
    EXPECT_EQ((ScrollSpan{375, 0}).MaxPosition(), 375);
    EXPECT_EQ((ScrollSpan{0, 0}).Clamp(5), 0);
}

TEST(ScrollSpan, RowsThatFitInTheView) {
    EXPECT_EQ(kPane.RowsFitting(244), 12); // (244 - 31) / 17; the other eight lie below
    EXPECT_EQ(kPane.RowsFitting(375), 20);
    EXPECT_EQ(kPane.RowsFitting(2000), 20);
    EXPECT_EQ(kPane.RowsFitting(20), 0);
    EXPECT_EQ((RowColumn{0, 0, 20, 0}).RowsFitting(100), 0);
}

TEST(ScrollSpan, RevealMovesOnlyAsFarAsNeeded) {
    const int32_t lastTop = kPane.RowTop(19), lastBottom = lastTop + 17;
    EXPECT_EQ(lastTop, 354);
    // Below the view: its bottom at the view's bottom.
    EXPECT_EQ(kLow.Reveal(0, lastTop, lastBottom), 371 - 244);
    // Already whole in view: the position stays.
    EXPECT_EQ(kLow.Reveal(127, lastTop, lastBottom), 127);
    EXPECT_EQ(kLow.Reveal(50, kPane.RowTop(5), kPane.RowTop(6)), 50);
    // Above the view: its top at the view's top.
    EXPECT_EQ(kLow.Reveal(131, kPane.RowTop(0), kPane.RowTop(1)), 31);
    // Partly cut at the bottom.
    EXPECT_EQ(kLow.Reveal(0, 235, 252), 8);
    // Taller than the view: its top is what counts.
    EXPECT_EQ(kLow.Reveal(0, 40, 400), 40);
    // Nothing scrolls: always 0.
    EXPECT_EQ((ScrollSpan{375, 600}).Reveal(0, lastTop, lastBottom), 0);
}

TEST(ScrollSpan, WheelMovesWholeRowsAndKeepsTheRestOfAFineTurn) {
    int32_t rest = 0;
    EXPECT_EQ(WheelPixels(-120, 3, 17, rest), 51); // one notch toward the user: down
    EXPECT_EQ(rest, 0);
    EXPECT_EQ(WheelPixels(240, 3, 17, rest), -102);
    // A fine wheel's thirds of a notch: one row each.
    EXPECT_EQ(WheelPixels(-40, 3, 17, rest), 17);
    // Less than a row waits; the next bit completes it.
    EXPECT_EQ(WheelPixels(-20, 3, 17, rest), 0);
    EXPECT_EQ(WheelPixels(-20, 3, 17, rest), 17);
    EXPECT_EQ(rest, 0);
    // A turn back cancels what was waiting.
    EXPECT_EQ(WheelPixels(-20, 3, 17, rest), 0);
    EXPECT_EQ(WheelPixels(20, 3, 17, rest), 0);
    EXPECT_EQ(rest, 0);
    // A page per notch or no setting at all: three rows.
    EXPECT_EQ(WheelPixels(-120, -1, 17, rest), 51);
    EXPECT_EQ(WheelPixels(-120, 0, 17, rest), 51);
    // A huge delta from a hostile sender neither overflows nor loses its sign.
    EXPECT_GT(WheelPixels(INT32_MIN, 100, 1000, rest), 0);
    EXPECT_LT(WheelPixels(INT32_MAX, 100, 1000, rest), 0);
}

} // namespace
} // namespace zintar
