#pragma once
// Is a shortcut free? Asked of the system by registering it and unregistering it at once.
#include <windows.h>

#include "core/common/hotkey.h"

namespace zintar::win32 {

// Whether a key is down now. Probe only when none is: a combination registered while its
// keys are held can take the press in progress away from the program that expects it.
bool AnyKeyDown() noexcept;

// Free, taken (another program holds it), reserved by Windows (from the core's list, never
// registered), or unknown (the system refused for another reason, or window belongs to
// another thread: hotkeys belong to the thread of their window). Never leaves the hotkey
// registered.
HotkeyAnswer ProbeHotkey(HWND window, Shortcut shortcut) noexcept;

} // namespace zintar::win32
