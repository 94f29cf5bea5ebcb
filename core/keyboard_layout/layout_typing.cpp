#include "core/keyboard_layout/layout_typing.h"

#include <algorithm>

#include "core/common/hex_text.h"
#include "core/keyboard_layout/layout_captions.h"

namespace zintar {

namespace {

constexpr uint8_t kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12, kVkNumLock = 0x90;
constexpr uint8_t kPauseScanCode = 0x45;   // as Windows reports Pause; Num Lock with E0
constexpr uint8_t kPauseE1ScanCode = 0x1D; // what the keyboard sends after E1

struct StateRow {
    bool shift, ctrl, alt;
};

// In the order of TypingState.
constexpr StateRow kStates[] = {
    {false, false, false}, // Plain
    {true, false, false},  // Shift
    {false, true, false},  // Ctrl
    {false, true, true},   // AltGr
    {true, true, true},    // Shift+AltGr
    {false, false, false}, // Caps Lock, the toggle alone
};
static_assert(std::size(kStates) == kTypingStateCount);

constexpr std::wstring_view kArrow = L"\u2192";
constexpr int kMaxChainDepth = 4;

uint8_t BitsOfKey(const KeyboardLayoutTables& layout, uint8_t virtualKey) {
    for (const ModifierKey& m : layout.modifierKeys) {
        if (m.virtualKey == virtualKey)
            return m.bits;
    }
    return 0;
}

const KeyCharacters* RowOf(const KeyboardLayoutTables& layout, uint8_t virtualKey) {
    for (const KeyCharacters& key : layout.keys) {
        if (key.virtualKey == virtualKey)
            return &key;
    }
    return nullptr;
}

Typed TextOf(std::wstring text) {
    return {Typed::Kind::Text, std::move(text)};
}

Typed CellTyped(const KeyboardLayoutTables& layout, uint8_t virtualKey, uint8_t modification,
                const LayoutChar& cell) {
    switch (cell.kind) {
    case LayoutCharKind::Character:
        return TextOf(std::wstring(1, cell.ch));
    case LayoutCharKind::Dead:
        return {Typed::Kind::Dead, std::wstring(1, cell.ch)};
    case LayoutCharKind::Ligature:
        for (const Ligature& l : layout.ligatures) {
            if (l.virtualKey == virtualKey && l.modification == modification)
                return TextOf(l.text);
        }
        return {};
    case LayoutCharKind::None:
        break;
    }
    return {};
}

// Upper case of the Latin letters a layout's key names use; others stay as they are.
wchar_t UpperLatin(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<wchar_t>(c - 0x20);
    // Latin Extended-A pairs its letters upper, lower; from U+0139 to U+0148 and from U+0179
    // to U+017E the pairs start at odd code points.
    const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 &&
        c != 0x17F && ((c % 2 == 0) == oddPairs))
        return static_cast<wchar_t>(c - 1);
    return c;
}

void AppendBase(std::wstring& text, wchar_t base, Language language) {
    if (base == L' ')
        text += SpaceName(language);
    else
        text += base;
}

void AppendSummary(const KeyboardLayoutTables& layout, wchar_t accent, Language language,
                   std::vector<wchar_t>& path, std::wstring& text) {
    path.push_back(accent);
    for (const DeadKeyEntry& entry : CompositionsOf(layout, accent)) {
        if (!text.empty() && text.back() != L'(')
            text += L' ';
        AppendBase(text, entry.base, language);
        text += kArrow;
        text += entry.composed;
        if (!entry.chained)
            continue;
        const bool seen = std::find(path.begin(), path.end(), entry.composed) != path.end();
        if (seen || path.size() >= kMaxChainDepth) {
            text += L" (\u2026)"; // a loop, or deeper than anyone types
            continue;
        }
        text += L" (";
        AppendSummary(layout, entry.composed, language, path, text);
        text += L')';
    }
    path.pop_back();
}

} // namespace

uint8_t VirtualKeyAt(const KeyboardLayoutTables& layout, KeyPlace place) {
    uint16_t value = 0;
    if (place.prefix == ScanPrefix::None) {
        if (place.scanCode < layout.scanCodes.size())
            value = layout.scanCodes[place.scanCode];
    } else {
        const auto& rows = place.prefix == ScanPrefix::E0 ? layout.scanCodesE0 : layout.scanCodesE1;
        for (const PrefixedScanCode& row : rows) {
            if (row.scanCode == place.scanCode) {
                value = row.value;
                break;
            }
        }
    }
    const auto vk = static_cast<uint8_t>(value & 0xFF);
    return vk == kNoVirtualKey ? 0 : vk;
}

std::optional<KeyPlace> PlaceOfVirtualKey(const KeyboardLayoutTables& layout, uint8_t virtualKey) {
    if (virtualKey == 0 || virtualKey == kNoVirtualKey)
        return std::nullopt;
    for (size_t scan = 0; scan < layout.scanCodes.size(); ++scan) {
        if ((layout.scanCodes[scan] & 0xFF) == virtualKey)
            return KeyPlace{static_cast<uint8_t>(scan), ScanPrefix::None};
    }
    for (ScanPrefix prefix : {ScanPrefix::E0, ScanPrefix::E1}) {
        const auto& rows = prefix == ScanPrefix::E0 ? layout.scanCodesE0 : layout.scanCodesE1;
        for (const PrefixedScanCode& row : rows) {
            if ((row.value & 0xFF) == virtualKey)
                return KeyPlace{row.scanCode, prefix};
        }
    }
    return std::nullopt;
}

ReportedKey ReportedKeyOfPlace(KeyPlace place, uint8_t virtualKey) {
    switch (place.prefix) {
    case ScanPrefix::E0:
        return {place.scanCode, true};
    case ScanPrefix::E1:
        return {place.scanCode == kPauseE1ScanCode ? kPauseScanCode : place.scanCode, false};
    case ScanPrefix::None:
        break;
    }
    return {place.scanCode, virtualKey == kVkNumLock};
}

KeyPlace PlaceOfReportedKey(ReportedKey key) {
    if (key.scanCode == kPauseScanCode)
        return key.extended ? KeyPlace{kPauseScanCode, ScanPrefix::None}
                            : KeyPlace{kPauseE1ScanCode, ScanPrefix::E1};
    return {key.scanCode, key.extended ? ScanPrefix::E0 : ScanPrefix::None};
}

const PhysicalKey* PhysicalKeyOfPlace(KeyPlace place, uint8_t virtualKey) {
    const ReportedKey key = ReportedKeyOfPlace(place, virtualKey);
    return FindPhysicalKey(key.scanCode, key.extended);
}

std::wstring ScanCodeText(KeyPlace place) {
    switch (place.prefix) {
    case ScanPrefix::E0:
        return L"E0 " + ByteToHex(place.scanCode);
    case ScanPrefix::E1:
        return L"E1 " + ByteToHex(place.scanCode);
    case ScanPrefix::None:
        break;
    }
    return ByteToHex(place.scanCode);
}

uint8_t ModifierBitsOf(const KeyboardLayoutTables& layout, TypingState state) {
    const auto i = static_cast<size_t>(state);
    if (i >= std::size(kStates))
        return 0;
    return ModifierBitsOf(layout, kStates[i].shift, kStates[i].ctrl, kStates[i].alt);
}

uint8_t ModifierBitsOf(const KeyboardLayoutTables& layout, bool shift, bool ctrl, bool alt) {
    uint8_t bits = 0;
    if (shift)
        bits |= BitsOfKey(layout, kVkShift);
    if (ctrl)
        bits |= BitsOfKey(layout, kVkControl);
    if (alt)
        bits |= BitsOfKey(layout, kVkMenu);
    return bits;
}

uint8_t ModificationOf(const KeyboardLayoutTables& layout, uint8_t modifierBits) {
    return modifierBits < layout.modificationOfBits.size() ? layout.modificationOfBits[modifierBits]
                                                           : kNoModification;
}

Typed TypedByVirtualKey(const KeyboardLayoutTables& layout, uint8_t virtualKey,
                        uint8_t modifierBits, bool capsLock) {
    const uint8_t shift = BitsOfKey(layout, kVkShift);
    const uint8_t ctrlAlt = BitsOfKey(layout, kVkControl) | BitsOfKey(layout, kVkMenu);
    const KeyCharacters* key = RowOf(layout, virtualKey);
    const std::vector<LayoutChar>* row = key ? &key->byModification : nullptr;
    if (key && capsLock) {
        // Caps Lock acts only where no modifier but Shift is held, or with AltGr where the
        // key asks for it.
        const bool onlyShift = (modifierBits & ~shift) == 0;
        const bool altGr = ctrlAlt != 0 && (modifierBits & ctrlAlt) == ctrlAlt;
        if ((key->attributes & kAttributeSgCaps) && onlyShift && !key->capsLock.empty())
            row = &key->capsLock;
        else if (((key->attributes & kAttributeCapsLock) && onlyShift) ||
                 ((key->attributes & kAttributeCapsLockAltGr) && altGr))
            modifierBits ^= shift;
    }
    const uint8_t modification = ModificationOf(layout, modifierBits);
    if (row && modification < row->size()) {
        Typed typed = CellTyped(layout, virtualKey, modification, (*row)[modification]);
        if (typed.kind != Typed::Kind::Nothing)
            return typed;
    }
    // Ctrl with a letter types its control character, which no table holds.
    const uint8_t ctrl = BitsOfKey(layout, kVkControl);
    const uint8_t alt = BitsOfKey(layout, kVkMenu);
    if (virtualKey >= 'A' && virtualKey <= 'Z' && ctrl != 0 && (modifierBits & ctrl) != 0 &&
        (modifierBits & alt) == 0)
        return TextOf(std::wstring(1, static_cast<wchar_t>(virtualKey - 'A' + 1)));
    return {};
}

Typed TypedByVirtualKey(const KeyboardLayoutTables& layout, uint8_t virtualKey, TypingState state) {
    return TypedByVirtualKey(layout, virtualKey, ModifierBitsOf(layout, state),
                             state == TypingState::CapsLock);
}

std::array<Typed, kTypingStateCount> TypedInEveryState(const KeyboardLayoutTables& layout,
                                                       uint8_t virtualKey) {
    std::array<Typed, kTypingStateCount> typed;
    for (int s = 0; s < kTypingStateCount; ++s)
        typed[static_cast<size_t>(s)] =
            TypedByVirtualKey(layout, virtualKey, static_cast<TypingState>(s));
    return typed;
}

bool HasAltGr(const KeyboardLayoutTables& layout) {
    return (layout.localeFlags & kLocaleAltGr) != 0;
}

Typed Compose(const KeyboardLayoutTables& layout, wchar_t accent, wchar_t base) {
    for (const DeadKeyEntry& entry : layout.deadKeys) {
        if (entry.accent == accent && entry.base == base)
            return {entry.chained ? Typed::Kind::Dead : Typed::Kind::Text,
                    std::wstring(1, entry.composed)};
    }
    return TextOf(std::wstring{accent, base});
}

std::vector<DeadKeyEntry> CompositionsOf(const KeyboardLayoutTables& layout, wchar_t accent) {
    std::vector<DeadKeyEntry> entries;
    for (const DeadKeyEntry& entry : layout.deadKeys) {
        if (entry.accent == accent)
            entries.push_back(entry);
    }
    return entries;
}

std::wstring DeadKeySummary(const KeyboardLayoutTables& layout, wchar_t accent, Language language) {
    std::wstring text;
    std::vector<wchar_t> path;
    AppendSummary(layout, accent, language, path, text);
    return text;
}

std::wstring KeyNameAt(const KeyboardLayoutTables& layout, KeyPlace place) {
    const uint8_t vk = VirtualKeyAt(layout, place);
    const ReportedKey key = ReportedKeyOfPlace(place, vk);
    for (const LayoutKeyName& name : key.extended ? layout.keyNamesExtended : layout.keyNames) {
        if (name.scanCode == key.scanCode)
            return name.name;
    }
    const Typed plain = TypedByVirtualKey(layout, vk, 0, false);
    if (plain.kind == Typed::Kind::Text && plain.text.size() == 1 && plain.text[0] > L' ')
        return std::wstring(1, UpperLatin(plain.text[0]));
    if (plain.kind == Typed::Kind::Dead && !plain.text.empty()) {
        for (const DeadKeyName& name : layout.deadKeyNames) {
            if (name.accent == plain.text[0])
                return name.name;
        }
        return plain.text;
    }
    return {};
}

} // namespace zintar
