#include "core/key_state/key_views.h"

#include <gtest/gtest.h>

#include "core/key_state/key_views_text.h"

namespace zintar {
namespace {

constexpr uint8_t kShift = 0x10, kMenu = 0x12, kCapsLock = 0x14, kLeftWin = 0x5B;
constexpr uint8_t kA = 0x41, kNumLock = 0x90, kLeftShift = 0xA0, kRightShift = 0xA1;
constexpr uint8_t kLeftButton = 0x01;
constexpr KeyViewMask kThread = 1, kHardware = 2, kHook = 4;
constexpr uint32_t kGrace = KeyStateWatch::kGraceMs;

struct Reading : KeyViewsReading {
    Reading() : KeyViewsReading{} {}
    Reading& Hold(uint8_t code, KeyViewMask views) {
        if (views & kThread)
            keyboardState[code] |= 0x80;
        if (views & kHardware)
            asyncDown[code] = true;
        return *this;
    }
};

KeyStroke HookKey(uint8_t vk, bool up, uint32_t time) {
    return {vk, 0, false, up, false, time};
}

const KeyStateRow* RowOf(const std::vector<KeyStateRow>& rows, uint8_t vk) {
    for (const KeyStateRow& row : rows)
        if (row.virtualKey == vk)
            return &row;
    return nullptr;
}

// The hook has run since 0 with every key up, then the views come to hold A: the hook sees
// its key-down 100 ms before the reading.
KeyStateWatch WatchHolding(KeyViewMask views, uint32_t readMs) {
    KeyStateWatch watch;
    watch.StartHook();
    watch.Observe(Reading(), 0);
    if (views & kHook)
        watch.AddHook(HookKey(kA, false, readMs - 100));
    watch.Observe(Reading().Hold(kA, views), readMs);
    return watch;
}

TEST(KeyStateWatch, AKeyThatSomeViewsHoldAndOthersNotIsStuckAfterTheGrace) {
    for (KeyViewMask holders : {kThread, kHardware, kHook, KeyViewMask(kThread | kHardware),
                                KeyViewMask(kThread | kHook), KeyViewMask(kHardware | kHook)}) {
        KeyStateWatch watch = WatchHolding(holders, 1000);
        const Reading reading = Reading().Hold(kA, holders);
        watch.Observe(reading, 1000 + kGrace - 1);
        const auto early = watch.Rows(1000 + kGrace - 1);
        ASSERT_TRUE(RowOf(early, kA)) << int(holders);
        EXPECT_FALSE(RowOf(early, kA)->stuck) << int(holders) << ": views catch up in the grace";
        watch.Observe(reading, 3300);
        const auto rows = watch.Rows(3300);
        const KeyStateRow* row = RowOf(rows, kA);
        ASSERT_TRUE(row) << int(holders);
        EXPECT_TRUE(row->stuck) << int(holders);
        EXPECT_EQ(row->held, holders);
        // From the hook's key-down where it holds the key, else from the first reading.
        EXPECT_EQ(row->stuckForMs, holders & kHook ? 2400u : 2300u) << int(holders);
        EXPECT_TRUE(watch.AnythingHeld());
    }
    KeyStateWatch agreeing = WatchHolding(kThread | kHardware | kHook, 1000);
    agreeing.Observe(Reading().Hold(kA, kThread | kHardware), 5000);
    EXPECT_FALSE(RowOf(agreeing.Rows(5000), kA)->stuck);
}

// A program's key-down that it never released: every view rightly holds the key, which is
// stuck once a program's key-down has held it longer than a program's own shortcut takes. A
// typed key held as long is not, and a keyboard's repeat of the key shows a finger on it.
TEST(KeyStateWatch, AProgramsKeyDownThatStaysIsStuckThoughEveryViewAgrees) {
    constexpr uint32_t kSentHold = KeyStateWatch::kSentHoldMs;
    const Reading held =
        Reading().Hold(kShift, kThread | kHardware).Hold(kLeftShift, kThread | kHardware);
    for (const bool sent : {true, false}) {
        KeyStateWatch watch;
        watch.StartHook();
        watch.Observe(Reading(), 0);
        KeyStroke down = HookKey(kLeftShift, false, 100);
        down.injected = sent;
        watch.AddHook(down);
        watch.Observe(held, 100 + kSentHold - 1);
        ASSERT_TRUE(RowOf(watch.Rows(100 + kSentHold - 1), kLeftShift)) << sent;
        EXPECT_FALSE(RowOf(watch.Rows(100 + kSentHold - 1), kLeftShift)->stuck) << sent;
        watch.Observe(held, 2400);
        const auto rows = watch.Rows(2400);
        const KeyStateRow& row = *RowOf(rows, kLeftShift);
        EXPECT_EQ(row.stuck, sent);
        if (!sent)
            continue;
        EXPECT_EQ(row.stuckForMs, 2300u) << "since the program's key-down";
        EXPECT_EQ(KeyStateCellText(row, KeyStateColumn::Stuck, Language::English),
                  L"yes: sent by a program, held in GetKeyState, GetAsyncKeyState and Hook, 2.3 s");
        EXPECT_EQ(KeyStateCellText(row, KeyStateColumn::Stuck, Language::Hungarian),
                  L"igen: program k\u00FCldte, lenyomva: GetKeyState, GetAsyncKeyState \u00E9s "
                  L"Hook, 2,3 mp");

        watch.AddHook(HookKey(kLeftShift, false, 2450)); // the keyboard repeats it
        watch.Observe(held, 2500);
        EXPECT_FALSE(RowOf(watch.Rows(2500), kLeftShift)->stuck);
    }
}

TEST(KeyStateWatch, TheGraceStartsAgainOnceTheViewsAgreed) {
    KeyStateWatch watch = WatchHolding(kHook, 1000);
    watch.Observe(Reading().Hold(kA, kThread | kHardware), 1100);
    watch.AddHook(HookKey(kA, true, 1200));
    watch.Observe(Reading().Hold(kA, kThread), 1210);
    watch.Observe(Reading().Hold(kA, kThread), 1400);
    EXPECT_FALSE(RowOf(watch.Rows(1400), kA)->stuck) << "disagreeing since 1210 only";
    watch.Observe(Reading().Hold(kA, kThread), 1460);
    const auto rows = watch.Rows(1460);
    EXPECT_TRUE(RowOf(rows, kA)->stuck);
    EXPECT_EQ(RowOf(rows, kA)->stuckForMs, 250u);
    EXPECT_EQ(KeyStateCellText(*RowOf(rows, kA), KeyStateColumn::Stuck, Language::English),
              L"yes: only GetKeyState, 0.3 s");
}

TEST(KeyStateWatch, ShiftIsOneRowWhicheverCodeAViewNames) {
    KeyStateWatch watch;
    watch.StartHook();
    watch.Observe(Reading(), 0);
    watch.AddHook(HookKey(kLeftShift, false, 100));
    // The thread names both codes, the hardware view only the generic one.
    watch.Observe(Reading().Hold(kShift, kThread | kHardware).Hold(kLeftShift, kThread), 100);
    watch.Observe(Reading().Hold(kShift, kThread | kHardware).Hold(kLeftShift, kThread), 2000);
    auto rows = watch.Rows(2000);
    ASSERT_EQ(rows.size(), 5u) << "Shift, and the four toggle keys after it";
    EXPECT_EQ(rows[0].virtualKey, kLeftShift) << "only the left side is named";
    EXPECT_EQ(rows[0].held, kThread | kHardware | kHook);
    EXPECT_FALSE(rows[0].stuck);

    watch.AddHook(HookKey(kRightShift, false, 2100));
    watch.Observe(Reading().Hold(kShift, kThread | kHardware).Hold(kLeftShift, kThread), 2100);
    EXPECT_EQ(watch.Rows(2100)[0].virtualKey, kShift) << "both sides held";
}

TEST(KeyStateWatch, TogglesAndMouseButtonsAreNotHeldKeys) {
    KeyStateWatch watch;
    watch.StartHook();
    Reading reading;
    reading.keyboardState[kCapsLock] = 0x01;
    reading.Hold(kLeftButton, kThread | kHardware);
    watch.Observe(reading, 0);
    watch.Observe(reading, 5000);
    EXPECT_FALSE(watch.AnythingHeld());
    const auto rows = watch.Rows(5000);
    ASSERT_EQ(rows.size(), 4u) << "Caps Lock, Kana, Num Lock, Scroll Lock";
    const KeyStateRow* caps = RowOf(rows, kCapsLock);
    ASSERT_TRUE(caps);
    EXPECT_EQ(caps->held, 0);
    EXPECT_FALSE(caps->stuck);
    EXPECT_EQ(KeyStateCellText(*caps, KeyStateColumn::GetKeyState, Language::English), L"up, on");
    EXPECT_EQ(
        KeyStateCellText(*RowOf(rows, kNumLock), KeyStateColumn::GetKeyState, Language::Hungarian),
        L"felengedve, ki");
}

// A low list shows its first rows: the keys held come before the toggle keys, also a held
// key whose code is above theirs.
TEST(KeyStateWatch, TheKeysHeldComeBeforeTheToggleKeys) {
    KeyStateWatch watch;
    watch.StartHook();
    const Reading reading = Reading().Hold(kA, kThread | kHardware).Hold(kNumLock, kThread);
    watch.Observe(reading, 0);
    std::vector<uint8_t> order;
    for (const KeyStateRow& row : watch.Rows(0))
        order.push_back(row.virtualKey);
    EXPECT_EQ(order, (std::vector<uint8_t>{kA, kNumLock, kCapsLock, 0x15, 0x91}));
}

TEST(KeyStateWatch, TheHookCannotTellOfAKeyThatWentDownBeforeItStarted) {
    // Alt+Tab into the window with Alt still held, and a Windows key that Win+L left down in
    // the thread's state.
    KeyStateWatch watch;
    watch.StartHook();
    const Reading reading = Reading().Hold(kMenu, kThread | kHardware).Hold(kLeftWin, kThread);
    watch.Observe(reading, 0);
    watch.Observe(reading, 4000);
    const auto rows = watch.Rows(4000);
    EXPECT_FALSE(RowOf(rows, kMenu)->stuck);
    EXPECT_EQ(RowOf(rows, kMenu)->known, kThread | kHardware);
    EXPECT_EQ(KeyStateCellText(*RowOf(rows, kMenu), KeyStateColumn::Hook, Language::English),
              L"unknown");
    EXPECT_TRUE(RowOf(rows, kLeftWin)->stuck);
    EXPECT_EQ(KeyStateCellText(*RowOf(rows, kLeftWin), KeyStateColumn::Stuck, Language::Hungarian),
              L"igen: csak GetKeyState, 4,0 mp");

    // Once Alt went up the hook sees its next press: the hook answers for it again.
    watch.AddHook(HookKey(kMenu, true, 4100));
    watch.Observe(Reading().Hold(kLeftWin, kThread), 4100);
    watch.AddHook(HookKey(kMenu, false, 4200));
    watch.Observe(Reading().Hold(kMenu, kHardware).Hold(kLeftWin, kThread), 4200);
    watch.Observe(Reading().Hold(kMenu, kHardware).Hold(kLeftWin, kThread), 4600);
    const auto later = watch.Rows(4600);
    const KeyStateRow* alt = RowOf(later, kMenu);
    EXPECT_TRUE(alt->stuck);
    EXPECT_EQ(KeyStateCellText(*alt, KeyStateColumn::Stuck, Language::English),
              L"yes: only GetAsyncKeyState and Hook, 0.4 s");
}

TEST(KeyStateWatch, NothingIsHeldOnceEveryViewLetGo) {
    KeyStateWatch watch;
    EXPECT_FALSE(watch.AnythingHeld());
    watch.StartHook();
    watch.AddHook(HookKey(kA, false, 10));
    EXPECT_TRUE(watch.AnythingHeld()) << "the hook's key-down starts the timer";
    watch.AddHook(HookKey(kA, true, 20));
    watch.Observe(Reading().Hold(kA, kThread), 20);
    EXPECT_TRUE(watch.AnythingHeld()) << "the thread has not caught up";
    watch.Observe(Reading(), 30);
    EXPECT_FALSE(watch.AnythingHeld());
}

} // namespace
} // namespace zintar
