#pragma once
// A keyboard shortcut as RegisterHotKey names it: one key and the modifiers held with it.
// No <windows.h>: the modifier bits carry the same values as the system's MOD_ flags, so the
// platform passes them on unchanged.
#include <cstdint>

namespace zintar {

constexpr uint8_t kHotkeyAlt = 1;
constexpr uint8_t kHotkeyCtrl = 2;
constexpr uint8_t kHotkeyShift = 4;
constexpr uint8_t kHotkeyWin = 8;
constexpr uint8_t kHotkeyModifierMask = 15;

struct Shortcut {
    uint8_t virtualKey;
    uint8_t modifiers; // kHotkey bits
};

// What a probe of a shortcut found.
enum class HotkeyAnswer : uint8_t { Free, Taken, ReservedByWindows, Unknown };

// The system error that RegisterHotKey reports for a combination that another program holds.
constexpr uint32_t kErrorHotkeyAlreadyRegistered = 1409;

// The answer of one probe: a reserved combination is never registered, so Windows' own
// shortcuts are not reported free where the system would accept a registration it never
// honours; otherwise the registration's result and its error decide.
HotkeyAnswer HotkeyAnswerOf(bool reserved, bool registered, uint32_t error);

} // namespace zintar
