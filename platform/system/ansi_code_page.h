#pragma once
// Character codes are single-byte codes of the system's ANSI code page.
#include <string>

#include "core/converter/conversion.h"

namespace zintar::win32 {

// The key-press code of a character that the ANSI code page cannot write in one byte.
constexpr short kNoCharCode = -1;

// The ANSI code (0 to 255) of a typed UTF-16 character, or kNoCharCode. Never a stand-in:
// a character that the code page lacks must not be reported as "?" (63) or as a look-alike.
short AnsiCodeOfChar(wchar_t ch);

// The one character with that ANSI code; empty for codes outside 0 to 255 or codes that
// are no character on their own (a lead byte of a double-byte code page).
std::wstring CharOfAnsiCode(short code);

// The code page as the core's refresh sees it.
class AnsiCodePage : public CharacterSet {
  public:
    std::wstring CharacterOf(int16_t code) const override { return CharOfAnsiCode(code); }
};

} // namespace zintar::win32
