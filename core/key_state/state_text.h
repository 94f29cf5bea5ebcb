#pragma once
// Small pieces that the key-state texts share: numbers with a decimal as each language
// writes them.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/bilingual.h"
#include "core/common/language.h"

namespace zintar {

// Tenths as a number with one decimal: "2.3" in English, "2,3" in Hungarian.
std::wstring TenthsText(uint64_t tenths, Language language);

// A signed whole number with its sign also when positive: "+12", "-3", "0".
std::wstring SignedText(int64_t value);

// A signed percentage, with a space before the sign in English and none in Hungarian, as
// each language's typography has it: "+2 %", "+2%".
std::wstring SignedPercentText(int64_t percent, Language language);

} // namespace zintar
