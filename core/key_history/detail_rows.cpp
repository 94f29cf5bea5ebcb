// The key details pane's rows: one descriptor row each, with its captions and the function
// that writes its value from the facts.
#include "core/key_history/key_details.h"

#include <array>

#include "core/common/hex_text.h"
#include "core/common/indexed_table.h"
#include "core/key_history/character_text.h"
#include "core/key_history/history_words.h"
#include "core/key_history/key_history_text.h"
#include "core/key_identity/logical_key.h"
#include "core/key_identity/physical_key.h"
#include "core/key_identity/virtual_key_names.h"
#include "core/key_state/key_repeat_text.h"

namespace zintar {

namespace {

// A typed text as the pane shows it: a control character (Enter types CR) by its code point,
// which a read-out could not show.
std::wstring ShownText(const std::wstring& text) {
    std::wstring shown;
    for (wchar_t c : text) {
        if (!shown.empty())
            shown += L' ';
        if (IsControlCharacter(c))
            shown += CodePointText(c);
        else
            shown += c;
    }
    return shown;
}

std::wstring TypedValue(const TypedText& typed, Language language) {
    switch (typed.kind) {
    case TypedText::Kind::Text:
        return ShownText(typed.text);
    case TypedText::Kind::Dead:
        return ShownText(typed.text) + L" " +
               std::wstring(TextOf(kDetailValues, DetailValue::Dead, language));
    case TypedText::Kind::Nothing:
        break;
    }
    return std::wstring(TextOf(kDetailValues, DetailValue::Nothing, language));
}

// The values, one function per row.

std::wstring VirtualKeyValue(const KeyDetailsFacts& facts, Language) {
    const uint8_t key = facts.record.virtualKey;
    std::wstring code = DecimalText(key) + L" 0x" + HexText(key, kByteDigits);
    if (const std::wstring_view constant = VirtualKeyConstantName(key); !constant.empty())
        code += L" " + std::wstring(constant);
    return code;
}

// The rows that read as the key history's cell of the same name.
template <HistoryColumn Column>
std::wstring ColumnValue(const KeyDetailsFacts& facts, Language language) {
    return HistoryCellText(facts.record, Column, language);
}

template <std::wstring (*Text)(const PhysicalKey&)>
std::wstring PhysicalValue(const KeyDetailsFacts& facts, Language) {
    const PhysicalKey* key = FindPhysicalKey(facts.record.scanCode, facts.record.extended);
    return key ? Text(*key) : std::wstring();
}

std::wstring WinFormsValue(const KeyDetailsFacts& facts, Language) {
    return WinFormsKeysExpression(facts.record.virtualKey, facts.record.modifiers);
}

std::wstring WpfValue(const KeyDetailsFacts& facts, Language) {
    return WpfKeyMember(facts.record.virtualKey);
}

std::wstring LayoutValue(const KeyDetailsFacts& facts, Language) {
    if (!facts.layout)
        return {};
    const LayoutFacts& layout = *facts.layout;
    return layout.name.empty() ? layout.klid : layout.klid + L" " + layout.name;
}

std::wstring CodePagesValue(const KeyDetailsFacts& facts, Language) {
    if (!facts.layout)
        return {};
    return L"ANSI " + DecimalText(static_cast<int>(facts.layout->ansiCodePage)) + L", OEM " +
           DecimalText(static_cast<int>(facts.layout->oemCodePage));
}

template <ShiftState State>
std::wstring TypesValue(const KeyDetailsFacts& facts, Language language) {
    if (!facts.typed)
        return {};
    return TypedValue(facts.typed->states[static_cast<size_t>(State)], language);
}

std::wstring DeadKeyValue(const KeyDetailsFacts& facts, Language language) {
    if (!facts.typed)
        return {};
    std::wstring value;
    for (int s = 0; s < kShiftStateCount; ++s) {
        if (facts.typed->states[s].kind != TypedText::Kind::Dead)
            continue;
        const auto state = static_cast<ShiftState>(s);
        if (!value.empty())
            value += L"; ";
        value += ShiftStateName(state, language);
        for (const auto& [composedIn, compositions] : facts.typed->compositions)
            if (composedIn == state) {
                const std::wstring summary = CompositionSummary(compositions, language);
                if (!summary.empty())
                    value += L": " + summary;
            }
    }
    return value.empty() ? std::wstring(TextOf(kYesNo, false, language)) : value;
}

std::wstring ShortcutValue(const KeyDetailsFacts& facts, Language language) {
    if (IsSentTextKey(facts.record))
        return std::wstring(TextOf(kDetailValues, DetailValue::SentText, language));
    if (!ShortcutOfRecord(facts.record))
        return std::wstring(TextOf(kDetailValues, DetailValue::ModifierAlone, language));
    if (!facts.shortcut)
        return std::wstring(TextOf(kDetailValues, DetailValue::ProbeWaits, language));
    std::wstring value(TextOf(kHotkeyAnswers, *facts.shortcut, language));
    if (*facts.shortcut == HotkeyAnswer::ReservedByWindows && !facts.reservedBecause.empty())
        value += L": " + std::wstring(facts.reservedBecause);
    return value;
}

// Windows repeats only the key pressed last: the measurement of another key says nothing of
// this one, which reads as not measured yet.
template <size_t Line> std::wstring RepeatValue(const KeyDetailsFacts& facts, Language language) {
    const bool thisKey = facts.repeat.keySeen && facts.repeat.virtualKey == facts.record.virtualKey;
    return RepeatLines(thisKey ? facts.repeat : RepeatMeasurement{}, facts.repeatSetting,
                       language)[Line]
        .value;
}

using R = DetailRow;
using C = HistoryColumn;

// One row per detail row: its id and captions, then the function that writes its value.
// clang-format off
constexpr std::array<DetailRowInfo, kDetailRowCount> kRows{{
    {R::VirtualKey, {L"Virtual-key code", L"Virtu\u00E1lis billenty\u0171k\u00F3d"},
     VirtualKeyValue},
    {R::ScanCode, {L"Scan code", L"Letapogat\u00E1si k\u00F3d"},
     ColumnValue<C::ScanCode>},
    {R::UsbUsage, {L"USB usage", L"USB-haszn\u00E1lat"},
     ColumnValue<C::UsbUsage>},
    {R::DomCode, {L"DOM code", L"DOM-k\u00F3d"},
     ColumnValue<C::DomCode>},
    {R::LinuxEvdev, {L"Linux evdev", L"Linux evdev"},
     ColumnValue<C::LinuxEvdev>},
    {R::Xkb, {L"XKB keycode", L"XKB billenty\u0171k\u00F3d"},
     PhysicalValue<XkbText>},
    {R::MacKeyCode, {L"macOS key code", L"macOS billenty\u0171k\u00F3d"},
     ColumnValue<C::MacKeyCode>},
    {R::SdlScancode, {L"SDL scancode", L"SDL letapogat\u00E1si k\u00F3d"},
     PhysicalValue<SdlText>},
    {R::WinFormsKeys, {L"WinForms Keys", L"WinForms Keys"},
     WinFormsValue},
    {R::WpfKey, {L"WPF Key", L"WPF Key"},
     WpfValue},
    {R::DomKey, {L"DOM key", L"DOM-billenty\u0171"},
     ColumnValue<C::DomKey>},
    {R::Layout, {L"Layout", L"Kioszt\u00E1s"},
     LayoutValue},
    {R::CodePages, {L"Code pages", L"K\u00F3dlapok"},
     CodePagesValue},
    {R::TypesPlain, {L"Types plain", L"Alap\u00E1ll\u00E1sban"},
     TypesValue<ShiftState::Plain>},
    {R::TypesShift, {L"With Shift", L"Shifttel"},
     TypesValue<ShiftState::Shift>},
    {R::TypesAltGr, {L"With AltGr", L"AltGr-rel"},
     TypesValue<ShiftState::AltGr>},
    {R::TypesShiftAltGr, {L"With Shift+AltGr", L"Shift+AltGr-rel"},
     TypesValue<ShiftState::ShiftAltGr>},
    {R::TypesCapsLock, {L"With Caps Lock", L"Caps Lockkal"},
     TypesValue<ShiftState::CapsLock>},
    {R::DeadKey, {L"Dead key", L"Holt billenty\u0171"},
     DeadKeyValue},
    {R::Shortcut, {L"Shortcut", L"Billenty\u0171parancs"},
     ShortcutValue},
    {R::RepeatDelay, kRepeatDelayCaption,
     RepeatValue<0>},
    {R::RepeatRate, kRepeatRateCaption,
     RepeatValue<1>},
}};
// clang-format on

static_assert(EachRowAtItsIndex(kRows, &DetailRowInfo::id),
              "one row per detail row, in the order of DetailRow");

} // namespace

std::span<const DetailRowInfo> DetailRows() {
    return kRows;
}

std::wstring_view DetailCaption(DetailRow row, Language language) {
    const auto i = static_cast<size_t>(row);
    return i < kRows.size() ? kRows[i].caption.In(language) : std::wstring_view();
}

DetailLines KeyDetailLines(const KeyDetailsFacts& facts, Language language) {
    DetailLines lines;
    for (size_t i = 0; i < kRows.size(); ++i)
        lines[i] = {kRows[i].caption.In(language), kRows[i].value(facts, language)};
    return lines;
}

} // namespace zintar
