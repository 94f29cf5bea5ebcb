#include "core/key_identity/reserved_shortcuts.h"

#include <array>

namespace zintar {

namespace {

constexpr uint8_t kTab = 0x09, kEscape = 0x1B, kDelete = 0x2E, kF12 = 0x7B;
constexpr uint8_t kB = 0x42, kD = 0x44, kL = 0x4C, kU = 0x55;

constexpr std::string_view kSecureAttention =
    "https://learn.microsoft.com/en-us/uwp/api/windows.ui.input.keyboarddeliveryinterceptor"
    " (secure attention sequences, Ctrl+Alt+Del and Windows+L, stay with the system)";
constexpr std::string_view kRegisterHotKey =
    "https://learn.microsoft.com/en-us/windows/win32/api/winuser/nf-winuser-registerhotkey"
    " (MOD_WIN: shortcuts with the Windows key are reserved; F12 is reserved for the debugger)";
constexpr std::string_view kWindowsKeyHotkeys =
    "https://devblogs.microsoft.com/oldnewthing/20071130-00/?p=24333"
    " (hotkeys involving the Windows logo key are reserved: Win+D, Win+U, Win+B)";
constexpr std::string_view kTaskSwitcher =
    "https://en.wikipedia.org/wiki/Application_switcher (Alt+Tab, since Windows 1.0)";
constexpr std::string_view kWindowsShortcuts =
    "https://support.microsoft.com/en-us/windows/"
    "keyboard-shortcuts-in-windows-dcc61a57-8ff0-cffe-9796-cb9706c75eec"
    " (Ctrl+Esc opens Start, Ctrl+Shift+Esc Task Manager, Alt+Esc cycles windows)";

// Exact combinations first, then the general rules (moreModifiersToo), which the lookup
// tries only when no exact entry matched.
constexpr std::array kReserved{
    ReservedShortcut{kDelete, kHotkeyCtrl | kHotkeyAlt, false, L"secure attention sequence",
                     kSecureAttention},
    ReservedShortcut{kL, kHotkeyWin, false, L"lock the computer", kSecureAttention},
    ReservedShortcut{kTab, kHotkeyAlt, false, L"switch between windows", kTaskSwitcher},
    ReservedShortcut{kTab, kHotkeyAlt | kHotkeyShift, false, L"switch between windows backwards",
                     kTaskSwitcher},
    ReservedShortcut{kEscape, kHotkeyCtrl, false, L"open Start", kWindowsShortcuts},
    ReservedShortcut{kEscape, kHotkeyCtrl | kHotkeyShift, false, L"open Task Manager",
                     kWindowsShortcuts},
    ReservedShortcut{kEscape, kHotkeyAlt, false, L"cycle through windows", kWindowsShortcuts},
    ReservedShortcut{kD, kHotkeyWin, false, L"show the desktop", kWindowsKeyHotkeys},
    ReservedShortcut{kU, kHotkeyWin, false, L"accessibility settings", kWindowsKeyHotkeys},
    ReservedShortcut{kB, kHotkeyWin, false, L"focus the notification area", kWindowsKeyHotkeys},
    ReservedShortcut{kAnyKey, kHotkeyWin, true, L"Windows key shortcut", kRegisterHotKey},
    ReservedShortcut{kF12, 0, true, L"debugger break key", kRegisterHotKey},
};

bool Covers(const ReservedShortcut& entry, Shortcut shortcut) {
    const uint8_t held = shortcut.modifiers & kHotkeyModifierMask;
    if (entry.virtualKey != kAnyKey && entry.virtualKey != shortcut.virtualKey)
        return false;
    if (entry.moreModifiersToo)
        return (held & entry.modifiers) == entry.modifiers;
    return held == entry.modifiers;
}

} // namespace

std::optional<ReservedShortcut> FindReservedShortcut(Shortcut shortcut) {
    for (const ReservedShortcut& entry : kReserved)
        if (Covers(entry, shortcut))
            return entry;
    return std::nullopt;
}

HotkeyAnswer HotkeyAnswerOf(bool reserved, bool registered, uint32_t error) {
    if (reserved)
        return HotkeyAnswer::ReservedByWindows;
    if (registered)
        return HotkeyAnswer::Free;
    return error == kErrorHotkeyAlreadyRegistered ? HotkeyAnswer::Taken : HotkeyAnswer::Unknown;
}

} // namespace zintar
