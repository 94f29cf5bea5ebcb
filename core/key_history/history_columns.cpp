#include "core/key_history/history_columns.h"

#include <array>

#include "core/common/hex_text.h"
#include "core/common/indexed_table.h"
#include "core/common/virtual_keys.h"
#include "core/key_history/character_text.h"
#include "core/key_history/history_words.h"
#include "core/key_history/input_device_name.h"
#include "core/key_history/record_note.h"
#include "core/key_identity/key_names.h"
#include "core/key_identity/logical_key.h"
#include "core/key_identity/physical_key.h"
#include "core/key_identity/virtual_key_names.h"
#include "core/key_state/key_times_text.h"

namespace zintar {

namespace {

// The widest texts a column usually shows: system key messages of an extended key with every
// modifier held, a dead character beyond the first plane, a key that went elsewhere for the
// longest reason, seen by every view, from a device named with a vendor and a product.
constexpr uint8_t kAllModifiers = kModifierShift | kModifierCtrl | kModifierAlt;
constexpr uint8_t kDelete = 0x2E, kF9 = 0x78;
// clang-format off
constexpr KeyEventRecord kWideKeyDown{99999, 0, KeyMessage::SysKeyDown, kDelete, 0x53, true, true,
    65535, KeySide::Right, vk::kRightMenu, kAllModifiers, kNoAnsiCode};
constexpr KeyEventRecord kWideKeyUp{99999, 0, KeyMessage::SysKeyUp, kDelete, 0x53, true, true,
    65535, KeySide::Right, vk::kRightMenu, kAllModifiers, kNoAnsiCode};
constexpr KeyEventRecord kWideCharacter{99999, 0x1F600, KeyMessage::DeadChar, 0, 0x53, true, true,
    65535, KeySide::None, 0, kAllModifiers, 255};
constexpr KeyTiming kWideTiming{99999, 9}; // a press held long, and one that chattered
constexpr KeyRoute kWideRoute{{kF9, 0x43, false, false, 0}, 0, kAllKeySources, true, false, 0,
    true, 1, false, 0, 0, 0, NotDeliveredReason::KeyUpOnly};
// clang-format on

constexpr HistoryCell kKeySamples[] = {{&kWideKeyDown}, {&kWideKeyUp}};
constexpr HistoryCell kCharacterSamples[] = {{&kWideCharacter}};
constexpr HistoryCell kRecordSamples[] = {{&kWideKeyDown}, {&kWideKeyUp}, {&kWideCharacter}};
constexpr HistoryCell kRouteSamples[] = {{nullptr, &kWideRoute, L"\\\\?\\HID#VID_FFFF&PID_FFFF#0"}};
// Records of the messages that are no keystroke: the widest message name in Hungarian, and a
// note as wide as the usual ones (an application command from the mouse).
constexpr KeyEventRecord OtherRecord(KeyMessage message, uint16_t appCommand, uint16_t device) {
    KeyEventRecord record{};
    record.message = message;
    record.ansiCode = kNoAnsiCode;
    record.appCommand = appCommand;
    record.appCommandDevice = device;
    return record;
}
constexpr KeyEventRecord kCompositionStart = OtherRecord(KeyMessage::ImeStartComposition, 0, 0);
constexpr KeyEventRecord kAppCommand = OtherRecord(KeyMessage::AppCommand, 8, 0x8000);
constexpr HistoryCell kMessageSamples[] = {
    {&kWideKeyDown}, {&kWideKeyUp}, {&kWideCharacter}, {&kCompositionStart}};
constexpr HistoryCell kNoteSamples[] = {{&kAppCommand}};
constexpr HistoryCell kTimingSamples[] = {{.record = &kWideKeyUp, .timing = &kWideTiming}};

std::wstring YesNo(bool yes, Language language) {
    return std::wstring(TextOf(kYesNo, yes, language));
}

// The cells, one function per column.

std::wstring ElapsedCell(const HistoryCell& c, Language) {
    return std::to_wstring(c.record->sincePreviousMs);
}

std::wstring MessageCell(const HistoryCell& c, Language language) {
    return std::wstring(TextOf(kKeyMessageNames, c.record->message, language));
}

std::wstring KeyCodeCell(const HistoryCell& c, Language) {
    return std::to_wstring(c.record->virtualKey);
}

std::wstring KeyCodeHexCell(const HistoryCell& c, Language) {
    return HexText(c.record->virtualKey, kByteDigits);
}

std::wstring ConstantCell(const HistoryCell& c, Language) {
    return std::wstring(VirtualKeyConstantName(c.record->virtualKey));
}

// Sent text has no key: its lParam holds the character where a keystroke has its scan code
// and flags, so these cells stay empty rather than name a key.
std::wstring ScanCodeCell(const HistoryCell& c, Language) {
    if (c.record->sent)
        return {};
    return (c.record->extended ? L"E0 " : L"") + HexText(c.record->scanCode, kByteDigits);
}

std::wstring ExtendedCell(const HistoryCell& c, Language language) {
    return c.record->sent ? std::wstring() : YesNo(c.record->extended, language);
}

// A key-up always has its previous-state bit set; there it says nothing about repeat.
std::wstring AutoRepeatCell(const HistoryCell& c, Language language) {
    return IsKeyUpMessage(c.record->message) || c.record->sent
               ? std::wstring()
               : YesNo(c.record->previousDown, language);
}

std::wstring RepeatCountCell(const HistoryCell& c, Language) {
    return std::to_wstring(c.record->repeatCount);
}

std::wstring SideCell(const HistoryCell& c, Language language) {
    return std::wstring(TextOf(kSideNames, c.record->side, language));
}

std::wstring SideKeyCell(const HistoryCell& c, Language) {
    const uint8_t key = c.record->sideKey;
    return key == 0 ? std::wstring()
                    : std::to_wstring(key) + L" " + std::wstring(VirtualKeyConstantName(key));
}

std::wstring ModifiersCell(const HistoryCell& c, Language) {
    return std::to_wstring(c.record->modifiers);
}

std::wstring CombinationCell(const HistoryCell& c, Language) {
    return CombinationName(c.record->virtualKey, c.record->modifiers);
}

std::wstring CharacterCell(const HistoryCell& c, Language) {
    return CaretText(c.record->codePoint);
}

std::wstring AnsiCodeCell(const HistoryCell& c, Language) {
    const int16_t code = c.record->ansiCode;
    return code >= 0 ? std::to_wstring(code) : std::wstring();
}

std::wstring AnsiCodeHexCell(const HistoryCell& c, Language) {
    const int16_t code = c.record->ansiCode;
    return code >= 0 ? HexText(static_cast<uint32_t>(code), kByteDigits) : std::wstring();
}

std::wstring UnicodeCell(const HistoryCell& c, Language) {
    return CodePointText(c.record->codePoint);
}

std::wstring Utf8Cell(const HistoryCell& c, Language) {
    return Utf8Text(c.record->codePoint);
}

std::wstring DomCodeText(const PhysicalKey& key) {
    return std::wstring(key.domCode);
}

// Key-ups carry the same scan code as their key-downs, so they show the physical key too.
template <std::wstring (*Text)(const PhysicalKey&)>
std::wstring PhysicalCell(const HistoryCell& c, Language) {
    const PhysicalKey* key = FindPhysicalKey(c.record->scanCode, c.record->extended);
    return key ? Text(*key) : std::wstring();
}

std::wstring DomKeyCell(const HistoryCell& c, Language) {
    const KeyEventRecord& r = *c.record;
    if (IsCharacterMessage(r.message))
        return DomKeyOfCharacter(r.codePoint, r.message == KeyMessage::DeadChar);
    return std::wstring(DomNamedKey(r.virtualKey));
}

// The Delivered cell carries the reason with its "no", so the row says why in the list
// itself and in a copy of it.
std::wstring DeliveredCell(const HistoryCell& c, Language language) {
    if (c.route->delivered)
        return YesNo(true, language);
    std::wstring text = YesNo(false, language);
    const std::wstring_view reason = TextOf(kNotDeliveredReasons, c.route->reason, language);
    if (!reason.empty())
        text += L" (" + std::wstring(reason) + L")";
    return text;
}

std::wstring InjectedCell(const HistoryCell& c, Language language) {
    return c.route->injected ? YesNo(true, language) : std::wstring();
}

std::wstring DeviceCell(const HistoryCell& c, Language) {
    return c.route->hasDevice ? ShortInputDeviceName(c.deviceName) : std::wstring();
}

std::wstring NoteCell(const HistoryCell& c, Language language) {
    return RecordNoteText(*c.record, c.texts, language);
}

std::wstring SeenByCell(const HistoryCell& c, Language language) {
    std::wstring text;
    for (const auto& [source, name] : kKeySourceNames) {
        if ((c.route->seenBy & Bit(source)) == 0)
            continue;
        if (!text.empty())
            text += L", ";
        text += name.In(language);
    }
    return text;
}

template <KeyTimeColumn Column> std::wstring TimeCell(const HistoryCell& c, Language language) {
    return KeyTimeCellText(*c.timing, Column, c.chatter, language);
}

using C = HistoryColumn;
using S = CellSource;

// One row per column: its id and titles, then where its cells come from, the function that
// writes them and the cells that show how wide the column must be.
// clang-format off
constexpr std::array<HistoryColumnInfo, kHistoryColumnCount> kColumns{{
    {C::Elapsed, {L"Elapsed (ms)", L"Eltelt id\u0151 (ms)"},
     S::Record, ElapsedCell, kRecordSamples},
    {C::Message, {L"Message", L"\u00DCzenet"},
     S::Record, MessageCell, kMessageSamples},
    {C::KeyCode, {L"Key code", L"Billenty\u0171k\u00F3d"},
     S::KeyRecord, KeyCodeCell, kKeySamples},
    {C::KeyCodeHex, {L"Hex", L"Hexa"},
     S::KeyRecord, KeyCodeHexCell, kKeySamples},
    {C::Constant, {L"Constant", L"Konstans"},
     S::KeyRecord, ConstantCell, kKeySamples},
    {C::ScanCode, {L"Scan code", L"Letapogat\u00E1si k\u00F3d"},
     S::Keystroke, ScanCodeCell, kRecordSamples},
    {C::Extended, {L"Extended", L"Kiterjesztett"},
     S::Keystroke, ExtendedCell, kRecordSamples},
    {C::AutoRepeat, {L"Auto-repeat", L"Automatikus ism\u00E9tl\u00E9s"},
     S::Keystroke, AutoRepeatCell, kRecordSamples},
    {C::RepeatCount, {L"Repeat count", L"Ism\u00E9tl\u00E9ssz\u00E1m"},
     S::Keystroke, RepeatCountCell, kRecordSamples},
    {C::Side, {L"Side", L"Oldal"},
     S::Record, SideCell, kRecordSamples},
    {C::SideKey, {L"Side-specific code", L"Oldalf\u00FCgg\u0151 k\u00F3d"},
     S::KeyRecord, SideKeyCell, kKeySamples},
    {C::Modifiers, {L"Modifiers", L"M\u00F3dos\u00EDt\u00F3k"},
     S::Record, ModifiersCell, kRecordSamples},
    {C::Combination, {L"Combination", L"Kombin\u00E1ci\u00F3"},
     S::KeyRecord, CombinationCell, kKeySamples},
    {C::Character, {L"Character", L"Karakter"},
     S::Text, CharacterCell, kCharacterSamples},
    {C::AnsiCode, {L"ANSI code", L"ANSI k\u00F3d"},
     S::CharacterRecord, AnsiCodeCell, kCharacterSamples},
    {C::AnsiCodeHex, {L"ANSI hex", L"ANSI hexa"},
     S::CharacterRecord, AnsiCodeHexCell, kCharacterSamples},
    {C::Unicode, {L"Unicode", L"Unicode"},
     S::Text, UnicodeCell, kCharacterSamples},
    {C::Utf8, {L"UTF-8", L"UTF-8"},
     S::Text, Utf8Cell, kCharacterSamples},
    {C::DomCode, {L"DOM code", L"DOM-k\u00F3d"},
     S::KeyRecord, PhysicalCell<DomCodeText>, kKeySamples},
    {C::UsbUsage, {L"USB usage", L"USB-haszn\u00E1lat"},
     S::KeyRecord, PhysicalCell<UsbUsageText>, kKeySamples},
    {C::LinuxEvdev, {L"Linux evdev", L"Linux evdev"},
     S::KeyRecord, PhysicalCell<EvdevText>, kKeySamples},
    {C::MacKeyCode, {L"macOS key code", L"macOS billenty\u0171k\u00F3d"},
     S::KeyRecord, PhysicalCell<MacKeyText>, kKeySamples},
    {C::DomKey, {L"DOM key", L"DOM-billenty\u0171"},
     S::Keystroke, DomKeyCell, kRecordSamples},
    {C::Delivered, {L"Delivered", L"K\u00E9zbes\u00EDtve"},
     S::Route, DeliveredCell, kRouteSamples},
    {C::Injected, {L"Injected", L"Injekt\u00E1lt"},
     S::Route, InjectedCell, kRouteSamples},
    {C::Device, {L"Device", L"Eszk\u00F6z"},
     S::Route, DeviceCell, kRouteSamples},
    {C::SeenBy, {L"Seen by", L"\u00C9szlelte"},
     S::Route, SeenByCell, kRouteSamples},
    {C::Held, KeyTimeColumnTitles(KeyTimeColumn::Held),
     S::Timing, TimeCell<KeyTimeColumn::Held>, kTimingSamples},
    {C::SinceRelease, KeyTimeColumnTitles(KeyTimeColumn::SinceRelease),
     S::Timing, TimeCell<KeyTimeColumn::SinceRelease>, kTimingSamples},
    {C::Chatter, KeyTimeColumnTitles(KeyTimeColumn::Chatter),
     S::Timing, TimeCell<KeyTimeColumn::Chatter>, kTimingSamples},
    {C::Note, {L"Note", L"Megjegyz\u00E9s"},
     S::Record, NoteCell, kNoteSamples},
}};
// clang-format on

static_assert(EachRowAtItsIndex(kColumns, &HistoryColumnInfo::id),
              "one row per column, in the order of HistoryColumn");

const HistoryColumnInfo* Find(HistoryColumn column) {
    const auto i = static_cast<size_t>(column);
    return i < kColumns.size() ? &kColumns[i] : nullptr;
}

bool HasSource(CellSource source, const HistoryCell& cell) {
    switch (source) {
    case CellSource::Record:
        return cell.record != nullptr;
    case CellSource::KeyRecord:
        return cell.record && IsKeyMessage(cell.record->message);
    case CellSource::CharacterRecord:
        return cell.record && IsCharacterMessage(cell.record->message);
    case CellSource::Route:
        return cell.route != nullptr;
    case CellSource::Keystroke:
        return cell.record &&
               (IsKeyMessage(cell.record->message) || IsCharacterMessage(cell.record->message));
    case CellSource::Text:
        return cell.record &&
               (IsCharacterMessage(cell.record->message) || IsSentTextKey(*cell.record));
    case CellSource::Timing:
        return cell.timing != nullptr;
    }
    return false;
}

} // namespace

std::span<const HistoryColumnInfo> HistoryColumns() {
    return kColumns;
}

std::wstring_view HistoryColumnTitle(HistoryColumn column, Language language) {
    const HistoryColumnInfo* info = Find(column);
    return info ? info->title.In(language) : std::wstring_view();
}

std::wstring ColumnCellText(HistoryColumn column, const HistoryCell& cell, Language language) {
    const HistoryColumnInfo* info = Find(column);
    if (!info || !HasSource(info->source, cell))
        return {};
    return info->cellText(cell, language);
}

std::vector<std::wstring> ColumnWidthTexts(HistoryColumn column, Language language) {
    const HistoryColumnInfo* info = Find(column);
    if (!info)
        return {};
    std::vector<std::wstring> texts{std::wstring(info->title.In(language))};
    for (const HistoryCell& sample : info->widthSamples)
        texts.push_back(ColumnCellText(column, sample, language));
    return texts;
}

} // namespace zintar
