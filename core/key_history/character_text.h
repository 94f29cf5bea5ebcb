#pragma once
// A character as the key history writes it: the character itself, its code point and its
// UTF-8 bytes. Control characters would be invisible in a list cell, and a tab or a line end
// would break the tab-separated copy of the rows apart, so they get a visible form.
#include <string>

namespace zintar {

constexpr char32_t kLastCodePoint = 0x10FFFF;

// The C0 controls and DEL, which no font shows.
constexpr bool IsControlCharacter(char32_t c) {
    return c < 0x20 || c == 0x7F;
}

// The UTF-16 text of a Unicode scalar value; empty for a surrogate half and beyond U+10FFFF.
std::wstring Utf16Text(char32_t c);

// A control character in caret notation (^C for Ctrl+C, ^M for Enter, ^? for DEL), any other
// character as Utf16Text.
std::wstring CaretText(char32_t c);

// "U+0151": at least four hexadecimal digits.
std::wstring CodePointText(char32_t c);

// The UTF-8 bytes in hexadecimal, "C5 91"; empty where Utf16Text is.
std::wstring Utf8Text(char32_t c);

} // namespace zintar
