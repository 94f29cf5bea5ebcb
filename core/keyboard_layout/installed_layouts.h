#pragma once
// The list of keyboard layouts a window offers: every layout installed on the system (its
// registry entry), which of them the user has loaded and which one is active, which stand in
// for another (substitutes), which are input methods rather than layout tables. The platform
// reads the registry and the loaded layouts' handles; the matching of a handle to its
// layout identifier (KLID) and the marks are decided here.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zintar {

// What HKLM\SYSTEM\CurrentControlSet\Control\Keyboard Layouts\<KLID> holds.
struct RegistryLayout {
    std::wstring klid;        // as the key is named, "0000040e"
    std::wstring layoutFile;  // "Layout File", "kbdhu.dll"
    std::wstring displayName; // "Layout Display Name" resolved, else "Layout Text"
    std::wstring imeFile;     // "IME File"
    std::wstring layoutId;    // "Layout Id", four hexadecimal digits, for a variant layout
};

// A value of HKCU\Keyboard Layout\Substitutes: the layout named klid is loaded as substitute.
struct LayoutSubstitute {
    std::wstring klid;
    std::wstring substitute;
};

struct InstalledLayout {
    std::wstring klid; // eight upper-case hexadecimal digits
    std::wstring name;
    std::wstring layoutFile;    // empty where the registry names none: nothing to read
    bool ime = false;           // an input method: "IME File", or a KLID starting with E
    bool loaded = false;        // in the user's list (GetKeyboardLayoutList)
    bool active = false;        // the calling thread's layout
    std::wstring substituteFor; // the KLID this layout is loaded in place of
};

// The KLID of a loaded layout's handle (its low 32 bits): the device half names the layout
// (0xF0nn: the variant whose Layout Id is nn, 0xEnnn: an input method, whose KLID is the
// whole handle, else the base layout of that language), unless an entry's KLID is the whole
// handle (as Wine makes handles). Empty for a variant that no registry entry carries.
std::wstring KlidOfLayoutHandle(uint32_t handle, std::span<const RegistryLayout> registry);

// Every installed layout by KLID, with the loaded ones marked; a loaded layout that the
// registry lacks (Wine's registry has no layout list) is listed too, named by
// KnownLayoutName or its KLID, without a file.
std::vector<InstalledLayout> InstalledLayoutList(std::span<const RegistryLayout> registry,
                                                 std::span<const uint32_t> loadedHandles,
                                                 uint32_t activeHandle,
                                                 std::span<const LayoutSubstitute> substitutes);

} // namespace zintar
