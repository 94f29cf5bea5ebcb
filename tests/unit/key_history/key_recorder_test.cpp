// The key recorder as a whole without a window in front: the key history window opened beside
// a stand-in main window, the views of each key fed as the hook and the capture box hand them
// over, the clock and the hotkey probe answered by the test, the details pane read back.
#include "ui/key_history/key_recorder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/input_double.h"

namespace zintar::test {
namespace {

constexpr uint8_t kShiftKey = 0x10, kCtrlKey = 0x11, kF9 = 0x78;
constexpr uint8_t kShiftHeld = 1, kCtrlHeld = 2; // a key message's modifier bits
constexpr uint32_t kBase = 7'000'000;

class Recorder : public ::testing::Test {
  protected:
    void SetUp() override {
        main_ = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 400, 300, nullptr, nullptr,
                                nullptr, nullptr);
        ASSERT_NE(main_, nullptr);
        box_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 100, 20, main_, nullptr, nullptr,
                               nullptr);
        input_.focus = box_;
        input_.tickCount = kBase;
        recorder_.Open(GetModuleHandleW(nullptr), main_, box_);
        recorder_.OnActivateApp(true); // Zintar in front: the views gather
        ASSERT_TRUE(recorder_.routeWatch().gathering());
    }
    void TearDown() override {
        recorder_.OnDestroy();
        DestroyWindow(main_);
    }

    void Hook(uint8_t vk, uint8_t scan, bool up, uint32_t at) {
        recorder_.routeWatch().OnHookEvent({{vk, scan, false, up, kBase + at}, false, false, 0});
    }
    void Message(uint8_t vk, uint8_t scan, bool up, uint8_t held, uint32_t at) {
        recorder_.OnKeyMessage({up ? KeyMessage::KeyUp : KeyMessage::KeyDown, vk,
                                1u | (uint32_t{scan} << 16) | (up ? 3u << 30 : 0), kBase + at, held,
                                kNoAnsiCode});
    }
    std::wstring Pane(DetailRow row) {
        wchar_t text[256]{};
        GetWindowTextW(recorder_.window().pane().valueControl(row), text, 256);
        return text;
    }

    HWND main_ = nullptr, box_ = nullptr;
    InputDouble input_;
    KeyRecorder recorder_{input_};
};

// Another program holds Ctrl+Shift+F9: the window gets Ctrl and Shift going down, F9's key-up,
// and F9's key-down only as the hook saw it. Once that key's route has settled and its probe
// answered, the pane, with nothing selected, shows F9 taken, not Shift as "a modifier alone".
TEST_F(Recorder, ThePaneShowsTheKeyThatAnotherProgramTook) {
    input_.hotkey = HotkeyAnswer::Taken;
    Hook(kCtrlKey, 0x1D, false, 0);
    Message(kCtrlKey, 0x1D, false, kCtrlHeld, 0);
    Hook(kShiftKey, 0x2A, false, 10);
    Message(kShiftKey, 0x2A, false, kCtrlHeld | kShiftHeld, 10);
    Hook(kF9, 0x43, false, 20); // the holder's
    recorder_.window().BringUpToDate();
    EXPECT_EQ(Pane(DetailRow::Shortcut), L"a modifier alone") << "F9's row is not there yet";
    Hook(kF9, 0x43, true, 60);
    Message(kF9, 0x43, true, kCtrlHeld | kShiftHeld, 60);
    input_.tickCount = kBase + 60 + KeyRouter::kDeliveryWaitMs + 100;
    recorder_.Message(WM_TIMER, KeyRouteWatch::kTimerId, 0);
    recorder_.window().BringUpToDate();
    EXPECT_EQ(Pane(DetailRow::VirtualKey), L"120 0x78 VK_F9");
    EXPECT_EQ(Pane(DetailRow::WinFormsKeys), L"Keys.Control | Keys.Shift | Keys.F9");
    EXPECT_EQ(Pane(DetailRow::Shortcut), L"taken by another program");
}

} // namespace
} // namespace zintar::test
