// The keys' times and state without a window in front: key messages and the hook's keys fed
// as the key recorder and the route watch hand them over, the views answered by the test
// (tests/support/input_double.h), and the timer that reads them watched in a message-only
// window. Which texts a row or a cell shows is the core's (tests/core/key_state/); real keys
// and the real hook are the end-to-end test's (tests/e2e/key_state.sh).
#include "ui/key_history/key_state_tracker.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/key_history/key_event.h"
#include "tests/support/input_double.h"
#include "ui/key_history/key_recorder.h"

namespace zintar::test {
namespace {

constexpr uint8_t kA = 0x41, kF9 = 0x78, kLeftShift = 0xA0;
constexpr uint32_t kAScan = 0x1E, kF9Scan = 0x43;
constexpr uint32_t kReleased = 3u << 30;

KeyMessageInput Key(bool up, uint8_t vk, uint32_t scan, uint32_t at) {
    return {up ? KeyMessage::KeyUp : KeyMessage::KeyDown,
            vk,
            1u | (scan << 16) | (up ? kReleased : 0),
            at,
            0,
            kNoAnsiCode};
}
HookKeyEvent HookKey(bool up, uint8_t vk, uint16_t scan, uint32_t at) {
    return {{vk, scan, false, up, at}, false, false, 0};
}

HWND MessageOnlyWindow() {
    return CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                           nullptr);
}

// The timer's ticks that reach the window within `ms`, through its message queue.
int TicksWithin(HWND window, DWORD ms) {
    int ticks = 0;
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        MSG msg;
        while (PeekMessageW(&msg, window, WM_TIMER, WM_TIMER, PM_REMOVE))
            ticks += msg.wParam == KeyStateTracker::kTimerId ? 1 : 0;
        Sleep(10);
    }
    return ticks;
}

class KeyState : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = MessageOnlyWindow();
        ASSERT_NE(window_, nullptr);
        tracker_.SetWindow(window_);
        tracker_.SetShown(true);
        tracker_.OnGathering(true, true); // Zintar in front, the hook installed
    }
    void TearDown() override {
        tracker_.SetWindow(nullptr);
        DestroyWindow(window_);
    }
    void Message(bool up, uint8_t vk, uint32_t scan, uint32_t at = 0) {
        const KeyMessageInput input = Key(up, vk, scan, at);
        if (history_.Add(input))
            tracker_.OnKeyMessage(input);
    }
    // The thread's and the hardware's views of one key.
    void Hold(uint8_t vk, bool down) {
        input_.keyboard[vk] = down ? 0x80 : 0;
        input_.asyncDown[vk] = down;
    }
    bool Lists(uint8_t vk) const {
        for (const KeyStateRow& row : tracker_.rows())
            if (row.virtualKey == vk)
                return true;
        return false;
    }

    HWND window_ = nullptr;
    InputDouble input_;
    KeyHistory history_;
    int changes_ = 0;
    KeyStateTracker tracker_{history_, input_, [this] { ++changes_; }};
};

TEST_F(KeyState, AKeyDownStartsTheTimerWhichStopsOnceNothingIsHeld) {
    EXPECT_EQ(input_.asyncReads, 1) << "read once as Zintar came to the front";
    EXPECT_FALSE(tracker_.timerRunning()) << "nothing held: no timer";

    Hold(kA, true);
    Message(false, kA, kAScan);
    EXPECT_TRUE(tracker_.timerRunning());
    EXPECT_GT(TicksWithin(window_, 350), 0) << "a real timer of the window";
    tracker_.OnTimer();
    EXPECT_TRUE(Lists(kA));
    EXPECT_TRUE(tracker_.timerRunning()) << "the key is still held";

    Hold(kA, false);
    Message(true, kA, kAScan);
    const int changesBefore = changes_;
    tracker_.OnTimer();
    EXPECT_FALSE(Lists(kA));
    EXPECT_GT(changes_, changesBefore) << "the section is told of the new rows";
    EXPECT_FALSE(tracker_.timerRunning());
    TicksWithin(window_, 20); // a tick that came due before
    EXPECT_EQ(TicksWithin(window_, 350), 0) << "the system's timer is gone too";
}

// A key that only the hook holds (a program's key-down that the window never received) keeps
// the timer running as much as one the thread's state holds.
TEST_F(KeyState, AHookKeyStartsTheTimerAndKeepsItWhileTheHookHoldsTheKey) {
    tracker_.OnHookKey(HookKey(false, kLeftShift, 0x2A, 100));
    EXPECT_TRUE(tracker_.timerRunning());
    tracker_.OnTimer();
    EXPECT_TRUE(tracker_.timerRunning());
    EXPECT_TRUE(Lists(kLeftShift)) << "the row names the side the hook saw";
    tracker_.OnHookKey(HookKey(true, kLeftShift, 0x2A, 400));
    tracker_.OnTimer();
    EXPECT_FALSE(tracker_.timerRunning());
}

// No key of another program is read, and nothing runs for a window that is not shown.
TEST_F(KeyState, NothingIsReadWhileZintarIsNotInFrontOrTheWindowIsClosed) {
    Hold(kA, true);
    Message(false, kA, kAScan);
    ASSERT_TRUE(tracker_.timerRunning());
    const int readsBefore = input_.asyncReads;
    tracker_.OnGathering(false, false);
    EXPECT_FALSE(tracker_.timerRunning());
    EXPECT_TRUE(tracker_.rows().empty()) << "what was read goes with the front";
    Message(false, kA, kAScan);
    tracker_.OnHookKey(HookKey(false, kA, kAScan, 10));
    EXPECT_FALSE(tracker_.timerRunning());

    tracker_.SetShown(false);
    tracker_.OnGathering(true, true);
    Message(false, kA, kAScan);
    EXPECT_FALSE(tracker_.timerRunning());
    EXPECT_EQ(input_.asyncReads, readsBefore) << "no view was read";
    tracker_.SetShown(true);
    EXPECT_EQ(input_.asyncReads, readsBefore + 1) << "shown again: read at once";
    EXPECT_TRUE(tracker_.timerRunning()) << "A is still held";
}

// The key recorder's wiring: a key message's times reach its row, and a key-down that only the
// hook saw (another program took it) through the route watch gives its key-up a time.
TEST(KeyTimesInTheRows, ReachTheRowsFromTheMessagesAndFromTheHook) {
    InputDouble input;
    KeyRecorder recorder(input);
    const HWND window = MessageOnlyWindow();
    ASSERT_NE(window, nullptr);
    recorder.routeWatch().Start(window, window);
    recorder.routeWatch().OnForeground(true);
    ASSERT_TRUE(recorder.routeWatch().gathering());

    recorder.OnKeyMessage(Key(false, kA, kAScan, 1000));
    recorder.OnKeyMessage(Key(true, kA, kAScan, 1300));
    recorder.OnKeyMessage(Key(false, kA, kAScan, 1310));
    recorder.routeWatch().OnHookEvent(HookKey(false, kF9, kF9Scan, 2030));
    recorder.OnKeyMessage(Key(true, kF9, kF9Scan, 2500));
    KeyRows& rows = recorder.rows();
    rows.Update();
    ASSERT_EQ(rows.shownCount(), 4u);
    const auto cell = [&](size_t row, HistoryColumn column) {
        return rows.CellText(row, column, Language::English);
    };
    EXPECT_EQ(cell(1, HistoryColumn::Held), L"300");
    EXPECT_EQ(cell(2, HistoryColumn::SinceRelease), L"10");
    EXPECT_EQ(cell(2, HistoryColumn::Chatter), L"yes");
    EXPECT_EQ(cell(3, HistoryColumn::Held), L"470") << "from the hook's key-down";
    recorder.routeWatch().OnForeground(false);
    DestroyWindow(window);
}

} // namespace
} // namespace zintar::test
