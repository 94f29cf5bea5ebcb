#include "core/key_history_text.h"

#include <array>

#include "core/key_names.h"
#include "core/virtual_key_names.h"

namespace zintar {

namespace {

// One text in both languages.
struct Bilingual {
    std::wstring_view english, hungarian;
    constexpr std::wstring_view In(Language language) const {
        return language == Language::English ? english : hungarian;
    }
};

// In the order of HistoryColumn.
constexpr std::array<Bilingual, kHistoryColumnCount> kTitles{{
    {L"Elapsed (ms)", L"Eltelt id\u0151 (ms)"},
    {L"Message", L"\u00DCzenet"},
    {L"Key code", L"Billenty\u0171k\u00F3d"},
    {L"Hex", L"Hexa"},
    {L"Constant", L"Konstans"},
    {L"Scan code", L"Letapogat\u00E1si k\u00F3d"},
    {L"Extended", L"Kiterjesztett"},
    {L"Auto-repeat", L"Automatikus ism\u00E9tl\u00E9s"},
    {L"Repeat count", L"Ism\u00E9tl\u00E9ssz\u00E1m"},
    {L"Side", L"Oldal"},
    {L"Side-specific code", L"Oldalf\u00FCgg\u0151 k\u00F3d"},
    {L"Modifiers", L"M\u00F3dos\u00EDt\u00F3k"},
    {L"Combination", L"Kombin\u00E1ci\u00F3"},
    {L"Character", L"Karakter"},
    {L"ANSI code", L"ANSI k\u00F3d"},
    {L"ANSI hex", L"ANSI hexa"},
    {L"Unicode", L"Unicode"},
    {L"UTF-8", L"UTF-8"},
    {L"Delivered", L"K\u00E9zbes\u00EDtve"},
    {L"Injected", L"Injekt\u00E1lt"},
    {L"Device", L"Eszk\u00F6z"},
    {L"Seen by", L"\u00C9szlelte"},
}};

constexpr int kMessageCount = static_cast<int>(KeyMessage::DeadChar) + 1;

// In the order of KeyMessage.
constexpr std::array<Bilingual, kMessageCount> kMessageNames{{
    {L"key down", L"billenty\u0171 le"},
    {L"key up", L"billenty\u0171 fel"},
    {L"system key down", L"rendszerbillenty\u0171 le"},
    {L"system key up", L"rendszerbillenty\u0171 fel"},
    {L"character", L"karakter"},
    {L"dead character", L"holt karakter"},
}};

constexpr Bilingual kYes{L"yes", L"igen"};
constexpr Bilingual kNo{L"no", L"nem"};
constexpr Bilingual kLeft{L"left", L"bal"};
constexpr Bilingual kRight{L"right", L"jobb"};

constexpr int kByteDigits = 2;
constexpr int kCodePointDigits = 4;
constexpr std::wstring_view kExtendedPrefix = L"E0 ";
constexpr std::wstring_view kCodePointPrefix = L"U+";
constexpr char32_t kFirstPrintable = 0x20, kDelete = 0x7F;
constexpr wchar_t kCaretOffset = 0x40; // ^@ for 0, ^A for 1 ... ^_ for 31
constexpr char32_t kFirstSupplementary = 0x10000;

// Upper-case hexadecimal with at least minDigits digits.
std::wstring Hex(uint32_t value, int minDigits) {
    constexpr std::wstring_view digits = L"0123456789ABCDEF";
    std::wstring text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    if (static_cast<int>(text.size()) < minDigits)
        text.insert(0, static_cast<size_t>(minDigits) - text.size(), L'0');
    return text;
}

std::wstring YesNo(bool value, Language language) {
    return std::wstring((value ? kYes : kNo).In(language));
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
        text += Hex(bytes[i], kByteDigits);
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

std::wstring SideText(KeySide side, Language language) {
    switch (side) {
    case KeySide::Left:
        return std::wstring(kLeft.In(language));
    case KeySide::Right:
        return std::wstring(kRight.In(language));
    case KeySide::None:
        break;
    }
    return {};
}

std::wstring KeyCell(const KeyEventRecord& r, HistoryColumn column) {
    switch (column) {
    case HistoryColumn::KeyCode:
        return std::to_wstring(r.virtualKey);
    case HistoryColumn::KeyCodeHex:
        return Hex(r.virtualKey, kByteDigits);
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
        return hasAnsi ? Hex(static_cast<uint32_t>(r.ansiCode), kByteDigits) : std::wstring();
    case HistoryColumn::Unicode:
        return std::wstring(kCodePointPrefix) + Hex(r.codePoint, kCodePointDigits);
    case HistoryColumn::Utf8:
        return Utf8Text(r.codePoint);
    default:
        return {};
    }
}

} // namespace

std::wstring_view HistoryColumnTitle(HistoryColumn column, Language language) {
    const auto i = static_cast<size_t>(column);
    return i < kTitles.size() ? kTitles[i].In(language) : std::wstring_view();
}

std::wstring HistoryCellText(const KeyEventRecord& r, HistoryColumn column, Language language) {
    switch (column) {
    case HistoryColumn::Elapsed:
        return std::to_wstring(r.sincePreviousMs);
    case HistoryColumn::Message: {
        const auto i = static_cast<size_t>(r.message);
        return i < kMessageNames.size() ? std::wstring(kMessageNames[i].In(language))
                                        : std::wstring();
    }
    case HistoryColumn::ScanCode:
        return (r.extended ? std::wstring(kExtendedPrefix) : std::wstring()) +
               Hex(r.scanCode, kByteDigits);
    case HistoryColumn::Extended:
        return YesNo(r.extended, language);
    case HistoryColumn::AutoRepeat:
        // A key-up always has its previous-state bit set; there it says nothing about repeat.
        return IsKeyUpMessage(r.message) ? std::wstring() : YesNo(r.previousDown, language);
    case HistoryColumn::RepeatCount:
        return std::to_wstring(r.repeatCount);
    case HistoryColumn::Side:
        return SideText(r.side, language);
    case HistoryColumn::Modifiers:
        return std::to_wstring(r.modifiers);
    default:
        break;
    }
    return IsCharacterMessage(r.message) ? CharacterCell(r, column) : KeyCell(r, column);
}

std::wstring HistoryCopyText(const KeyHistory& history, const std::vector<size_t>& rows,
                             Language language) {
    std::wstring text;
    for (int c = 0; c < kHistoryColumnCount; ++c) {
        if (c > 0)
            text += L'\t';
        text += HistoryColumnTitle(static_cast<HistoryColumn>(c), language);
    }
    for (size_t row : rows) {
        if (row >= history.size())
            continue;
        text += L"\r\n";
        for (int c = 0; c < kHistoryColumnCount; ++c) {
            if (c > 0)
                text += L'\t';
            text += HistoryCellText(history.at(row), static_cast<HistoryColumn>(c), language);
        }
    }
    return text;
}

} // namespace zintar
