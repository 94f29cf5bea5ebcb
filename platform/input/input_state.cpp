#include "platform/input/input_state.h"

#include "platform/input/hotkey_probe.h"
#include "platform/input/layout_registry.h"

namespace zintar::win32 {

namespace {

class SystemInputState final : public InputState {
  public:
    bool KeyboardState(std::array<BYTE, 256>& keys) override {
        return GetKeyboardState(keys.data()) != FALSE;
    }
    bool AnyKeyDown() override { return win32::AnyKeyDown(); }
    HWND Focus() override { return GetFocus(); }
    bool KeyMessagesQueued() override { return (HIWORD(GetQueueStatus(QS_KEY)) & QS_KEY) != 0; }
    uint32_t TickCount() override { return GetTickCount(); }
    uint32_t MessageTime() override { return static_cast<uint32_t>(GetMessageTime()); }
    HotkeyAnswer ProbeHotkey(HWND window, Shortcut shortcut) override {
        return win32::ProbeHotkey(window, shortcut);
    }
    HKL ActiveLayout() override { return GetKeyboardLayout(0); }
    LayoutIdentity ReadActiveLayout() override { return win32::ReadActiveLayout(); }
    KeyOnLayout ReadKeyOnLayout(UINT virtualKey, UINT scanCode, HKL layout) override {
        return win32::ReadKeyOnLayout(virtualKey, scanCode, layout);
    }
    void AsyncKeyStates(std::array<bool, 256>& down) override {
        for (size_t key = 0; key < down.size(); ++key)
            down[key] = GetAsyncKeyState(static_cast<int>(key)) < 0;
    }
    std::optional<RepeatSetting> KeyboardRepeatSetting() override {
        UINT delay = 0;
        DWORD speed = 0;
        if (!SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &delay, 0) ||
            !SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &speed, 0))
            return std::nullopt;
        return RepeatSetting{delay, speed};
    }
    LayoutReadResult ReadLayoutOfKlid(const std::wstring& klid) override {
        return win32::ReadLayoutOfKlid(klid);
    }
};

} // namespace

InputState& SystemInput() {
    // Holds nothing: one for every thread that asks.
    static SystemInputState system;
    return system;
}

} // namespace zintar::win32
