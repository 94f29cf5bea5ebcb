#pragma once
// What a key of the drawn keyboard shows: the characters printed on it in the states a layout
// gives it (plain, Shift, AltGr, Shift+AltGr, and Caps Lock where that types a character of
// its own), its dead keys marked, or its name where it types nothing printable (Esc, Enter,
// the space bar); and the one line a screen reader says for it, "F: f, F, AltGr [".
#include <array>
#include <string>

#include "core/common/language.h"
#include "core/keyboard_layout/layout_tables.h"
#include "core/keyboard_layout/layout_typing.h"

namespace zintar {

// Where each legend stands on the key, as on a printed key cap.
enum class LegendSpot : uint8_t {
    Plain,      // bottom left
    Shift,      // top left
    AltGr,      // bottom right
    ShiftAltGr, // top right
    CapsLock,   // bottom middle
};
inline constexpr int kLegendSpotCount = static_cast<int>(LegendSpot::CapsLock) + 1;

struct KeyCapLegends {
    uint8_t virtualKey = 0; // 0 where the layout gives the key none
    std::wstring name;      // the key's name, as a screen reader says it
    std::wstring label;     // printed where it has no legend: the layout's name, else short
    // Printable characters and dead keys only: a control character, a space or nothing
    // leaves its spot empty.
    std::array<Typed, kLegendSpotCount> legends;
    bool HasLegend() const;
    bool HasDeadKey() const;
};

// The legends of the key at a place. The key's name is the layout's own, else the main
// window's name of its virtual key, else its constant; its label is the layout's name too,
// else what keyboards print on it ("PgUp", "Del", an arrow), else its name.
KeyCapLegends LegendsOfKey(const KeyboardLayoutTables& layout, KeyPlace place);

// "F: f, F, AltGr [", "Esc"; the name alone for a key without legends. A dead legend is
// marked as in the key table ("´ (dead)").
std::wstring KeyCapAccessibleName(const KeyCapLegends& key, Language language);

} // namespace zintar
