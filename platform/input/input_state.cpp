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
