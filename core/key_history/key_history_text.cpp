#include "core/key_history/key_history_text.h"

#include <array>

#include "core/converter/captions.h"
#include "core/common/hex_text.h"
#include "core/key_identity/key_names.h"
#include "core/key_identity/logical_key.h"
#include "core/key_identity/physical_key.h"
#include "core/key_identity/virtual_key_names.h"

namespace zintar {

namespace {

constexpr int kByteDigits = 2;
constexpr int kCodePointDigits = 4;
constexpr std::wstring_view kExtendedPrefix = L"E0 ";
constexpr std::wstring_view kCodePointPrefix = L"U+";
constexpr char32_t kFirstPrintable = 0x20, kDelete = 0x7F;
constexpr wchar_t kCaretOffset = 0x40; // ^@ for 0, ^A for 1 ... ^_ for 31
constexpr char32_t kFirstSupplementary = 0x10000;

std::wstring YesNo(bool value, Language language) {
    return std::wstring(YesNoText(value, language));
}

// The bytes of one Unicode scalar value; none for half a surrogate pair, which UTF-8 cannot
// write.
std::wstring Utf8Text(char32_t c) {
    std::array<uint32_t, 4> bytes{};
    size_t n = 0;
    if (IsSurrogate(c) || c > 0x10FFFF)
        return {};
    if (c < 0x80) {
        bytes[n++] = c;
    } else if (c < 0x800) {
        bytes[n++] = 0xC0 | (c >> 6);
        bytes[n++] = 0x80 | (c & 0x3F);
    } else if (c < 0x10000) {
        bytes[n++] = 0xE0 | (c >> 12);
        bytes[n++] = 0x80 | ((c >> 6) & 0x3F);
        bytes[n++] = 0x80 | (c & 0x3F);
    } else {
        bytes[n++] = 0xF0 | (c >> 18);
        bytes[n++] = 0x80 | ((c >> 12) & 0x3F);
        bytes[n++] = 0x80 | ((c >> 6) & 0x3F);
        bytes[n++] = 0x80 | (c & 0x3F);
    }
    std::wstring text;
    for (size_t i = 0; i < n; ++i) {
        if (i > 0)
            text += L' ';
        text += HexText(bytes[i], kByteDigits);
    }
    return text;
}

// Control characters would be invisible in the list and a tab or line end would break the
// copied rows apart, so they are written in caret notation (^C for Ctrl+C, ^M for Enter).
std::wstring CharacterText(char32_t c) {
    if (c < kFirstPrintable)
        return {L'^', static_cast<wchar_t>(c + kCaretOffset)};
    if (c == kDelete)
        return L"^?";
    if (IsSurrogate(c) || c > 0x10FFFF)
        return {};
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= kFirstSupplementary) {
            const char32_t v = c - kFirstSupplementary;
            return {static_cast<wchar_t>(0xD800 + (v >> 10)),
                    static_cast<wchar_t>(0xDC00 + (v & 0x3FF))};
        }
    }
    return std::wstring(1, static_cast<wchar_t>(c));
}

// Key-ups carry the same scan code as their key-downs, so they show the physical key too.
std::wstring PhysicalCell(const KeyEventRecord& r, HistoryColumn column) {
    const PhysicalKey* key = FindPhysicalKey(r.scanCode, r.extended);
    if (!key)
        return {};
    switch (column) {
    case HistoryColumn::DomCode:
        return std::wstring(key->domCode);
    case HistoryColumn::UsbUsage:
        return UsbUsageText(*key);
    case HistoryColumn::LinuxEvdev:
        return EvdevText(*key);
    case HistoryColumn::MacKeyCode:
        return MacKeyText(*key);
    default:
        return {};
    }
}

std::wstring KeyCell(const KeyEventRecord& r, HistoryColumn column) {
    switch (column) {
    case HistoryColumn::DomCode:
    case HistoryColumn::UsbUsage:
    case HistoryColumn::LinuxEvdev:
    case HistoryColumn::MacKeyCode:
        return PhysicalCell(r, column);
    case HistoryColumn::DomKey:
        return std::wstring(DomNamedKey(r.virtualKey));
    case HistoryColumn::KeyCode:
        return std::to_wstring(r.virtualKey);
    case HistoryColumn::KeyCodeHex:
        return HexText(r.virtualKey, kByteDigits);
    case HistoryColumn::Constant:
        return std::wstring(VirtualKeyConstantName(r.virtualKey));
    case HistoryColumn::SideKey:
        if (r.sideKey == 0)
            return {};
        return std::to_wstring(r.sideKey) + L" " + std::wstring(VirtualKeyConstantName(r.sideKey));
    case HistoryColumn::Combination:
        return CombinationName(r.virtualKey, r.modifiers);
    default:
        return {};
    }
}

std::wstring CharacterCell(const KeyEventRecord& r, HistoryColumn column) {
    const bool hasAnsi = r.ansiCode >= 0;
    switch (column) {
    case HistoryColumn::Character:
        return CharacterText(r.codePoint);
    case HistoryColumn::AnsiCode:
        return hasAnsi ? std::to_wstring(r.ansiCode) : std::wstring();
    case HistoryColumn::AnsiCodeHex:
        return hasAnsi ? HexText(static_cast<uint32_t>(r.ansiCode), kByteDigits) : std::wstring();
    case HistoryColumn::Unicode:
        return std::wstring(kCodePointPrefix) + HexText(r.codePoint, kCodePointDigits);
    case HistoryColumn::Utf8:
        return Utf8Text(r.codePoint);
    case HistoryColumn::DomKey:
        return DomKeyOfCharacter(r.codePoint, r.message == KeyMessage::DeadChar);
    default:
        return {};
    }
}

} // namespace

std::wstring HistoryCellText(const KeyEventRecord& r, HistoryColumn column, Language language) {
    switch (column) {
    case HistoryColumn::Elapsed:
        return std::to_wstring(r.sincePreviousMs);
    case HistoryColumn::Message:
        return std::wstring(KeyMessageName(r.message, language));
    case HistoryColumn::ScanCode:
        return (r.extended ? std::wstring(kExtendedPrefix) : std::wstring()) +
               HexText(r.scanCode, kByteDigits);
    case HistoryColumn::Extended:
        return YesNo(r.extended, language);
    case HistoryColumn::AutoRepeat:
        // A key-up always has its previous-state bit set; there it says nothing about repeat.
        return IsKeyUpMessage(r.message) ? std::wstring() : YesNo(r.previousDown, language);
    case HistoryColumn::RepeatCount:
        return std::to_wstring(r.repeatCount);
    case HistoryColumn::Side:
        return std::wstring(SideName(r.side, language));
    case HistoryColumn::Modifiers:
        return std::to_wstring(r.modifiers);
    default:
        break;
    }
    return IsCharacterMessage(r.message) ? CharacterCell(r, column) : KeyCell(r, column);
}

std::wstring TabbedLine(ColumnSet columns,
                        const std::function<std::wstring(HistoryColumn)>& cellOf) {
    std::wstring text;
    bool first = true;
    for (int c = 0; c < kHistoryColumnCount; ++c) {
        if (!HasColumn(columns, c))
            continue;
        if (!first)
            text += L'\t';
        first = false;
        text += cellOf(static_cast<HistoryColumn>(c));
    }
    return text;
}

std::wstring HistoryCopyText(const KeyHistory& history, const std::vector<size_t>& rows,
                             Language language, ColumnSet columns) {
    std::wstring text = TabbedLine(
        columns, [&](HistoryColumn c) { return std::wstring(HistoryColumnTitle(c, language)); });
    for (size_t row : rows) {
        if (row >= history.size())
            continue;
        text += L"\r\n";
        text += TabbedLine(columns, [&](HistoryColumn c) {
            return HistoryCellText(history.at(row), c, language);
        });
    }
    return text;
}

} // namespace zintar
