// The route watcher without a window in front: the hook's and Raw Input's views fed as their
// drains hand them over, the capture box's key messages as the window passes them on, the
// keyboard, the focus, the queue, the clock and the hotkey probe answered by the test, and
// the key history's rows read back. Real keys through the real hook are the end-to-end
// test's (tests/e2e/key_route.sh).
#include "ui/key_history/key_route_watch.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/key_history/key_event.h"
#include "core/key_history/key_rows.h"
#include "tests/support/input_double.h"

namespace zintar::test {
namespace {

constexpr uint8_t kTab = 0x09, kCtrl = 0x11, kAlt = 0x12, kA = 0x41, kB = 0x42, kF9 = 0x78,
                  kF13 = 0x7C;
constexpr uint64_t kKeyboard = 0x1234;
constexpr uint32_t kBase = 5'000'000; // the message clock when the test starts

class RouteWatch : public ::testing::Test {
  protected:
    void SetUp() override {
        // Only for what the watcher installs (the hook, Raw Input, its timer): a message-only
        // window, never in front.
        window_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr);
        ASSERT_NE(window_, nullptr);
        box_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 100, 20, window_, nullptr, nullptr,
                               nullptr);
        ASSERT_NE(box_, nullptr);
        input_.focus = box_;
        input_.tickCount = kBase;
        watch_.Start(window_, box_);
        watch_.OnForeground(true); // as the main window's activation says
        ASSERT_TRUE(watch_.gathering());
    }
    void TearDown() override {
        watch_.OnForeground(false);
        DestroyWindow(window_);
    }

    SeenKey Key(uint8_t vk, uint16_t scan, bool up, uint32_t at) const {
        return {vk, scan, false, up, kBase + at};
    }
    void Hook(uint8_t vk, uint16_t scan, bool up, uint32_t at, bool injected = false) {
        watch_.OnHookEvent({Key(vk, scan, up, at), injected, false, 0});
    }
    void Raw(uint8_t vk, uint16_t scan, bool up, uint32_t at, uint64_t device = kKeyboard) {
        watch_.OnRawEvent({Key(vk, scan, up, at), false, device});
    }
    void Message(uint8_t vk, uint16_t scan, bool up, uint32_t at) {
        const KeyMessageInput input{up ? KeyMessage::KeyUp : KeyMessage::KeyDown,
                                    vk,
                                    1u | (uint32_t{scan} << 16),
                                    kBase + at,
                                    0,
                                    kNoAnsiCode};
        watch_.OnKeyMessage(input, history_.Add(input) != nullptr);
    }
    // The watcher's timer at the clock's `at`.
    void Timer(uint32_t at) {
        input_.tickCount = kBase + at;
        watch_.Message(WM_TIMER, KeyRouteWatch::kTimerId, 0);
        rows_.Update();
    }
    // The keys that some view did not see settle on the timer once their wait is over.
    void SettleAfterTheWait(uint32_t lastAt = 100) { Timer(lastAt + KeyRouter::kDeliveryWaitMs); }
    // "delivered|injected|seen by" of a shown row.
    std::wstring Row(size_t row) const {
        return rows_.CellText(row, HistoryColumn::Delivered, Language::English) + L"|" +
               rows_.CellText(row, HistoryColumn::Injected, Language::English) + L"|" +
               rows_.CellText(row, HistoryColumn::SeenBy, Language::English);
    }

    HWND window_ = nullptr, box_ = nullptr;
    InputDouble input_;
    KeyHistory history_;
    KeyRows rows_{history_};
    int rowsChanged_ = 0;
    KeyRouteWatch watch_{history_, rows_, input_, [this] { ++rowsChanged_; }};
};

TEST_F(RouteWatch, TypedAndSentKeysAreDeliveredRowsWithTheirViewsAndMarks) {
    Hook(kA, 0x1E, false, 0);
    Raw(kA, 0x1E, false, 0);
    Message(kA, 0x1E, false, 0);
    Hook(kF13, 0x64, false, 5, true);
    Raw(kF13, 0x64, false, 5, 0);
    Message(kF13, 0x64, false, 5);
    Hook(kB, 0x30, false, 9);
    Message(kB, 0x30, false, 9); // Raw Input passed this one by
    SettleAfterTheWait();
    ASSERT_EQ(rows_.shownCount(), 3u);
    EXPECT_EQ(Row(0), L"yes||window, hook, raw input");
    EXPECT_EQ(Row(1), L"yes|yes|window, hook, raw input");
    EXPECT_EQ(Row(2), L"yes||window, hook");
    EXPECT_GT(rowsChanged_, 0) << "the window is told of the routes";
}

TEST_F(RouteWatch, AKeyTheWindowNeverGotIsARowWithItsReasonBeforeTheNextKey) {
    Hook(kAlt, 0x38, false, 0);
    Raw(kAlt, 0x38, false, 0);
    Message(kAlt, 0x38, false, 0);
    Hook(kTab, 0x0F, false, 20); // Alt+Tab: Windows keeps it
    Raw(kTab, 0x0F, false, 20);
    Hook(kAlt, 0x38, true, 40);
    Raw(kAlt, 0x38, true, 40);
    Message(kAlt, 0x38, true, 40);
    SettleAfterTheWait();
    ASSERT_EQ(rows_.shownCount(), 3u);
    EXPECT_EQ(Row(1), L"no (system shortcut)||hook, raw input");
    EXPECT_EQ(rows_.CellText(1, HistoryColumn::KeyCode, Language::English), L"9");
    EXPECT_EQ(Row(2), L"yes||window, hook, raw input");
    EXPECT_TRUE(input_.probes.empty()) << "the reason was known without a probe";
}

// The history started again while a key's views waited: nothing of it may fill a row of the
// new history, though the record numbers start again.
TEST_F(RouteWatch, AClearedHistoryTakesNoViewFromBeforeTheClear) {
    Message(kB, 0x30, false, 0);
    Hook(kA, 0x1E, false, 10, true);
    Raw(kA, 0x1E, false, 10);
    history_.Clear();
    Message(kA, 0x1E, false, 12);
    SettleAfterTheWait();
    ASSERT_EQ(rows_.shownCount(), 1u);
    EXPECT_EQ(Row(0), L"yes||window");
}

// Keys typed into a code box or the key history's list are no keys of the history: the views
// count only while the capture box has the focus.
TEST_F(RouteWatch, KeysCountOnlyWhileTheCaptureBoxHasTheFocus) {
    input_.focus = window_;
    Hook(kA, 0x1E, false, 0);
    Raw(kA, 0x1E, false, 0);
    SettleAfterTheWait(0);
    EXPECT_EQ(rows_.shownCount(), 0u) << "a key of another control is no row";
    input_.focus = box_;
    Hook(kB, 0x30, false, 400);
    Raw(kB, 0x30, false, 400);
    Message(kB, 0x30, false, 400);
    rows_.Update();
    ASSERT_EQ(rows_.shownCount(), 1u);
    EXPECT_EQ(Row(0), L"yes||window, hook, raw input");
}

// Under a burst or a loaded machine the hook runs far ahead of the queued messages: while key
// messages wait, a key's wait runs on the time of the newest message the window received, so
// a key whose message is still queued is not taken for one that went elsewhere.
TEST_F(RouteWatch, AWaitRunsOnMessageTimeWhileKeyMessagesAreQueued) {
    Hook(kB, 0x30, false, 0);
    Raw(kB, 0x30, false, 0);
    Message(kB, 0x30, false, 0);
    Hook(kA, 0x1E, false, 10);
    Raw(kA, 0x1E, false, 10);
    input_.keyMessagesQueued = true;
    Timer(10 + 4 * KeyRouter::kDeliveryWaitMs);
    ASSERT_EQ(rows_.shownCount(), 1u) << "A still waits for its message";
    input_.keyMessagesQueued = false;
    Message(kA, 0x1E, false, 10);
    Timer(10 + 5 * KeyRouter::kDeliveryWaitMs);
    ASSERT_EQ(rows_.shownCount(), 2u);
    EXPECT_EQ(Row(1), L"yes||window, hook, raw input");
}

// A combination that another window holds: its key-down reached no view but the hook. As
// Zintar loses the front it waits no longer for views that will not come, and the probe asks
// once the keys are up, though Zintar is no longer in front.
TEST_F(RouteWatch, AKeyThatWentElsewhereAsZintarLostTheFrontIsARowAtOnceAndProbed) {
    input_.hotkey = HotkeyAnswer::Taken;
    for (const uint8_t vk : {kCtrl, kAlt}) {
        Hook(vk, vk == kCtrl ? 0x1D : 0x38, false, 0);
        Raw(vk, vk == kCtrl ? 0x1D : 0x38, false, 0);
        Message(vk, vk == kCtrl ? 0x1D : 0x38, false, 0);
    }
    Hook(kF9, 0x43, false, 30);
    input_.tickCount = kBase + 40; // a moment after the keys
    watch_.OnForeground(false);
    EXPECT_FALSE(watch_.gathering());
    rows_.Update();
    ASSERT_EQ(rows_.shownCount(), 3u);
    EXPECT_EQ(Row(2), L"no (hotkey of another program)||hook");
    ASSERT_EQ(input_.probes.size(), 1u);
    EXPECT_EQ(input_.probes[0].virtualKey, kF9);
    EXPECT_EQ(input_.probes[0].modifiers, kHotkeyCtrl | kHotkeyAlt);
}

// Registering a combination while its keys are held can take the press from the program that
// expects it: a key that went elsewhere waits for its probe until no key is down, on the
// timer that runs on after Zintar lost the front, and is probed once.
TEST_F(RouteWatch, AKeyIsProbedOnlyOnceNoKeyIsDown) {
    input_.hotkey = HotkeyAnswer::Taken;
    input_.anyKeyDown = true;
    Hook(kCtrl, 0x1D, false, 0);
    Raw(kCtrl, 0x1D, false, 0);
    Message(kCtrl, 0x1D, false, 0);
    Hook(kF9, 0x43, false, 30);
    SettleAfterTheWait(30);
    ASSERT_EQ(rows_.shownCount(), 2u);
    EXPECT_EQ(Row(1), L"no||hook") << "a row at once, its reason to come";
    EXPECT_TRUE(input_.probes.empty());

    watch_.OnForeground(false);
    Timer(1000);
    EXPECT_TRUE(input_.probes.empty()) << "keys are still down";
    input_.anyKeyDown = false;
    const int changesBefore = rowsChanged_;
    Timer(1050);
    ASSERT_EQ(input_.probes.size(), 1u);
    EXPECT_EQ(input_.probes[0].virtualKey, kF9);
    EXPECT_EQ(input_.probes[0].modifiers, kHotkeyCtrl);
    EXPECT_EQ(Row(1), L"no (hotkey of another program)||hook");
    EXPECT_GT(rowsChanged_, changesBefore) << "the window shows the reason";
    Timer(1100);
    EXPECT_EQ(input_.probes.size(), 1u) << "probed once";
}

} // namespace
} // namespace zintar::test

namespace zintar::test {
namespace {

// Text sent without a key, as each view hands it over under Wine: the hook's VK_PACKET with the
// unit in its scan code, every one a key-down; the capture box's key messages with the unit in
// lParam's high word. Every row agrees: delivered, seen by the window and the hook, in the
// window's direction.
TEST_F(RouteWatch, SentTextRowsAgreeOnTheirViews) {
    for (uint16_t unit : {uint16_t{0x0151}, uint16_t{0xD83D}, uint16_t{0xDE00}}) {
        for (bool up : {false, true}) {
            SeenKey key{VK_PACKET, unit, false, false, kBase + 5};
            key.packet = true;
            watch_.OnHookEvent({key, true, false, 0});
            const KeyMessageInput input{up ? KeyMessage::KeyUp : KeyMessage::KeyDown,
                                        VK_PACKET,
                                        (uint32_t{unit} << 16) | 1,
                                        kBase + 5,
                                        0,
                                        kNoAnsiCode};
            watch_.OnKeyMessage(input, history_.Add(input) != nullptr);
        }
    }
    SettleAfterTheWait(5);
    ASSERT_EQ(rows_.shownCount(), 6u);
    for (size_t row = 0; row < 6; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(Row(row), L"yes|yes|window, hook");
        EXPECT_EQ(rows_.CellText(row, HistoryColumn::Message, Language::English),
                  row % 2 == 0 ? L"key down" : L"key up");
        EXPECT_EQ(rows_.CellText(row, HistoryColumn::Device, Language::English), L"");
    }
}

} // namespace
} // namespace zintar::test
