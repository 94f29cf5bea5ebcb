#pragma once
// WM_APPCOMMAND's commands by the names a program compares with (winuser.h's APPCOMMAND_
// constants), and the input method's conversion modes by theirs (imm.h's IME_CMODE_ flags).
#include <cstdint>
#include <string>
#include <string_view>

namespace zintar {

// "APPCOMMAND_VOLUME_MUTE"; empty for a value that the headers do not name.
std::wstring_view AppCommandName(uint16_t command);

// The flags of a conversion mode joined by " | " ("IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE"),
// IME_CMODE_ALPHANUMERIC for none; bits without a name as one hexadecimal value.
std::wstring ConversionModeText(uint32_t mode);

} // namespace zintar
