#pragma once
// The key history window's words of time and state that are not a column's or a row's: the
// key state section's title and the chatter threshold's menu, in both languages.
#include <array>
#include <cstdint>
#include <string>

#include "core/common/bilingual.h"

namespace zintar {

inline constexpr Bilingual kKeyStateTitle{L"Key state", L"Billenty\u0171\u00E1llapot"};
inline constexpr Bilingual kChatterThresholdMenu{L"Chatter threshold",
                                                 L"Perg\u00E9si k\u00FCsz\u00F6b"};

// The thresholds the menu offers, in milliseconds; the default one among them.
inline constexpr std::array<uint32_t, 5> kChatterThresholdChoicesMs{10, 20, 30, 50, 100};

// "30 ms" in both languages.
inline std::wstring ChatterChoiceText(uint32_t ms) {
    return std::to_wstring(ms) + L" ms";
}

} // namespace zintar
