#pragma once
// An InputState with the answers a test sets, counting what the real system would have to
// work for (the layout reads, the hotkey probes), so that what decides by the keyboard, the
// focus, the queue and the clock runs without a window in front, keys held down or another
// program holding a hotkey.
#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/input/input_state.h"

namespace zintar::test {

struct InputDouble final : win32::InputState {
    // The answers.
    std::array<BYTE, 256> keyboard{};
    bool keyboardReadFails = false;
    bool anyKeyDown = false;
    HWND focus = nullptr;
    bool keyMessagesQueued = false;
    uint32_t tickCount = 0;
    uint32_t messageTime = 0;
    HotkeyAnswer hotkey = HotkeyAnswer::Free;
    HKL layout = reinterpret_cast<HKL>(static_cast<uintptr_t>(0x040E040E));
    win32::LayoutIdentity identity{L"0000040E", L"Hungarian", 1250, 852};
    win32::KeyOnLayout typed{};
    std::array<bool, 256> asyncDown{};
    std::optional<RepeatSetting> repeatSetting = RepeatSetting{1, 31};

    // What was asked.
    std::vector<Shortcut> probes; // in order
    int identityReads = 0;
    std::vector<UINT> keyReads;            // the virtual key of each read, in order
    int asyncReads = 0;                    // readings of every key's GetAsyncKeyState
    std::vector<std::wstring> layoutReads; // the KLID of each layout read, in order

    bool KeyboardState(std::array<BYTE, 256>& keys) override {
        keys = keyboard;
        return !keyboardReadFails;
    }
    bool AnyKeyDown() override { return anyKeyDown; }
    HWND Focus() override { return focus; }
    bool KeyMessagesQueued() override { return keyMessagesQueued; }
    uint32_t TickCount() override { return tickCount; }
    uint32_t MessageTime() override { return messageTime; }
    HotkeyAnswer ProbeHotkey(HWND, Shortcut shortcut) override {
        probes.push_back(shortcut);
        return hotkey;
    }
    HKL ActiveLayout() override { return layout; }
    win32::LayoutIdentity ReadActiveLayout() override {
        ++identityReads;
        return identity;
    }
    win32::KeyOnLayout ReadKeyOnLayout(UINT virtualKey, UINT, HKL) override {
        keyReads.push_back(virtualKey);
        return typed;
    }
    void AsyncKeyStates(std::array<bool, 256>& down) override {
        ++asyncReads;
        down = asyncDown;
    }
    std::optional<RepeatSetting> KeyboardRepeatSetting() override { return repeatSetting; }
    // The system's own read: the registry and the layout DLLs of the test prefix, where
    // the test layouts may be installed (tests/unit/keyboard_layout/install_test_layouts.sh).
    LayoutReadResult ReadLayoutOfKlid(const std::wstring& klid) override {
        layoutReads.push_back(klid);
        return win32::SystemInput().ReadLayoutOfKlid(klid);
    }
};

} // namespace zintar::test
