#include "core/key_history/key_route.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

constexpr uint8_t kTab = 0x09, kShift = 0x10, kCtrl = 0x11, kAlt = 0x12, kSnapshot = 0x2C;
constexpr uint8_t kA = 0x41, kB = 0x42, kF9 = 0x78, kLeftShift = 0xA0;
constexpr KeySourceMask kAll = kAllKeySources;
constexpr uint32_t kWait = KeyRouter::kDeliveryWaitMs;

SeenKey Key(uint8_t vk, uint16_t scan, bool up, uint32_t time) {
    return {vk, scan, false, up, time};
}
HookKeyEvent Hook(uint8_t vk, uint16_t scan, bool up, uint32_t time, bool injected = false) {
    return {Key(vk, scan, up, time), injected, false, injected ? 0x5A17u : 0u};
}
RawKeyEvent Raw(uint8_t vk, uint16_t scan, bool up, uint32_t time, uint64_t device = 0x1234) {
    return {Key(vk, scan, up, time), false, device};
}
WindowKeyEvent Window(uint8_t vk, uint16_t scan, bool up, uint32_t time, uint64_t record) {
    return {Key(vk, scan, up, time), record};
}

TEST(KeyRouter, TheThreeViewsOfOneKeyMakeOneRouteAsSoonAsAllHaveSeenIt) {
    KeyRouter router;
    router.SetSources(kAll);
    router.Add(Hook(kA, 0x1E, false, 1000));
    router.Add(Raw(kA, 0x1E, false, 1000));
    EXPECT_TRUE(router.Take(1001).empty()) << "the window's message is still on its way";
    router.Add(Window(kA, 0x1E, false, 1001, 7));
    const auto routes = router.Take(1001);
    ASSERT_EQ(routes.size(), 1u);
    EXPECT_TRUE(routes[0].delivered);
    EXPECT_EQ(routes[0].record, 7u);
    EXPECT_EQ(routes[0].seenBy, kAll);
    EXPECT_TRUE(routes[0].hasDevice);
    EXPECT_EQ(routes[0].device, 0x1234u);
    EXPECT_FALSE(routes[0].injected);
    EXPECT_EQ(routes[0].reason, NotDeliveredReason::None);
}

TEST(KeyRouter, MatchesEachViewToItsOwnKeyInOrder) {
    KeyRouter router;
    router.SetSources(Bit(KeySource::Window) | Bit(KeySource::Hook));
    // Shift pressed, A pressed, both released: the hook names the left Shift, the window the
    // generic code; events of both keys interleave.
    router.Add(Hook(kLeftShift, 0x2A, false, 10));
    router.Add(Hook(kA, 0x1E, false, 12));
    router.Add(Window(kShift, 0x2A, false, 10, 0));
    router.Add(Window(kA, 0x1E, false, 12, 1));
    router.Add(Hook(kA, 0x1E, true, 20));
    router.Add(Hook(kLeftShift, 0x2A, true, 21));
    router.Add(Window(kA, 0x1E, true, 20, 2));
    router.Add(Window(kShift, 0x2A, true, 21, 3));
    const auto routes = router.Take(21);
    ASSERT_EQ(routes.size(), 4u);
    for (uint64_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(routes[i].delivered) << i;
        EXPECT_EQ(routes[i].record, i) << "route " << i << " took another key's message";
    }
    EXPECT_EQ(routes[1].heldModifiers, kHotkeyShift);
    EXPECT_EQ(routes[1].key.virtualKey, kA);
}

TEST(KeyRouter, AKeyTheWindowNeverReceivedBecomesARowOfItsOwnAfterTheWait) {
    KeyRouter router;
    router.SetSources(kAll);
    router.Add(Hook(kAlt, 0x38, false, 100));
    router.Add(Raw(kAlt, 0x38, false, 100));
    router.Add(Window(kAlt, 0x38, false, 100, 0));
    router.Add(Hook(kTab, 0x0F, false, 150));
    router.Add(Raw(kTab, 0x0F, false, 150));
    router.Add(Hook(kB, 0x30, false, 160));
    router.Add(Raw(kB, 0x30, false, 160));
    router.Add(Window(kB, 0x30, false, 160, 1));

    auto routes = router.Take(150 + kWait - 1);
    ASSERT_EQ(routes.size(), 1u) << "Tab still waits, and B behind it";
    EXPECT_EQ(routes[0].key.virtualKey, kAlt);

    routes = router.Take(150 + kWait);
    ASSERT_EQ(routes.size(), 2u);
    const KeyRoute& tab = routes[0];
    EXPECT_FALSE(tab.delivered);
    EXPECT_EQ(tab.seenBy, Bit(KeySource::Hook) | Bit(KeySource::RawInput));
    EXPECT_EQ(tab.heldModifiers, kHotkeyAlt);
    EXPECT_EQ(tab.reason, NotDeliveredReason::SystemShortcut);
    EXPECT_EQ(tab.windowKeysBefore, 1u) << "its row goes after Alt's";
    EXPECT_TRUE(routes[1].delivered);
    EXPECT_EQ(routes[1].record, 1u);
}

TEST(KeyRouter, ViewsFarApartInTimeAreDifferentKeys) {
    KeyRouter router;
    router.SetSources(Bit(KeySource::Window) | Bit(KeySource::Hook));
    router.Add(Hook(kA, 0x1E, false, 1000));
    router.Add(Window(kA, 0x1E, false, 1000 + kWait + 1, 0));
    const auto routes = router.Take(1000 + 3 * kWait);
    ASSERT_EQ(routes.size(), 2u);
    EXPECT_FALSE(routes[0].delivered);
    EXPECT_EQ(routes[0].seenBy, Bit(KeySource::Hook));
    EXPECT_TRUE(routes[1].delivered);
    EXPECT_EQ(routes[1].seenBy, Bit(KeySource::Window)) << "a message no key sent, e.g. posted";
}

TEST(KeyRouter, AMessageThatNoOtherViewSawWaitsItsTimeButStaysDelivered) {
    KeyRouter router;
    router.SetSources(kAll);
    router.Add(Window(kA, 0x1E, false, 0xFFFFFFF0u, 4)); // just before the tick wraps
    EXPECT_TRUE(router.Take(0xFFFFFFF1u).empty());
    EXPECT_TRUE(router.Take(0xFFFFFFE0u).empty()) << "a time before the event is no wait";
    const auto routes = router.Take(0xFFFFFFF0u + kWait);
    ASSERT_EQ(routes.size(), 1u);
    EXPECT_TRUE(routes[0].delivered);
}

TEST(KeyRouter, WithOnlyTheWindowGatheringARouteIsSettledAtOnce) {
    KeyRouter router;
    router.Add(Window(kA, 0x1E, false, 5, 0));
    EXPECT_EQ(router.Take(5).size(), 1u);
}

TEST(KeyRouter, ALoneKeyUpBringsTheKeyDownThatWentElsewhere) {
    KeyRouter router;
    router.SetSources(Bit(KeySource::Window) | Bit(KeySource::Hook));
    // Another program holds Ctrl+Alt+F9: the F9 down reaches no view, its up the window.
    router.Add(Hook(kCtrl, 0x1D, false, 10));
    router.Add(Window(kCtrl, 0x1D, false, 10, 0));
    router.Add(Hook(kAlt, 0x38, false, 11));
    router.Add(Window(kAlt, 0x38, false, 11, 1));
    router.Add(Hook(kF9, 0x43, true, 30));
    router.Add(Window(kF9, 0x43, true, 30, 2));
    const auto routes = router.Take(30);
    ASSERT_EQ(routes.size(), 4u);
    const KeyRoute& down = routes[2];
    EXPECT_FALSE(down.delivered);
    EXPECT_FALSE(down.key.up);
    EXPECT_EQ(down.key.virtualKey, kF9);
    EXPECT_EQ(down.seenBy, 0);
    EXPECT_EQ(down.heldModifiers, kHotkeyCtrl | kHotkeyAlt);
    EXPECT_EQ(down.reason, NotDeliveredReason::None) << "known only once a probe answers";
    EXPECT_EQ(ReasonAfterProbe(down.reason, HotkeyAnswer::Taken),
              NotDeliveredReason::OtherProgramsHotkey);
    EXPECT_EQ(ReasonAfterProbe(down.reason, HotkeyAnswer::Free), NotDeliveredReason::None);
    EXPECT_TRUE(routes[3].delivered);
    EXPECT_TRUE(routes[3].key.up);
    EXPECT_EQ(down.recordsBefore, 2u) << "its row goes before the key-up's record";
}

TEST(KeyRouter, AKeyThatWentElsewhereGoesBeforeTheNextKeyTheWindowReceived) {
    KeyRouter router;
    router.SetSources(Bit(KeySource::Window) | Bit(KeySource::Hook));
    // The hook runs ahead of the window's messages: it has seen the whole press before the
    // window's first message.
    router.Add(Hook(kCtrl, 0x1D, false, 10));
    router.Add(Hook(kAlt, 0x38, false, 11));
    router.Add(Hook(kCtrl, 0x1D, true, 12));
    router.Add(Hook(kAlt, 0x38, true, 13));
    router.Add(Hook(kF9, 0x43, true, 14));
    router.Add(Window(kCtrl, 0x1D, false, 10, 7));
    router.Add(Window(kAlt, 0x38, false, 11, 8));
    router.Add(Window(kCtrl, 0x1D, true, 12, 9));
    router.Add(Window(kAlt, 0x38, true, 13, 10));
    auto routes = router.Take(13);
    ASSERT_EQ(routes.size(), 5u);
    EXPECT_FALSE(routes[4].delivered);
    EXPECT_EQ(routes[4].recordsBefore, 11u) << "after the Alt key-up, the last received";
    router.Add(Window(kF9, 0x43, true, 14, 11));
    routes = router.Take(14);
    ASSERT_EQ(routes.size(), 1u);
}

TEST(KeyRouter, AKeyUpSentOnlyToTheWindowBringsNoKeyDown) {
    KeyRouter router;
    router.SetSources(kAll);
    router.Add(Window(kA, 0x1E, true, 10, 0));
    const auto routes = router.Take(10 + kWait);
    ASSERT_EQ(routes.size(), 1u);
    EXPECT_TRUE(routes[0].delivered);
}

TEST(KeyRouter, ALoneKeyUpAfterItsModifiersWentUpKeepsTheCombinationThatWasHeld) {
    KeyRouter router;
    // As Wine delivers a hotkey of another program: its key-up after the modifiers' key-ups.
    router.Add(Window(kCtrl, 0x1D, false, 10, 0));
    router.Add(Window(kAlt, 0x38, false, 11, 1));
    router.Add(Window(kCtrl, 0x1D, true, 40, 2));
    router.Add(Window(kAlt, 0x38, true, 41, 3));
    router.Add(Window(kF9, 0x43, true, 42, 4));
    // Then a plain F9 whose up also comes alone: Ctrl and Alt are spent.
    router.Add(Window(kCtrl, 0x1D, false, 50, 5));
    router.Add(Window(kCtrl, 0x1D, true, 51, 6));
    router.Add(Window(kA, 0x1E, false, 52, 7));
    router.Add(Window(kA, 0x1E, true, 53, 8));
    router.Add(Window(kF9, 0x43, true, 54, 9));
    const auto routes = router.Take(54);
    ASSERT_EQ(routes.size(), 12u);
    EXPECT_FALSE(routes[4].delivered);
    EXPECT_EQ(routes[4].heldModifiers, kHotkeyCtrl | kHotkeyAlt);
    EXPECT_EQ(routes[4].recordsBefore, 4u);
    EXPECT_FALSE(routes[10].delivered);
    EXPECT_EQ(routes[10].heldModifiers, 0);
}

TEST(KeyRouter, PrintScreenDownIsKnownToComeOnlyAsKeyUp) {
    KeyRouter router;
    router.SetSources(Bit(KeySource::Window) | Bit(KeySource::Hook));
    router.Add(Hook(kSnapshot, 0x37, true, 50));
    router.Add(Window(kSnapshot, 0x37, true, 50, 0));
    const auto routes = router.Take(50);
    ASSERT_EQ(routes.size(), 2u);
    EXPECT_EQ(routes[0].reason, NotDeliveredReason::KeyUpOnly);
    EXPECT_EQ(routes[0].windowKeysBefore, 0u);
}

TEST(KeyRouter, KeysHeldWhenGatheringStartsReleaseWithoutALoneKeyDown) {
    KeyRouter router;
    std::array<bool, 256> down{};
    down[0xA4] = true; // left Alt, still held from switching to Zintar
    router.SetKeysDown(down);
    router.Add(Window(kAlt, 0x38, true, 5, 0));
    EXPECT_EQ(router.Take(5).size(), 1u);
    router.Clear();
    router.Add(Window(kAlt, 0x38, true, 6, 1));
    EXPECT_EQ(router.Take(6).size(), 2u) << "after Clear nothing is held";
}

TEST(KeyRouter, TheHooksInjectedFlagMarksTheRoute) {
    KeyRouter router;
    router.SetSources(Bit(KeySource::Window) | Bit(KeySource::Hook));
    router.Add(Hook(kA, 0, false, 5, true)); // SendInput with a key code and no scan code
    router.Add(Window(kA, 0, false, 5, 0));
    router.Add(Hook(kB, 0x30, false, 6));
    router.Add(Window(kB, 0x30, false, 6, 1));
    const auto routes = router.Take(6);
    ASSERT_EQ(routes.size(), 2u);
    EXPECT_TRUE(routes[0].injected);
    EXPECT_EQ(routes[0].extraInfo, 0x5A17u);
    EXPECT_TRUE(routes[0].delivered);
    EXPECT_FALSE(routes[1].injected);
}

TEST(KeyRouter, RawInputsFakeKeysAreNoKeys) {
    KeyRouter router;
    router.SetSources(kAll);
    router.Add(Raw(255, 0x2A, false, 5)); // the fake Shift before an E0 key
    EXPECT_TRUE(router.Take(5 + kWait).empty());
}

// A burst of sent keys as a loaded machine delivers it: the hook sees every key long before
// the window's messages, which come in order with the keys' own times, while the wall clock
// runs far past every wait. Each message must take its own key's view, and no key may be
// taken for one that went elsewhere while its message still waits in the queue.
TEST(KeyRouter, ABurstWhoseMessagesLagFarBehindTheHookIsDeliveredKeyByKey) {
    constexpr uint8_t kF13 = 0x7C;
    constexpr uint32_t kKeys = 4000, kStart = 5000;
    KeyRouter router;
    router.SetSources(Bit(KeySource::Window) | Bit(KeySource::Hook));
    for (uint32_t i = 0; i < kKeys; ++i)
        router.Add(Hook(kF13, 0x64, i % 2 == 1, kStart + i / 8, true));
    const uint32_t wallClock = kStart + kKeys + 10 * kWait;
    EXPECT_TRUE(router.Take(wallClock, true).empty()) << "every message still waits";
    std::vector<KeyRoute> routes;
    for (uint32_t i = 0; i < kKeys; ++i) {
        router.Add(Window(kF13, 0x64, i % 2 == 1, kStart + i / 8, i));
        const bool behind = i + 1 < kKeys;
        for (const KeyRoute& route : router.Take(i % 100 == 0 ? wallClock : kStart + i / 8, behind))
            routes.push_back(route);
    }
    ASSERT_EQ(routes.size(), kKeys);
    for (uint32_t i = 0; i < kKeys; ++i) {
        ASSERT_TRUE(routes[i].delivered && routes[i].injected) << "key " << i;
        ASSERT_EQ(routes[i].record, i) << "key " << i << " took another key's message";
    }
}

TEST(KeyRouter, WhileTheWindowIsBehindAKeyThatWentElsewhereWaitsOnTheWindowsClock) {
    KeyRouter router;
    router.SetSources(Bit(KeySource::Window) | Bit(KeySource::Hook));
    router.Add(Hook(kF9, 0x43, false, 100));
    EXPECT_TRUE(router.Take(100 + kWait, true).empty()) << "no message yet: no clock to count on";
    router.Add(Hook(kA, 0x1E, false, 120));
    router.Add(Window(kA, 0x1E, false, 120, 0));
    EXPECT_TRUE(router.Take(100 + 5 * kWait, true).empty()) << "F9's wait is not over at 120";
    router.Add(Hook(kB, 0x30, false, 100 + kWait));
    router.Add(Window(kB, 0x30, false, 100 + kWait, 1));
    const auto routes = router.Take(100 + 5 * kWait, true);
    ASSERT_EQ(routes.size(), 3u);
    EXPECT_FALSE(routes[0].delivered);
    EXPECT_EQ(routes[0].recordsBefore, 0u) << "its row goes before A's";
    EXPECT_TRUE(routes[1].delivered && routes[2].delivered);
}

// The history started again: a key seen before may not join, nor land beside, a key of the
// new history, but keys held stay held.
TEST(KeyRouter, AfterForgetNoKeyFromBeforeComesOutOrJoinsANewOne) {
    KeyRouter router;
    router.SetSources(Bit(KeySource::Window) | Bit(KeySource::Hook));
    router.Add(Hook(kShift, 0x2A, false, 10));
    router.Add(Window(kShift, 0x2A, false, 10, 0));
    router.Add(Hook(kA, 0x1E, false, 20, true));
    router.Forget();
    router.Add(Window(kA, 0x1E, false, 21, 0));
    router.Add(Hook(kShift, 0x2A, true, 30));
    router.Add(Window(kShift, 0x2A, true, 30, 1));
    const auto routes = router.Take(30 + kWait);
    ASSERT_EQ(routes.size(), 2u) << "neither Shift's nor A's view from before, no lone key-down";
    EXPECT_EQ(routes[0].seenBy, Bit(KeySource::Window));
    EXPECT_FALSE(routes[0].injected) << "A's message took the hook's view from before";
    EXPECT_EQ(routes[0].record, 0u);
    EXPECT_EQ(routes[1].heldModifiers, kHotkeyShift);
    EXPECT_EQ(routes[1].record, 1u);
}

TEST(KeyRouter, RawInputFromNoDeviceMarksAKeyTheHookMissedAsInjected) {
    KeyRouter router;
    router.SetSources(kAll);
    router.Add(Raw(kA, 0x1E, false, 5, 0));
    router.Add(Window(kA, 0x1E, false, 5, 0));
    router.Add(Raw(kB, 0x30, false, 6));
    router.Add(Window(kB, 0x30, false, 6, 1));
    const auto routes = router.Take(6 + kWait);
    ASSERT_EQ(routes.size(), 2u);
    EXPECT_TRUE(routes[0].injected);
    EXPECT_FALSE(routes[1].injected) << "a keyboard's key";
}

TEST(KeyRouter, AFloodThatNobodyTakesKeepsItsSizeAndStaysInOrder) {
    KeyRouter router;
    router.SetSources(kAll);
    const uint32_t events = 2 * KeyRouter::kPendingCapacity;
    for (uint32_t i = 0; i < events; ++i)
        router.Add(Hook(kA, 0x1E, i % 2 == 1, i));
    EXPECT_GT(router.droppedCount(), 0u);
    const auto routes = router.Take(events + kWait);
    EXPECT_LE(routes.size(), KeyRouter::kPendingCapacity);
    EXPECT_EQ(routes.size() + router.droppedCount(), events);
    for (size_t i = 1; i < routes.size(); ++i)
        ASSERT_LE(routes[i - 1].key.timeMs, routes[i].key.timeMs);
}

} // namespace
} // namespace zintar

namespace zintar {
namespace {

SeenKey PacketKey(uint16_t unit, bool up, uint32_t time) {
    SeenKey key{0xE7, unit, false, up, time};
    key.packet = true;
    return key;
}

// Text sent one unit per input, as Wine shows it: the hook names each unit in its scan code
// but calls the key-up a key-down too; Raw Input names the unit in its make code with no key
// code; the window has the unit in lParam's high word. Each packet is one route, delivered,
// seen by every view, from no device, in the window's direction, and none takes the view of
// F3, whose scan code is the low byte of "=" (0x3D).
TEST(KeyRouter, SentTextIsMatchedByItsUnitAndInOrder) {
    constexpr uint8_t kF3 = 0x72;
    KeyRouter router;
    router.SetSources(kAll);
    router.Add(Hook(kF3, 0x3D, false, 100));
    router.Add(HookKeyEvent{PacketKey(0x3D, false, 101), true, false, 0});
    router.Add(HookKeyEvent{PacketKey(0x3D, false, 101), true, false, 0}); // its key-up
    router.Add(HookKeyEvent{PacketKey(0x151, false, 102), true, false, 0});
    router.Add(HookKeyEvent{PacketKey(0x151, false, 102), true, false, 0});
    router.Add(Raw(0, 0x3D, false, 101, 2)); // Raw Input's packets, before F3's own view
    router.Add(Raw(0, 0x3D, true, 101, 2));
    router.Add(Raw(kF3, 0x3D, false, 100));
    router.Add(Raw(0, 0x151, false, 102, 2));
    router.Add(Raw(0, 0x151, true, 102, 2));
    router.Add(Window(kF3, 0x3D, false, 100, 0));
    router.Add(WindowKeyEvent{PacketKey(0x3D, false, 101), 1});
    router.Add(WindowKeyEvent{PacketKey(0x3D, true, 101), 2});
    router.Add(WindowKeyEvent{PacketKey(0x151, false, 102), 3});
    router.Add(WindowKeyEvent{PacketKey(0x151, true, 102), 4});
    const auto routes = router.Take(102);
    ASSERT_EQ(routes.size(), 5u);
    EXPECT_EQ(routes[0].key.virtualKey, kF3);
    EXPECT_TRUE(routes[0].hasDevice) << "F3 keeps its own Raw Input view";
    for (size_t i = 0; i < routes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(routes[i].delivered);
        EXPECT_EQ(routes[i].record, i);
        EXPECT_EQ(routes[i].seenBy, kAll);
    }
    for (size_t i = 1; i < routes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(routes[i].key.packet);
        EXPECT_EQ(routes[i].key.up, i % 2 == 0) << "the window's direction";
        EXPECT_FALSE(routes[i].hasDevice) << "sent text comes from no device";
        EXPECT_TRUE(routes[i].injected);
    }
}

} // namespace
} // namespace zintar
