#pragma once
// Codes written as text: hexadecimal digits and plain decimal numbers.
#include <cstdint>
#include <string>

namespace zintar {

// The least number of hexadecimal digits a byte is written with ("0D", "E0 1C").
constexpr int kByteDigits = 2;

// One hexadecimal digit: 0-9 and A-F for 0 to 15, "0" for 16 or more, empty for negatives.
std::wstring HexDigitText(int d);

// A code 0 to 255 as exactly two upper-case digits, high digit first ("0A", "FF").
std::wstring ByteToHex(int n);

// Upper-case hexadecimal of any size, with leading zeros up to minDigits ("0151" for 0x151
// with four). Every hexadecimal text of the program comes from here.
std::wstring HexText(uint32_t value, int minDigits);

// Plain decimal, no leading blank or zeros ("0", "65", "-1").
std::wstring DecimalText(int n);

} // namespace zintar
