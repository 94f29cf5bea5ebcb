#pragma once
// Every name of each virtual-key code, one row per code: the main window's English name, the
// constant of the Windows headers and the names of the APIs that name keys by meaning. The
// functions that answer with one of them (key_names.h, virtual_key_names.h, logical_key.h)
// read it here. A compile-time table: nothing fills it at start-up.
#include <cstdint>
#include <span>
#include <string_view>

namespace zintar {

struct VirtualKeyNames {
    uint8_t code;
    // The name a program compares with: winuser.h's VK_ constant, or for letters and digits,
    // which have none, the character literal ("'A'").
    std::wstring_view constant{};
    std::wstring_view display{};    // the main window's name in either language ("Page Up")
    std::wstring_view winForms{};   // member of System.Windows.Forms.Keys ("D1", "OemSemicolon")
    std::wstring_view wpf{};        // member of System.Windows.Input.Key
    std::wstring_view dom{};        // KeyboardEvent.key of a key that types nothing
    std::wstring_view autoHotkey{}; // AutoHotkey's key name
};

// The row of a code 0 to 255; a row without names for anything else.
const VirtualKeyNames& VirtualKeyRow(int code);

// Every row, the row of code n at index n.
std::span<const VirtualKeyNames> VirtualKeyRows();

} // namespace zintar
