#pragma once
// Reads an installed keyboard layout from its own DLL: loaded from the system folder by its
// full path, asked for its tables through KbdLayerDescriptor, copied into the core's value
// (core/keyboard_layout/layout_image.h checks every pointer against the image) and freed.
// Unlike ToUnicodeEx this touches no keyboard state and reads every state of every key,
// AltGr included, for any installed layout, loaded or not.
#include <string_view>

#include "core/keyboard_layout/layout_image.h"

namespace zintar::win32 {

// fileName is the registry's "Layout File" ("kbdhu.dll"); a name with a folder, a drive or
// ".." is refused before anything is loaded. Nothing is thrown.
LayoutReadResult ReadLayoutLibrary(std::wstring_view fileName) noexcept;

} // namespace zintar::win32
