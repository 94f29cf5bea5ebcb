#include "core/key_state/key_times.h"

#include <gtest/gtest.h>

#include "core/key_state/key_times_text.h"

namespace zintar {
namespace {

constexpr uint16_t kEnterScan = 0x1C, kF9Scan = 0x43;
constexpr uint8_t kF9 = 0x78, kShift = 0x10, kLeftShift = 0xA0;

KeyStroke Down(uint16_t scan, uint32_t time, bool extended = false) {
    return {0, scan, extended, false, false, time};
}
KeyStroke Repeat(uint16_t scan, uint32_t time) {
    return {0, scan, false, false, true, time};
}
KeyStroke Up(uint16_t scan, uint32_t time, bool extended = false) {
    return {0, scan, extended, true, false, time};
}

TEST(KeyTimes, InterleavedKeysKeepTheirOwnHoldAndReleaseTimes) {
    // Enter and Numpad Enter share their scan code and virtual key: only the E0 prefix tells
    // the two keys apart.
    KeyTimes times;
    const KeyTiming firstPress = times.Add(Down(kEnterScan, 1000));
    EXPECT_FALSE(firstPress.sinceReleaseMs) << "no release before the first press";
    EXPECT_FALSE(firstPress.heldMs);
    times.Add(Down(kEnterScan, 1040, true));
    EXPECT_EQ(times.Add(Repeat(kEnterScan, 1500)).sinceReleaseMs, std::nullopt);
    EXPECT_EQ(times.Add(Up(kEnterScan, 1600)).heldMs, 600u) << "from the first key-down";
    EXPECT_EQ(times.Add(Up(kEnterScan, 1700, true)).heldMs, 660u);
    const KeyTiming again = times.Add(Down(kEnterScan, 1750));
    EXPECT_EQ(again.sinceReleaseMs, 150u);
    EXPECT_FALSE(again.heldMs);
    EXPECT_EQ(times.Add(Down(kEnterScan, 1800, true)).sinceReleaseMs, 100u);
}

TEST(KeyTimes, TimesRunAcrossTheTickWrapAround) {
    KeyTimes times;
    times.Add(Down(kEnterScan, 0xFFFFFFF0u));
    EXPECT_EQ(times.Add(Up(kEnterScan, 0x00000010u)).heldMs, 32u);
    EXPECT_EQ(times.Add(Down(kEnterScan, 0x00000030u)).sinceReleaseMs, 32u);
}

TEST(KeyTimes, APressWhoseReleaseWentElsewhereHasNoTimeSinceRelease) {
    KeyTimes times;
    times.Add(Down(kEnterScan, 100));
    times.Add(Up(kEnterScan, 200));
    times.Add(Down(kEnterScan, 300));
    // Its key-up went to another window: the release at 200 came before the press at 300.
    EXPECT_FALSE(times.Add(Down(kEnterScan, 900)).sinceReleaseMs);
    EXPECT_EQ(times.Add(Up(kEnterScan, 950)).heldMs, 50u);
}

TEST(KeyTimes, ChatterIsAPressLessThanTheThresholdAfterItsRelease) {
    KeyTimes times;
    std::vector<KeyTiming> presses;
    uint32_t t = 1000;
    for (uint32_t gap : {29u, 30u, 31u}) {
        times.Add(Down(kEnterScan, t));
        times.Add(Up(kEnterScan, t + 5));
        t += 5 + gap;
        presses.push_back(times.Add(Down(kEnterScan, t)));
        times.Add(Up(kEnterScan, t + 5));
        t += 1000;
    }
    const ChatterThreshold byDefault;
    EXPECT_TRUE(IsChatter(presses[0], byDefault));
    EXPECT_FALSE(IsChatter(presses[1], byDefault)) << "the threshold itself is a real press";
    EXPECT_FALSE(IsChatter(presses[2], byDefault));
    EXPECT_TRUE(IsChatter(presses[1], ChatterThreshold{31}));
    EXPECT_FALSE(IsChatter(presses[0], ChatterThreshold{0})) << "0 turns the mark off";

    // The cells: a number or the mark where the row has one, else empty.
    const auto cell = [&](size_t press, KeyTimeColumn column, Language language) {
        return KeyTimeCellText(presses[press], column, byDefault, language);
    };
    EXPECT_EQ(cell(0, KeyTimeColumn::Chatter, Language::Hungarian), L"igen");
    EXPECT_EQ(cell(2, KeyTimeColumn::Chatter, Language::English), L"");
    EXPECT_EQ(cell(2, KeyTimeColumn::SinceRelease, Language::English), L"31");
    EXPECT_EQ(cell(2, KeyTimeColumn::Held, Language::English), L"");
}

TEST(KeyTimes, TheHooksKeyDownStandsInWhereTheWindowNeverSawOne) {
    KeyTimes times;
    // Another program's hotkey took F9's key-down; the hook saw it and its repeats.
    times.AddHook({kF9, kF9Scan, false, false, false, 100});
    times.AddHook({kF9, kF9Scan, false, false, false, 600});
    times.AddHook({kF9, kF9Scan, false, true, false, 900});
    EXPECT_EQ(times.Add(Up(kF9Scan, 900)).heldMs, 800u);
    EXPECT_FALSE(times.Add(Up(kF9Scan, 950)).heldMs) << "the hook's time serves one key-up";

    // Where the window saw the key-down, its own time counts.
    times.AddHook({kF9, kF9Scan, false, false, false, 2000});
    times.Add(Down(kF9Scan, 2003));
    EXPECT_EQ(times.Add(Up(kF9Scan, 2100)).heldMs, 97u);

    // The window had the keyboard only after the press began: it sees repeats, not the down.
    times.Add(Repeat(kF9Scan, 3500));
    EXPECT_FALSE(times.Add(Up(kF9Scan, 3600)).heldMs);
    times.AddHook({kF9, kF9Scan, false, false, false, 4000});
    times.Add(Repeat(kF9Scan, 4500));
    EXPECT_EQ(times.Add(Up(kF9Scan, 4600)).heldMs, 600u);

    // The hook runs ahead of the messages: its key-down of the next press is kept for it.
    times.AddHook({kF9, kF9Scan, false, false, false, 5100});
    times.AddHook({kF9, kF9Scan, false, true, false, 5200});
    times.AddHook({kF9, kF9Scan, false, false, false, 5300});
    EXPECT_FALSE(times.Add(Up(kF9Scan, 5200)).heldMs) << "the hook's down at 5300 is later";
    EXPECT_EQ(times.Add(Up(kF9Scan, 5400)).heldMs, 100u);
}

TEST(KeyTimes, AKeyWithoutScanCodeIsTheSameKeyToTheHookAndTheWindow) {
    // Sent by a program with its virtual key alone: the hook names the left Shift, the
    // message the generic Shift.
    KeyTimes times;
    times.AddHook({kLeftShift, 0, false, false, false, 50});
    EXPECT_EQ(times.Add({kShift, 0, false, true, false, 80}).heldMs, 30u);
}

// A key message's lParam holds the scan code (bits 16-23) and the E0 prefix (bit 24); bit 30
// is set on every key-up and on the key-downs of a key already down: only those are repeats.
TEST(KeyStroke, AKeyMessageRepeatsOnlyOnAKeyDownOfAKeyAlreadyDown) {
    constexpr uint32_t kNumpadEnter = 1u | (0x1Cu << 16) | (1u << 24), kWasDown = 1u << 30;
    const KeyStroke down =
        StrokeOfMessage({KeyMessage::KeyDown, 0x0D, kNumpadEnter, 500, 0, kNoAnsiCode});
    EXPECT_EQ(down.virtualKey, 0x0D);
    EXPECT_EQ(down.scanCode, 0x1C);
    EXPECT_TRUE(down.extended);
    EXPECT_FALSE(down.up);
    EXPECT_FALSE(down.autoRepeat);
    EXPECT_EQ(down.timeMs, 500u);
    EXPECT_TRUE(
        StrokeOfMessage({KeyMessage::SysKeyDown, 0x0D, kNumpadEnter | kWasDown, 0, 4, kNoAnsiCode})
            .autoRepeat);
    const KeyStroke up = StrokeOfMessage(
        {KeyMessage::SysKeyUp, 0x0D, kNumpadEnter | kWasDown | (1u << 31), 0, 0, kNoAnsiCode});
    EXPECT_TRUE(up.up);
    EXPECT_FALSE(up.autoRepeat);
}

} // namespace
} // namespace zintar
