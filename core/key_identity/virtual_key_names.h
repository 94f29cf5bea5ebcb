#pragma once
// The constant names that the Windows headers give the virtual-key codes ("VK_RETURN"), so a
// key history can show the name a programmer would write in code.
#include <string_view>

namespace zintar {

// "VK_RETURN" for 13; letters and digits, which have no constant, as the character literal
// a program compares with ("'A'", "'0'"); the empty text for a code that the headers leave
// unnamed and for anything outside 0 to 255.
std::wstring_view VirtualKeyConstantName(int keyCode);

} // namespace zintar
