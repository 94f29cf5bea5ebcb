// The keyboard as the platform reads it: the modifiers of a key message from the thread's
// keyboard state, and the hotkey probe, which must never leave a combination registered.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>

#include "platform/input/hotkey_probe.h"
#include "platform/input/keyboard.h"

namespace {

using namespace zintar;
using namespace zintar::win32;

void SetKeys(std::initializer_list<int> down) {
    std::array<BYTE, 256> state{};
    for (int key : down)
        state[static_cast<size_t>(key)] = 0x80;
    SetKeyboardState(state.data());
}

TEST(Keyboard, ModifiersFromTheGenericKeysOfTheThreadsState) {
    SetKeys({});
    EXPECT_EQ(ModifiersOfKeyMessage(), 0);
    SetKeys({VK_SHIFT, VK_MENU});
    EXPECT_EQ(ModifiersOfKeyMessage(), kModifierShift | kModifierAlt);
    SetKeys({VK_CONTROL, VK_SHIFT, VK_MENU, 'A'});
    EXPECT_EQ(ModifiersOfKeyMessage(), 7);
    // The Windows keys are no part of the mask.
    SetKeys({VK_LWIN, VK_RWIN});
    EXPECT_EQ(ModifiersOfKeyMessage(), 0);
    SetKeys({});
}

class HotkeyProbeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override { DestroyWindow(window_); }
    HWND window_ = nullptr;
};

// A free combination is free, and stays free for the next program: the probe gave it back.
TEST_F(HotkeyProbeTest, AFreeCombinationIsGivenBack) {
    const Shortcut shortcut{VK_F9, kHotkeyCtrl | kHotkeyShift};
    EXPECT_EQ(ProbeHotkey(window_, shortcut), HotkeyAnswer::Free);
    ASSERT_TRUE(RegisterHotKey(window_, 7, MOD_CONTROL | MOD_SHIFT, VK_F9));
    UnregisterHotKey(window_, 7);
}

// Held by another window of the desktop, the combination is taken; Windows' own shortcuts
// are reserved without a registration.
TEST_F(HotkeyProbeTest, TakenAndReserved) {
    HWND holder = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(RegisterHotKey(holder, 1, MOD_CONTROL | MOD_ALT, VK_F8));
    EXPECT_EQ(ProbeHotkey(window_, {VK_F8, kHotkeyCtrl | kHotkeyAlt}), HotkeyAnswer::Taken);
    UnregisterHotKey(holder, 1);
    DestroyWindow(holder);
    EXPECT_EQ(ProbeHotkey(window_, {'L', kHotkeyWin}), HotkeyAnswer::ReservedByWindows);
}

} // namespace
