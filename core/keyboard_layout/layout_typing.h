#pragma once
// The questions asked of a layout's tables: which virtual key a physical key gives and which
// physical key gives a virtual key, what a key types in each state, how Caps Lock acts on it
// (CAPLOK, SGCAPS, CAPLOKALTGR), what a dead key makes of the next key, chains included, and
// the name Windows gives a key. The rules are the system's own, read from the tables without
// touching any keyboard state.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/language.h"
#include "core/key_identity/physical_key.h"
#include "core/keyboard_layout/layout_tables.h"

namespace zintar {

// The states a key's legends are shown in. AltGr is Ctrl+Alt, as Windows layouts define it;
// Caps Lock is the toggle on with no modifier held.
enum class TypingState : uint8_t { Plain, Shift, Ctrl, AltGr, ShiftAltGr, CapsLock };
inline constexpr int kTypingStateCount = static_cast<int>(TypingState::CapsLock) + 1;

// What a key gives in one state: nothing, text (a ligature is several characters), or a dead
// key, whose text is its accent.
struct Typed {
    enum class Kind : uint8_t { Nothing, Text, Dead } kind = Kind::Nothing;
    std::wstring text;
    bool operator==(const Typed&) const = default;
};

// A physical key as the layout's tables name it.
struct KeyPlace {
    uint8_t scanCode = 0;
    ScanPrefix prefix = ScanPrefix::None;
    bool operator==(const KeyPlace&) const = default;
};

// The virtual key that a physical key gives; 0 when it gives none.
uint8_t VirtualKeyAt(const KeyboardLayoutTables& layout, KeyPlace place);

// The physical key that gives a virtual key: the lowest scan code without prefix, else with
// E0, else with E1; none when no key gives it.
std::optional<KeyPlace> PlaceOfVirtualKey(const KeyboardLayoutTables& layout, uint8_t virtualKey);

// A key as Windows reports it: a key message's scan code and extended flag (lParam bits
// 16-23 and 24), as keyboard_arrangement.h's KeyCap and the identity tables name keys.
struct ReportedKey {
    uint8_t scanCode = 0;
    bool extended = false;
    bool operator==(const ReportedKey&) const = default;
};

// The two differ for two keys: Windows reports Num Lock (0x45 without prefix in the tables)
// with the extended flag, and Pause (E1 1D) as 0x45 without it.
ReportedKey ReportedKeyOfPlace(KeyPlace place, uint8_t virtualKey);
KeyPlace PlaceOfReportedKey(ReportedKey key);

// The key in the identity tables (DOM code, USB usage...) for a place.
const PhysicalKey* PhysicalKeyOfPlace(KeyPlace place, uint8_t virtualKey);

// "1C", "E0 1C", "E1 1D".
std::wstring ScanCodeText(KeyPlace place);

// The modifier bits of a state, or of Shift, Ctrl and Alt held, as this layout assigns them.
uint8_t ModifierBitsOf(const KeyboardLayoutTables& layout, TypingState state);
uint8_t ModifierBitsOf(const KeyboardLayoutTables& layout, bool shift, bool ctrl, bool alt);

// The modification number of a combination of modifier bits; kNoModification when the
// combination types nothing.
uint8_t ModificationOf(const KeyboardLayoutTables& layout, uint8_t modifierBits);

// What a virtual key types with these modifier bits held and Caps Lock on or off.
Typed TypedByVirtualKey(const KeyboardLayoutTables& layout, uint8_t virtualKey,
                        uint8_t modifierBits, bool capsLock);
Typed TypedByVirtualKey(const KeyboardLayoutTables& layout, uint8_t virtualKey, TypingState state);
std::array<Typed, kTypingStateCount> TypedInEveryState(const KeyboardLayoutTables& layout,
                                                       uint8_t virtualKey);

// Whether right Alt is AltGr (Ctrl+Alt) on this layout.
bool HasAltGr(const KeyboardLayoutTables& layout);

// What a dead key with this accent makes of the next character: the composed character, a
// further dead key (a chain), or, where the layout composes nothing, the accent followed by
// the base, as Windows types them.
Typed Compose(const KeyboardLayoutTables& layout, wchar_t accent, wchar_t base);

// Every composition of one accent, in the layout's order.
std::vector<DeadKeyEntry> CompositionsOf(const KeyboardLayoutTables& layout, wchar_t accent);

// "a→á e→é space→´"; a chain shows what its dead key composes in brackets, "¨→˜ (a→ẫ)", a
// few levels deep and never twice the same accent on one path. Empty when nothing composes.
std::wstring DeadKeySummary(const KeyboardLayoutTables& layout, wchar_t accent, Language language);

// The name Windows gives a key: the layout's own name for the key as reported (the extended
// names for a key reported with the extended flag), else the upper-case character it types
// plain, else a dead key's name; empty for none.
std::wstring KeyNameAt(const KeyboardLayoutTables& layout, KeyPlace place);

} // namespace zintar
