// The route watcher in this process: the hook's and Raw Input's views fed as their drains
// hand them over, the capture box's key messages as the window passes them on, and the key
// history's rows read back. Real keys through the real hook are the end-to-end test's
// (tests/e2e/key_route.sh).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/key_history/key_event.h"
#include "core/key_history/key_rows.h"
#include "ui/key_history/history_window.h"
#include "ui/key_history/key_route_watch.h"

namespace zintar::test {
namespace {

constexpr uint8_t kTab = 0x09, kCtrl = 0x11, kAlt = 0x12, kA = 0x41, kB = 0x42, kF9 = 0x78,
                  kF13 = 0x7C;
constexpr uint64_t kKeyboard = 0x1234;

class RouteWatch : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ =
            CreateWindowExW(0, L"STATIC", L"route watch test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                            0, 300, 200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
        box_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, window_,
                               nullptr, nullptr, nullptr);
        ASSERT_NE(box_, nullptr);
        SetForegroundWindow(window_);
        SetFocus(box_);
        watch_.Start(window_, box_);
        ASSERT_TRUE(watch_.gathering()) << "the test window is in front";
        base_ = GetTickCount() - 100; // the keys of a moment ago, as real ones are
    }
    void TearDown() override {
        watch_.OnForeground(false);
        DestroyWindow(window_);
    }

    SeenKey Key(uint8_t vk, uint16_t scan, bool up, uint32_t at) const {
        return {vk, scan, false, up, base_ + at};
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
                                    base_ + at,
                                    0,
                                    kNoAnsiCode};
        watch_.OnKeyMessage(input, history_.Add(input) != nullptr);
    }
    // The keys that some view did not see settle on the watcher's timer once their wait is over.
    void SettleAfterTheWait() {
        Sleep(KeyRouter::kDeliveryWaitMs + 50);
        watch_.Message(WM_TIMER, KeyRouteWatch::kTimerId, 0);
        rows_.Update();
    }
    // "delivered|injected|seen by" of a shown row.
    std::wstring Row(size_t row) const {
        return rows_.CellText(row, HistoryColumn::Delivered, Language::English) + L"|" +
               rows_.CellText(row, HistoryColumn::Injected, Language::English) + L"|" +
               rows_.CellText(row, HistoryColumn::SeenBy, Language::English);
    }

    HWND window_ = nullptr, box_ = nullptr;
    uint32_t base_ = 0;
    KeyHistory history_;
    KeyRows rows_{history_};
    HistoryWindow historyWindow_{history_, rows_};
    KeyRouteWatch watch_{history_, rows_, historyWindow_};
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

// A combination that another window holds: its key-down reached no view but the hook. As
// Zintar loses the front it waits no longer for views that will not come, and the probe asks
// once the keys are up, though Zintar is no longer in front.
TEST_F(RouteWatch, AKeyThatWentElsewhereAsZintarLostTheFrontIsARowAtOnceAndProbed) {
    const HWND holder =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(holder, 1, MOD_CONTROL | MOD_ALT, kF9));
    for (const uint8_t vk : {kCtrl, kAlt}) {
        Hook(vk, vk == kCtrl ? 0x1D : 0x38, false, 0);
        Raw(vk, vk == kCtrl ? 0x1D : 0x38, false, 0);
        Message(vk, vk == kCtrl ? 0x1D : 0x38, false, 0);
    }
    Hook(kF9, 0x43, false, 30);
    watch_.OnForeground(false);
    EXPECT_FALSE(watch_.gathering());
    rows_.Update();
    UnregisterHotKey(holder, 1);
    DestroyWindow(holder);
    ASSERT_EQ(rows_.shownCount(), 3u);
    EXPECT_EQ(Row(2), L"no (hotkey of another program)||hook");
}

} // namespace
} // namespace zintar::test
