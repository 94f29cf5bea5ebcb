#pragma once
// What a key types on a keyboard layout, in each shift state, and what a dead key composes:
// the decisions, without Windows. The platform side (platform/input/keyboard_layout_reader.h) asks
// ToUnicodeEx and hands the answers over.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/common/language.h"

namespace zintar {

enum class ShiftState : uint8_t { Plain, Shift, AltGr, ShiftAltGr, CapsLock };
constexpr int kShiftStateCount = static_cast<int>(ShiftState::CapsLock) + 1;

// The keys that make up a state. AltGr is Ctrl+Alt, as Windows layouts define it.
struct ShiftStateKeys {
    bool shift, ctrl, alt, capsLockOn;
};
ShiftStateKeys KeysOfShiftState(ShiftState state);

// "Shift+AltGr", "Caps Lock" ...; empty for a value outside the enumeration.
std::wstring_view ShiftStateName(ShiftState state, Language language);

// One answer of ToUnicodeEx, read: a dead key, nothing, or the text typed.
struct TypedText {
    enum class Kind : uint8_t { Nothing, Text, Dead } kind = Kind::Nothing;
    std::wstring text; // the dead key's own character for Dead
};

// result is ToUnicodeEx's return value, buffer the buffer it wrote (its full size): -1 dead
// (the character in buffer[0]), 0 nothing, n > 0 that many units. A count beyond the buffer
// is cut to it; a dead answer with an empty buffer is still dead.
TypedText ReadToUnicodeAnswer(int result, std::wstring_view buffer);

// The characters a dead key is tried with: the vowels and a space.
std::span<const wchar_t> CompositionBases();

// What the dead key made of one base, as ToUnicodeEx answered after the dead key.
struct Composition {
    wchar_t base;
    TypedText result;
};

// "a\u2192\u00E1 e\u2192\u00E9 ... space\u2192\u00B4" (an arrow between base and result,
// "space" for the space bar); a base that came back unchanged or as two characters (the
// accent and the base: no composed form) is left out. Empty when none composes.
std::wstring CompositionSummary(std::span<const Composition> compositions, Language language);

// The English name Windows gives a layout identifier (KLID, eight hexadecimal digits), for
// systems whose registry lacks the layout list (Wine); empty for an unknown one.
std::wstring_view KnownLayoutName(std::wstring_view klid);

} // namespace zintar
