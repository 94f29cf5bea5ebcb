#pragma once
// A keyboard layout as plain data: what Windows keeps in a layout DLL's KBDTABLES, copied out
// so that nothing points into the DLL once it is freed. The numbers keep the platform's
// meaning (virtual-key codes, scan codes, modifier bits, modification numbers), so that the
// questions asked of a layout (layout_typing.h) read like the system's own rules.
#include <cstdint>
#include <string>
#include <vector>

namespace zintar {

// What a scan code's entry carries besides its virtual key (the low byte).
inline constexpr uint16_t kScanFlagExtended = 0x100; // KBDEXT: the key sends E0
inline constexpr uint16_t kScanFlagMultiVk = 0x200;  // KBDMULTIVK: another key with a modifier
inline constexpr uint16_t kScanFlagSpecial = 0x400;  // KBDSPECIAL: handled by the system
inline constexpr uint16_t kScanFlagNumpad = 0x800;   // KBDNUMPAD: a number-pad key
inline constexpr uint8_t kNoVirtualKey = 0xFF;       // an entry that gives no key

enum class ScanPrefix : uint8_t { None, E0, E1 };

// One row of the prefixed tables: the scan code after E0 (or E1) and what it gives.
struct PrefixedScanCode {
    uint8_t scanCode = 0;
    uint16_t value = 0; // virtual key | kScanFlag*
    bool operator==(const PrefixedScanCode&) const = default;
};

// Modifier bits, as the layout assigns them to keys.
inline constexpr uint8_t kModifierBitShift = 0x01;
inline constexpr uint8_t kModifierBitCtrl = 0x02;
inline constexpr uint8_t kModifierBitAlt = 0x04;
inline constexpr uint8_t kModifierBitKana = 0x08;
// A combination of modifier bits that types nothing (SHFT_INVALID).
inline constexpr uint8_t kNoModification = 0x0F;

struct ModifierKey {
    uint8_t virtualKey = 0;
    uint8_t bits = 0;
    bool operator==(const ModifierKey&) const = default;
};

// A key's attributes.
inline constexpr uint8_t kAttributeCapsLock = 0x01;      // CAPLOK: Caps Lock acts as Shift
inline constexpr uint8_t kAttributeSgCaps = 0x02;        // SGCAPS: Caps Lock has a row of its own
inline constexpr uint8_t kAttributeCapsLockAltGr = 0x04; // CAPLOKALTGR: also with AltGr
inline constexpr uint8_t kAttributeKanaLock = 0x08;      // KANALOK

// What one cell of a key's row holds.
enum class LayoutCharKind : uint8_t { None, Character, Dead, Ligature };
struct LayoutChar {
    LayoutCharKind kind = LayoutCharKind::None;
    wchar_t ch = 0; // the character; for a dead key its accent, as the next row held it
    bool operator==(const LayoutChar&) const = default;
};

// What a key types, per modification number.
struct KeyCharacters {
    uint8_t virtualKey = 0;
    uint8_t attributes = 0;
    std::vector<LayoutChar> byModification;
    std::vector<LayoutChar> capsLock; // with SGCAPS: the row Caps Lock uses instead
    bool operator==(const KeyCharacters&) const = default;
};

// A dead key's accent followed by a base gives the composed character; a chained entry's
// composed character is the accent of a further dead key (DKF_DEAD).
struct DeadKeyEntry {
    wchar_t accent = 0;
    wchar_t base = 0;
    wchar_t composed = 0;
    bool chained = false;
    bool operator==(const DeadKeyEntry&) const = default;
};

// A key that types several characters at once in one modification.
struct Ligature {
    uint8_t virtualKey = 0;
    uint8_t modification = 0;
    std::wstring text;
    bool operator==(const Ligature&) const = default;
};

// The name the layout gives a key. Not KeyName: core/key_identity/key_names.h's function of
// that name would hide the type wherever both headers meet.
struct LayoutKeyName {
    uint8_t scanCode = 0;
    std::wstring name;
    bool operator==(const LayoutKeyName&) const = default;
};

struct DeadKeyName {
    wchar_t accent = 0;
    std::wstring name;
    bool operator==(const DeadKeyName&) const = default;
};

// Locale flags (the low word; the table's version is in the high word).
inline constexpr uint32_t kLocaleAltGr = 0x1;     // KLLF_ALTGR: right Alt is Ctrl+Alt
inline constexpr uint32_t kLocaleShiftLock = 0x2; // KLLF_SHIFTLOCK: Shift releases Caps Lock
inline constexpr uint32_t kLocaleLrmRlm = 0x4;    // KLLF_LRM_RLM

// Keyboard types.
inline constexpr uint32_t kKeyboardTypeEnhanced = 4; // 101/102 keys
inline constexpr uint32_t kKeyboardTypeJapanese = 7;
inline constexpr uint32_t kKeyboardTypeKorean = 8;

struct KeyboardLayoutTables {
    std::vector<uint16_t> scanCodes; // index: scan code without prefix; virtual key | flags
    std::vector<PrefixedScanCode> scanCodesE0;
    std::vector<PrefixedScanCode> scanCodesE1;
    std::vector<ModifierKey> modifierKeys;
    std::vector<uint8_t> modificationOfBits; // index: modifier bits; kNoModification
    std::vector<KeyCharacters> keys;         // in the layout's order; the first row of a key counts
    std::vector<DeadKeyEntry> deadKeys;
    std::vector<Ligature> ligatures;
    std::vector<LayoutKeyName> keyNames;
    std::vector<LayoutKeyName> keyNamesExtended;
    std::vector<DeadKeyName> deadKeyNames;
    uint32_t localeFlags = 0;
    uint32_t keyboardType = kKeyboardTypeEnhanced;
    uint32_t keyboardSubtype = 0;
    bool operator==(const KeyboardLayoutTables&) const = default;
};

} // namespace zintar
