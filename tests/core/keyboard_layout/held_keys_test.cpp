// The keys held down as a rollover test counts them.
#include "core/keyboard_layout/held_keys.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

constexpr ReportedKey kA{0x1E, false}, kS{0x1F, false}, kRightCtrl{0x1D, true},
    kLeftCtrl{0x1D, false};

TEST(HeldKeys, EachPhysicalKeyOnceUntilItsKeyUp) {
    HeldKeys held;
    EXPECT_TRUE(held.Press(kA, 'A'));
    EXPECT_FALSE(held.Press(kA, 'A')) << "auto-repeat of a held key";
    EXPECT_TRUE(held.Press(kLeftCtrl, 0x11));
    EXPECT_TRUE(held.Press(kRightCtrl, 0x11)) << "the other Ctrl is another key";
    EXPECT_EQ(held.count(), 3u);
    EXPECT_FALSE(held.Release(kS)) << "a key-up of a key never seen down";
    EXPECT_TRUE(held.Release(kLeftCtrl));
    EXPECT_TRUE(held.IsHeld(kRightCtrl));
    EXPECT_FALSE(held.IsHeld(kLeftCtrl));
    EXPECT_TRUE(held.Clear());
    EXPECT_FALSE(held.Clear());
    EXPECT_EQ(held.count(), 0u);
}

TEST(HeldKeys, KeysTheSystemNoLongerHoldsAreLetGo) {
    HeldKeys held;
    held.Press(kA, 'A');
    held.Press(kS, 'S');
    held.Press(kRightCtrl, 0x11);
    const std::vector<ReportedKey> dropped =
        held.DropReleased([](uint8_t vk) { return vk == 'S'; });
    EXPECT_EQ(dropped, (std::vector<ReportedKey>{kA, kRightCtrl}));
    EXPECT_EQ(held.count(), 1u);
    EXPECT_TRUE(held.IsHeld(kS));
}

TEST(HeldKeys, NoMoreThanAKeyboardCanHold) {
    HeldKeys held;
    for (int i = 0; i < 600; ++i)
        held.Press({static_cast<uint8_t>(i & 0xFF), i >= 256}, 'A');
    EXPECT_EQ(held.count(), 256u);
}

TEST(HeldNowText, InBothLanguages) {
    EXPECT_EQ(HeldNowText(4, Language::English), L"held now: 4");
    EXPECT_EQ(HeldNowText(0, Language::Hungarian), L"most lenyomva: 0");
}

} // namespace
} // namespace zintar
