#pragma once
// Reads the active keyboard layout: its identifier, name and code pages, and what one key
// types in each shift state, with ToUnicodeEx. The decisions (which states, how answers
// read, what a composition shows) are in core/keyboard_layout/typed_by_layout.h.
#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/keyboard_layout/typed_by_layout.h"

namespace zintar::win32 {

struct LayoutIdentity {
    std::wstring klid; // "0000040E"
    std::wstring name; // "Hungarian"; empty when neither the registry nor the core knows it
    UINT ansiCodePage = 0;
    UINT oemCodePage = 0;
};

// The calling thread's active layout. Empty klid when GetKeyboardLayoutNameW fails; a code
// page stays 0 when the locale has none to give.
LayoutIdentity ReadActiveLayout();

// A dead key that was pending before the read (the window saw its WM_DEADCHAR): where the
// system cannot read without changing the keyboard state, it is fed again afterwards.
struct PendingDeadKey {
    UINT virtualKey;
    UINT scanCode;
    ShiftState state;
};

struct KeyOnLayout {
    std::array<TypedText, kShiftStateCount> states;
    // One entry per state in which the key is dead, in the order of ShiftState.
    std::vector<std::pair<ShiftState, std::vector<Composition>>> compositions;
};

KeyOnLayout ReadKeyOnLayout(UINT virtualKey, UINT scanCode, HKL layout,
                            std::optional<PendingDeadKey> pending = std::nullopt);

// Whether ToUnicodeEx honours its "do not change the keyboard state" flag (wFlags bit 2).
// Windows 10 1607 and later do; Wine 8's X11 driver passes the flags by and works from the
// X server's own state.
bool ToUnicodeKeepsStateWithFlag();

} // namespace zintar::win32
