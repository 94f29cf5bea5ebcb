#pragma once
// The English display names of key codes and modifier masks, read by the display refresh.
// Pure code: no <windows.h>.
#include <array>
#include <string>

namespace zintar {

constexpr int kKeyCodeCount = 256; // virtual-key codes 0 to 255
constexpr int kShiftMaskCount = 8; // 1 Shift, 2 Ctrl, 4 Alt, summed

// Live as long as the program; every entry reads empty until InitKeyNames has run.
extern std::array<std::wstring, kKeyCodeCount> KeyNames;
extern std::array<std::wstring, kShiftMaskCount> ShiftNames;

// Fills both tables. Called once, at the end of the main window's load.
void InitKeyNames();

} // namespace zintar
