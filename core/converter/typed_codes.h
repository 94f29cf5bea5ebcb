#pragma once
// Reading the codes that users type or paste into the code boxes.
#include <cstdint>
#include <string_view>

namespace zintar {

// The number at the start of a text: leading blanks (space, tab, line feed), an optional
// sign, decimal digits with at most one "." whatever the regional settings. The rest of the
// text is ignored; no digit gives 0. Exponents, radix prefixes and blanks between digits are
// not part of a number here: "1e400" reads 1, "&H1F" reads 0, "1 2" reads 1. A digit run
// too long for a double reads as plus or minus infinity.
double TextValue(std::wstring_view text);

// Nearest integer, halves to the even one (2.5 gives 2, -0.5 gives 0). Values beyond the
// 16-bit range stay at its ends: anything below -32768.5 is -32768, so a huge negative
// paste behaves like any other negative code (no code at all).
int16_t RoundToInteger(double x);

// The value of the first character as a hexadecimal digit, either case; 0 for anything
// else and for the empty text. "f9" gives 15.
int16_t HexDigitValue(std::wstring_view text);

// One or two hexadecimal digits as 0 to 255; any other length gives 0.
int16_t HexToByte(std::wstring_view text);

} // namespace zintar
