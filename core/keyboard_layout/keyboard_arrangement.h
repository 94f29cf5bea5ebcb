#pragma once
// The physical keyboard a layout is drawn on, and where each of its keys sits. A layout does
// not say which keyboard it was made for; its keys do: a Japanese layout (type 7) is drawn on
// the JIS keyboard, one whose key at scan code 0x73 types a character and that has the
// number pad's 0x7E key on the Brazilian ABNT keyboard, one whose key left of Z (0x56) types
// something no other key types on the ISO keyboard, every other one on the ANSI keyboard (US
// gives 0x56 the backslash that 0x2B already types: a second place for it, not a key of its
// own).
#include <cstdint>
#include <span>
#include <string_view>

#include "core/keyboard_layout/layout_tables.h"

namespace zintar {

enum class KeyboardArrangement : uint8_t { Ansi104, Iso105, Abnt107, Jis109 };

// "ANSI 104", "ISO 105", "ABNT 107", "JIS 109": the same in both languages.
std::wstring_view ArrangementName(KeyboardArrangement arrangement);

KeyboardArrangement ArrangementOf(const KeyboardLayoutTables& layout);

// Positions and sizes are in quarters of a key's width; rows are counted from the function
// keys' row (0) down to the space bar's (5). The L-shaped Enter of ISO, ABNT and JIS spans
// two rows: its upper part is as wide as the key, its lower part a quarter key narrower on
// the left.
inline constexpr int kQuartersPerKey = 4;
enum class KeyCapShape : uint8_t { Rectangle, LShapedEnter };

struct KeyCap {
    uint8_t scanCode = 0;
    bool extended = false; // E0-prefixed (Windows' extended flag); Pause is 0x45 without it
    uint8_t row = 0;
    uint8_t rows = 1; // 2 for the number pad's + and Enter and the L-shaped Enter
    int16_t x = 0;
    int16_t width = kQuartersPerKey;
    KeyCapShape shape = KeyCapShape::Rectangle;
};

std::span<const KeyCap> ArrangementKeys(KeyboardArrangement arrangement);

} // namespace zintar
