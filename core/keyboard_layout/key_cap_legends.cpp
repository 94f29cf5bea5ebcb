#include "core/keyboard_layout/key_cap_legends.h"

#include <algorithm>
#include <string_view>

#include "core/key_identity/key_names.h"
#include "core/key_identity/virtual_key_table.h"
#include "core/keyboard_layout/layout_captions.h"
#include "core/keyboard_layout/layout_texts.h"

namespace zintar {

namespace {

constexpr wchar_t kDelete = 0x7F;

// The number pad's keys give the navigation keys' codes; with Num Lock on, the system turns
// them into the digits, which is what their caps show.
struct NumpadKey {
    uint8_t scanCode, numLockKey;
};
constexpr NumpadKey kNumpad[] = {
    {0x47, 0x67}, {0x48, 0x68}, {0x49, 0x69}, {0x4B, 0x64}, {0x4C, 0x65}, {0x4D, 0x66},
    {0x4F, 0x61}, {0x50, 0x62}, {0x51, 0x63}, {0x52, 0x60}, {0x53, 0x6E},
};

uint8_t TypingKeyAt(const KeyboardLayoutTables& layout, KeyPlace place, uint8_t virtualKey) {
    if (place.prefix != ScanPrefix::None || place.scanCode >= layout.scanCodes.size() ||
        (layout.scanCodes[place.scanCode] & kScanFlagNumpad) == 0)
        return virtualKey;
    for (const NumpadKey& key : kNumpad)
        if (key.scanCode == place.scanCode)
            return key.numLockKey;
    return virtualKey;
}

bool Printable(const Typed& typed) {
    if (typed.kind == Typed::Kind::Nothing || typed.text.empty())
        return false;
    return std::all_of(typed.text.begin(), typed.text.end(),
                       [](wchar_t c) { return c > L' ' && c != kDelete; });
}

Typed Shown(const Typed& typed) {
    return Printable(typed) ? typed : Typed{};
}

std::wstring FallbackName(uint8_t virtualKey) {
    const VirtualKeyNames& row = VirtualKeyRow(virtualKey);
    for (std::wstring_view candidate : {row.display, row.autoHotkey, row.constant})
        if (!candidate.empty())
            return std::wstring(candidate);
    return {};
}

// What keyboards print on the keys that type nothing, where the layout names none; the same
// in both languages, as on the keys of a Hungarian keyboard.
struct PrintedLabel {
    uint8_t virtualKey;
    std::wstring_view label;
};
constexpr PrintedLabel kPrinted[] = {
    {0x03, L"Break"},  {0x08, L"Backspace"}, {0x09, L"Tab"},    {0x0D, L"Enter"},
    {0x13, L"Pause"},  {0x14, L"Caps Lock"}, {0x1B, L"Esc"},    {0x21, L"PgUp"},
    {0x22, L"PgDn"},   {0x23, L"End"},       {0x24, L"Home"},   {0x25, L"\u2190"},
    {0x26, L"\u2191"}, {0x27, L"\u2192"},    {0x28, L"\u2193"}, {0x2C, L"PrtSc"},
    {0x2D, L"Ins"},    {0x2E, L"Del"},       {0x5B, L"Win"},    {0x5C, L"Win"},
    {0x5D, L"Menu"},   {0x90, L"Num Lock"},  {0x91, L"ScrLk"},  {0xA0, L"Shift"},
    {0xA1, L"Shift"},  {0xA2, L"Ctrl"},      {0xA3, L"Ctrl"},   {0xA4, L"Alt"},
    {0xA5, L"Alt"},
};

std::wstring_view PrintedLabelOf(uint8_t virtualKey) {
    for (const PrintedLabel& printed : kPrinted)
        if (printed.virtualKey == virtualKey)
            return printed.label;
    return {};
}

// Each spot's label in the spoken line; plain and Shift go without one, as on the cap.
constexpr TypingState kSpotStates[] = {TypingState::Plain, TypingState::Shift, TypingState::AltGr,
                                       TypingState::ShiftAltGr, TypingState::CapsLock};
static_assert(std::size(kSpotStates) == kLegendSpotCount);

} // namespace

bool KeyCapLegends::HasLegend() const {
    return std::any_of(legends.begin(), legends.end(),
                       [](const Typed& t) { return t.kind != Typed::Kind::Nothing; });
}

bool KeyCapLegends::HasDeadKey() const {
    return std::any_of(legends.begin(), legends.end(),
                       [](const Typed& t) { return t.kind == Typed::Kind::Dead; });
}

KeyCapLegends LegendsOfKey(const KeyboardLayoutTables& layout, KeyPlace place) {
    KeyCapLegends key;
    key.virtualKey = VirtualKeyAt(layout, place);
    if (key.virtualKey == 0)
        return key;
    key.name = KeyNameAt(layout, place);
    const std::wstring_view printed = PrintedLabelOf(key.virtualKey);
    key.label = !key.name.empty() ? key.name
                : printed.empty() ? FallbackName(key.virtualKey)
                                  : std::wstring(printed);
    if (key.name.empty())
        key.name = FallbackName(key.virtualKey);
    const uint8_t typing = TypingKeyAt(layout, place, key.virtualKey);
    for (int s = 0; s < kLegendSpotCount; ++s)
        key.legends[static_cast<size_t>(s)] =
            Shown(TypedByVirtualKey(layout, typing, kSpotStates[s]));
    // One character plain and shifted alike is printed once.
    auto& shift = key.legends[static_cast<size_t>(LegendSpot::Shift)];
    if (shift == key.legends[static_cast<size_t>(LegendSpot::Plain)])
        shift = {};
    // Caps Lock is drawn only where it types a character the other legends do not show:
    // a letter's capital is already its Shift legend.
    auto& caps = key.legends[static_cast<size_t>(LegendSpot::CapsLock)];
    const Typed plain = Shown(TypedByVirtualKey(layout, typing, TypingState::Plain));
    const Typed shifted = Shown(TypedByVirtualKey(layout, typing, TypingState::Shift));
    if (caps == plain || caps == shifted)
        caps = {};
    return key;
}

std::wstring KeyCapAccessibleName(const KeyCapLegends& key, Language language) {
    std::wstring text = key.name;
    bool first = true;
    for (int s = 0; s < kLegendSpotCount; ++s) {
        const Typed& legend = key.legends[static_cast<size_t>(s)];
        if (legend.kind == Typed::Kind::Nothing)
            continue;
        text += first ? L": " : L", ";
        first = false;
        if (s > static_cast<int>(LegendSpot::Shift)) {
            text += TypingStateName(kSpotStates[s], language);
            text += L' ';
        }
        text += TypedCellText(legend, language);
    }
    return text;
}

} // namespace zintar
