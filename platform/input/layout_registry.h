#pragma once
// The keyboard layouts installed on the system and loaded for the user: the registry's layout
// list under HKLM\SYSTEM\CurrentControlSet\Control\Keyboard Layouts, each entry's display
// name (an indirect string, resolved by shlwapi, which is loaded from the system folder the
// first time a name needs it), the user's substitutes, and the layouts the user has loaded
// (GetKeyboardLayoutList) with the calling thread's marked. Which entry a loaded layout is
// and what the marks mean is decided by core/keyboard_layout/installed_layouts.h.
#include <string>
#include <vector>

#include "core/keyboard_layout/installed_layout_rows.h"
#include "core/keyboard_layout/installed_layouts.h"

namespace zintar::win32 {

// Every entry of the layout list; an entry whose values cannot be read keeps what could be.
// Empty where the list is missing (Wine's registry has none). Nothing is thrown.
std::vector<RegistryLayout> ReadRegistryLayouts() noexcept;

// HKCU\Keyboard Layout\Substitutes.
std::vector<LayoutSubstitute> ReadLayoutSubstitutes() noexcept;

// The list a window offers: installed, loaded, active, substitutes, input methods.
std::vector<InstalledLayout> ReadInstalledLayouts() noexcept;

// That list with each layout's tables read from its DLL (platform/input/layout_library.h).
std::vector<ReadLayout> ReadEveryInstalledLayout() noexcept;

// The tables of the layout whose entry is named klid ("0000040E"), read from the file its
// "Layout File" names: LoadFailed with ERROR_FILE_NOT_FOUND where there is no such entry or
// it names no file.
LayoutReadResult ReadLayoutOfKlid(const std::wstring& klid) noexcept;

} // namespace zintar::win32
