#pragma once
// One key event as the timing rules need it, from a key message of the window or from the
// low-level hook, and the key it belongs to. No <windows.h>: the caller hands over numbers.
#include <cstddef>
#include <cstdint>

#include "core/key_history/key_event.h"
#include "core/key_history/key_route.h"

namespace zintar {

struct KeyStroke {
    uint8_t virtualKey;
    uint16_t scanCode; // the make code without its prefix; 0 where the sender gave none
    bool extended;     // E0 prefix
    bool up;
    bool autoRepeat;       // a key-down of a key already down (lParam bit 30); the hook cannot tell
    uint32_t timeMs;       // GetMessageTime or the hook's time: one tick that wraps after 49.7 days
    bool injected = false; // sent by a program (the hook's LLKHF_INJECTED); a message cannot tell
};

// Milliseconds from one tick to a later one, right across the wrap-around.
constexpr uint32_t TicksBetween(uint32_t earlierMs, uint32_t laterMs) {
    return laterMs - earlierMs;
}
// Whether a tick is not after another one; ticks less than 24.8 days apart compare right.
constexpr bool NotAfter(uint32_t aMs, uint32_t bMs) {
    return static_cast<int32_t>(bMs - aMs) >= 0;
}

// Keys are told apart by the physical key, so that left and right Shift, or Enter and Numpad
// Enter, keep their own times although their messages name one virtual key. A key that a
// program sent without a scan code falls back to its virtual key, with the side-specific
// codes of the hook folded into the generic ones that key messages carry.
constexpr size_t kScanSlots = 256;
constexpr size_t kKeySlotCount = 2 * kScanSlots + 256;

inline size_t KeySlot(const KeyStroke& stroke) {
    const size_t scan = stroke.scanCode & 0xFF;
    if (scan != 0)
        return stroke.extended ? kScanSlots + scan : scan;
    return 2 * kScanSlots + GenericVirtualKey(stroke.virtualKey);
}

// A key message of the window as a stroke: the scan code and the extended flag from lParam
// bits 16-23 and 24; bit 30 (the key was down) marks an auto-repeat on key-downs only, since
// every key-up has it set. Character messages are no strokes.
constexpr KeyStroke StrokeOfMessage(const KeyMessageInput& message) {
    const bool up = IsKeyUpMessage(message.message);
    return {static_cast<uint8_t>(message.wParam),
            static_cast<uint16_t>((message.lParam >> 16) & 0xFF),
            (message.lParam & (1u << 24)) != 0,
            up,
            !up && (message.lParam & (1u << 30)) != 0,
            message.timeMs};
}

// An event of the low-level hook as a stroke; the hook cannot tell an auto-repeat.
constexpr KeyStroke StrokeOfHook(const HookKeyEvent& event) {
    return {event.key.virtualKey, event.key.scanCode, event.key.extended, event.key.up, false,
            event.key.timeMs,     event.injected};
}

} // namespace zintar
