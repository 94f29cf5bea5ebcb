#pragma once
// What the window layer reads of the input system: the keyboard state, the focus, the key
// messages waiting in the queue, the clock, the hotkey probe and the active layout. Everything
// that decides by these answers takes them from one InputState, so a test can give answers
// of its own and count the reads without a window in front or keys held down.
#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/common/hotkey.h"
#include "core/key_state/key_repeat.h"
#include "core/keyboard_layout/layout_image.h"
#include "platform/input/keyboard_layout_reader.h"

namespace zintar::win32 {

class InputState {
  public:
    // GetKeyboardState: one byte per virtual key (0x80 down, 0x01 toggled); false when the
    // system could not say, and then the bytes are no answer.
    virtual bool KeyboardState(std::array<BYTE, 256>& keys) = 0;
    // Whether any key is down now, whoever has the keyboard.
    virtual bool AnyKeyDown() = 0;
    // The window of this thread with the keyboard focus, if any.
    virtual HWND Focus() = 0;
    // Whether key messages wait in this thread's queue.
    virtual bool KeyMessagesQueued() = 0;
    // GetTickCount, and GetMessageTime of the message being handled: the same millisecond
    // clock, which wraps around after 49.7 days.
    virtual uint32_t TickCount() = 0;
    virtual uint32_t MessageTime() = 0;
    // Whether the shortcut is free (see platform/input/hotkey_probe.h).
    virtual HotkeyAnswer ProbeHotkey(HWND window, Shortcut shortcut) = 0;
    // The active layout's handle, its identity, and what one key types on a layout (see
    // platform/input/keyboard_layout_reader.h).
    virtual HKL ActiveLayout() = 0;
    virtual LayoutIdentity ReadActiveLayout() = 0;
    virtual KeyOnLayout ReadKeyOnLayout(UINT virtualKey, UINT scanCode, HKL layout) = 0;
    // GetAsyncKeyState of every key code: whether it is down now, whoever has the keyboard.
    virtual void AsyncKeyStates(std::array<bool, 256>& down) = 0;
    // SPI_GETKEYBOARDDELAY and SPI_GETKEYBOARDSPEED; none when the system did not answer.
    virtual std::optional<RepeatSetting> KeyboardRepeatSetting() = 0;
    // The tables of the layout a KLID names, read from the DLL that its registry entry's
    // "Layout File" names (see platform/input/layout_registry.h); the problem where there is
    // no entry or the DLL cannot be read.
    virtual LayoutReadResult ReadLayoutOfKlid(const std::wstring& klid) = 0;

  protected:
    ~InputState() = default;
};

// The system's answers, for the thread that asks.
InputState& SystemInput();

} // namespace zintar::win32
