#include "core/converter/hover.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

const PixelRect kWindow{100, 50, 300, 250}; // 200 x 200 pixels

TEST(Hover, EnteringASpotLightsItAloneAndStartsTheTimer) {
    HoverState h;
    EXPECT_FALSE(h.timerRunning());
    EXPECT_TRUE(h.Enter(HoverSpot::EnglishFlag));
    EXPECT_EQ(h.lit(), HoverSpot::EnglishFlag);
    EXPECT_TRUE(h.timerRunning());
    EXPECT_FALSE(h.Enter(HoverSpot::EnglishFlag)); // again: nothing changes
    EXPECT_TRUE(h.Enter(HoverSpot::HomepageLink));
    EXPECT_EQ(h.lit(), HoverSpot::HomepageLink);
}

TEST(Hover, TheBareSurfacePutsOutWhatIsLit) {
    HoverState h;
    EXPECT_FALSE(h.MoveOverSurface());
    h.Enter(HoverSpot::HungarianFlag);
    EXPECT_TRUE(h.MoveOverSurface());
    EXPECT_EQ(h.lit(), HoverSpot::None);
    EXPECT_FALSE(h.timerRunning());
}

TEST(Hover, TickComparesAHalfOpenRectangleInTwips) {
    struct Case {
        ScreenPoint pointer;
        bool outside;
    };
    const Case cases[] = {
        {{100, 50}, false},  // left and top edges: inside
        {{299, 249}, false}, // last pixel inside
        {{300, 100}, true},  // right edge: outside
        {{150, 250}, true},  // bottom edge: outside
        {{99, 100}, true},
        {{150, 49}, true},
        {{-2'000'000'000, 100}, true}, // scaling saturates instead of wrapping inside
        {{2'000'000'000, 100}, true},
    };
    for (const Case& c : cases) {
        HoverState h;
        h.Enter(HoverSpot::EnglishFlag);
        EXPECT_EQ(h.Tick(c.pointer, kWindow), c.outside) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(h.lit(), c.outside ? HoverSpot::None : HoverSpot::EnglishFlag);
    }
}

TEST(Hover, TickScalesThePointerByFifteen) {
    HoverState h;
    h.Enter(HoverSpot::HomepageLink);
    h.Tick({120, 60}, kWindow);
    EXPECT_EQ(h.lastPointerTwips().x, 1800);
    EXPECT_EQ(h.lastPointerTwips().y, 900);
}

TEST(Hover, NothingLitMeansTicksDoNothing) {
    HoverState h;
    EXPECT_FALSE(h.Tick({0, 0}, kWindow));
    EXPECT_EQ(h.lastPointerTwips().x, 0); // the pointer is not even read
}

} // namespace
} // namespace zintar
