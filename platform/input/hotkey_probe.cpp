#include "platform/input/hotkey_probe.h"

#include "core/key_identity/reserved_shortcuts.h"

namespace zintar::win32 {

namespace {

static_assert(kHotkeyAlt == MOD_ALT && kHotkeyCtrl == MOD_CONTROL && kHotkeyShift == MOD_SHIFT &&
              kHotkeyWin == MOD_WIN);
static_assert(kErrorHotkeyAlreadyRegistered == ERROR_HOTKEY_ALREADY_REGISTERED);

// The top of the range a program may use (0 to 0xBFFF); Zintar registers no other hotkey.
constexpr int kProbeId = 0xBFFF;
constexpr int kFirstKey = 1, kLastKey = 254;
constexpr SHORT kDownNow = static_cast<SHORT>(0x8000);

} // namespace

bool AnyKeyDown() noexcept {
    for (int key = kFirstKey; key <= kLastKey; ++key)
        if (GetAsyncKeyState(key) & kDownNow)
            return true;
    return false;
}

HotkeyAnswer ProbeHotkey(HWND window, Shortcut shortcut) noexcept {
    const bool reserved = FindReservedShortcut(shortcut).has_value();
    if (reserved)
        return HotkeyAnswerOf(true, false, 0);
    if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
        return HotkeyAnswer::Unknown;
    const UINT modifiers = (shortcut.modifiers & kHotkeyModifierMask) | MOD_NOREPEAT;
    const bool registered =
        RegisterHotKey(window, kProbeId, modifiers, shortcut.virtualKey) != FALSE;
    const DWORD error = registered ? ERROR_SUCCESS : GetLastError();
    if (registered && !UnregisterHotKey(window, kProbeId))
        return HotkeyAnswer::Unknown;
    return HotkeyAnswerOf(false, registered, error);
}

} // namespace zintar::win32
