// Where the key history opens.
#include "core/key_history/history_view.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

constexpr PixelSize kPreferred{800, 400};
constexpr PixelSize kMinimum{600, 150};

TEST(PlaceKeyHistory, BesideWhereThereIsRoomElseBelowOrOverTheFreerSide) {
    struct Case {
        const char* what;
        PixelRect owner, work, expected;
    };
    const PixelRect screen{0, 0, 1024, 768};
    const PixelRect wide{0, 0, 1920, 1080};
    const Case cases[] = {
        {"a wide screen: right of the owner", {779, 390, 1140, 690}, wide, {1140, 390, 1920, 790}},
        {"at a wide screen's right edge: left of it",
         {1500, 100, 1920, 400},
         wide,
         {700, 100, 1500, 500}},
        {"centred on 1024 x 768: below, as wide as preferred",
         {331, 244, 692, 524},
         screen,
         {224, 524, 1024, 768}},
        {"near the bottom of 1024 x 768: above",
         {331, 500, 692, 760},
         screen,
         {224, 100, 1024, 500}},
        {"no room anywhere: over the owner, against the freer side",
         {200, 100, 500, 560},
         {0, 0, 900, 640},
         {100, 100, 900, 560}},
        {"a tall owner sets the height beside it", {0, 0, 361, 900}, wide, {361, 0, 1161, 900}},
        {"the owner partly off the screen", {1800, -50, 2100, 250}, wide, {1000, 0, 1800, 400}},
        {"second monitor", {2200, 0, 2561, 250}, {1920, 0, 3840, 1080}, {2561, 0, 3361, 400}},
        {"a work area smaller than the window",
         {100, 50, 300, 200},
         {0, 0, 500, 300},
         {0, 0, 500, 300}},
    };
    for (const Case& c : cases) {
        const PixelRect got = PlaceKeyHistory(c.owner, c.work, kPreferred, kMinimum);
        EXPECT_EQ(got, c.expected) << c.what << ": " << got.left << "," << got.top << ","
                                   << got.right << "," << got.bottom;
    }
}

} // namespace
} // namespace zintar
