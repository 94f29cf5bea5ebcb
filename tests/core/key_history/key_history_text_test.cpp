#include "core/key_history/history_columns.h"
#include "core/key_history/key_history_text.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace zintar {
namespace {

using C = HistoryColumn;
constexpr uint32_t kExtended = 1u << 24;
constexpr uint32_t kWasDown = 1u << 30;
constexpr Language kBoth[] = {Language::English, Language::Hungarian};

constexpr uint32_t LParam(uint32_t scan, uint32_t flags = 0, uint32_t count = 1) {
    return count | (scan << 16) | flags;
}

// The record that a run of messages leaves last in a fresh history.
KeyEventRecord RecordOf(std::initializer_list<KeyMessageInput> inputs) {
    KeyHistory history;
    for (const KeyMessageInput& input : inputs)
        history.Add(input);
    return history.at(history.size() - 1);
}

KeyEventRecord KeyDown(uint32_t key, uint32_t lParam, uint8_t modifiers = 0) {
    return RecordOf({{KeyMessage::KeyDown, key, lParam, 0, modifiers, kNoAnsiCode}});
}

KeyMessageInput Unit(char16_t unit, int16_t ansi) {
    return {KeyMessage::Char, unit, LParam(0x1E), 0, 0, ansi};
}

std::vector<std::wstring> Split(const std::wstring& text, const std::wstring& separator) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::wstring::npos)
            return parts;
        start = end + separator.size();
    }
}

TEST(HistoryColumnTitle, EveryColumnIsNamedOnceInEachLanguage) {
    for (Language language : kBoth) {
        std::set<std::wstring_view> seen;
        for (int c = 0; c < kHistoryColumnCount; ++c) {
            const std::wstring_view title = HistoryColumnTitle(static_cast<C>(c), language);
            EXPECT_FALSE(title.empty()) << "column " << c;
            EXPECT_EQ(title.find_first_of(L"\t\r\n"), std::wstring_view::npos) << "column " << c;
            EXPECT_TRUE(seen.insert(title).second) << "column " << c << " repeats a title";
        }
        EXPECT_TRUE(HistoryColumnTitle(static_cast<C>(kHistoryColumnCount), language).empty());
    }
    EXPECT_EQ(HistoryColumnTitle(C::Message, Language::Hungarian), L"\u00DCzenet");
    EXPECT_EQ(HistoryColumnTitle(C::Character, Language::Hungarian), L"Karakter");
    EXPECT_EQ(HistoryColumnTitle(C::ScanCode, Language::English), L"Scan code");
}

TEST(HistoryCellText, NamesEachMessageInBothLanguages) {
    struct Case {
        KeyMessage message;
        uint32_t wParam;
        const wchar_t* english;
        const wchar_t* hungarian;
    };
    const Case cases[] = {
        {KeyMessage::KeyDown, 65, L"key down", L"billenty\u0171 le"},
        {KeyMessage::KeyUp, 65, L"key up", L"billenty\u0171 fel"},
        {KeyMessage::SysKeyDown, 18, L"system key down", L"rendszerbillenty\u0171 le"},
        {KeyMessage::SysKeyUp, 18, L"system key up", L"rendszerbillenty\u0171 fel"},
        {KeyMessage::Char, L'a', L"character", L"karakter"},
        {KeyMessage::DeadChar, L'^', L"dead character", L"holt karakter"},
    };
    for (const Case& c : cases) {
        const KeyEventRecord r = RecordOf({{c.message, c.wParam, LParam(0x1E), 0, 0, 97}});
        EXPECT_EQ(HistoryCellText(r, C::Message, Language::English), c.english);
        EXPECT_EQ(HistoryCellText(r, C::Message, Language::Hungarian), c.hungarian);
    }
}

TEST(HistoryCellText, ShowsWhatAKeySends) {
    struct Case {
        const char* what;
        KeyEventRecord record;
        std::vector<std::pair<C, const wchar_t*>> english;
        std::vector<std::pair<C, const wchar_t*>> hungarian;
    };
    const Case cases[] = {
        {"Enter",
         KeyDown(13, LParam(0x1C)),
         {{C::KeyCode, L"13"},
          {C::KeyCodeHex, L"0D"},
          {C::Constant, L"VK_RETURN"},
          {C::ScanCode, L"1C"},
          {C::Extended, L"no"},
          {C::Combination, L"Enter"}},
         {{C::Extended, L"nem"}, {C::Combination, L"Enter"}}},
        {"Numpad Enter",
         KeyDown(13, LParam(0x1C, kExtended)),
         {{C::KeyCode, L"13"}, {C::ScanCode, L"E0 1C"}, {C::Extended, L"yes"}},
         {{C::ScanCode, L"E0 1C"}, {C::Extended, L"igen"}}},
        {"Menu key",
         KeyDown(93, LParam(0x5D, kExtended)),
         {{C::KeyCode, L"93"},
          {C::KeyCodeHex, L"5D"},
          {C::Constant, L"VK_APPS"},
          {C::ScanCode, L"E0 5D"},
          {C::Side, L""},
          {C::SideKey, L""}},
         {}},
        {"right Shift with Ctrl",
         KeyDown(16, LParam(0x36), 3),
         {{C::Side, L"right"},
          {C::SideKey, L"161 VK_RSHIFT"},
          {C::Modifiers, L"3"},
          {C::Combination, L"Ctrl + Shift"},
          {C::Constant, L"VK_SHIFT"}},
         {{C::Side, L"jobb"}, {C::Combination, L"Ctrl + Shift"}}},
        {"left Win",
         KeyDown(91, LParam(0x5B, kExtended)),
         {{C::Side, L"left"}, {C::SideKey, L"91 VK_LWIN"}},
         {{C::Side, L"bal"}}},
        {"Ctrl+Shift+F5, held",
         KeyDown(116, LParam(0x3F, kWasDown, 4), 3),
         {{C::Combination, L"Ctrl + Shift + F5"},
          {C::AutoRepeat, L"yes"},
          {C::RepeatCount, L"4"},
          {C::KeyCodeHex, L"74"},
          {C::Constant, L"VK_F5"}},
         {{C::AutoRepeat, L"igen"}, {C::Combination, L"Ctrl + Shift + F5"}}},
        {"letter",
         KeyDown(65, LParam(0x1E)),
         {{C::Constant, L"'A'"},
          {C::AutoRepeat, L"no"},
          {C::Combination, L"A"},
          {C::Elapsed, L"0"}},
         {{C::AutoRepeat, L"nem"}}},
        {"key up",
         RecordOf({{KeyMessage::KeyUp, 65, LParam(0x1E, kWasDown | 1u << 31), 0, 0, -1}}),
         {{C::AutoRepeat, L""}, {C::RepeatCount, L"1"}},
         {{C::AutoRepeat, L""}}},
        {"unnamed code",
         KeyDown(0x97, LParam(0x00), 2),
         {{C::KeyCodeHex, L"97"},
          {C::Constant, L""},
          {C::ScanCode, L"00"},
          {C::Combination, L"Ctrl + "}},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& [column, text] : c.english)
            EXPECT_EQ(HistoryCellText(c.record, column, Language::English), text)
                << "column " << static_cast<int>(column);
        for (const auto& [column, text] : c.hungarian)
            EXPECT_EQ(HistoryCellText(c.record, column, Language::Hungarian), text)
                << "column " << static_cast<int>(column);
        for (C column : {C::Character, C::AnsiCode, C::AnsiCodeHex, C::Unicode, C::Utf8})
            EXPECT_EQ(HistoryCellText(c.record, column, Language::English), L"")
                << "a key row has no character, column " << static_cast<int>(column);
    }
}

TEST(HistoryCellText, ShowsACharacterInEveryForm) {
    struct Case {
        std::vector<KeyMessageInput> units;
        const wchar_t* character;
        const wchar_t* ansi;
        const wchar_t* ansiHex;
        const wchar_t* unicode;
        const wchar_t* utf8;
    };
    const Case cases[] = {
        {{Unit(u'A', 65)}, L"A", L"65", L"41", L"U+0041", L"41"},
        {{Unit(0x7E, 126)}, L"~", L"126", L"7E", L"U+007E", L"7E"},
        {{Unit(0x80, -1)}, L"\u0080", L"", L"", L"U+0080", L"C2 80"},
        {{Unit(0xE9, 233)}, L"\u00E9", L"233", L"E9", L"U+00E9", L"C3 A9"},
        {{Unit(0x151, -1)}, L"\u0151", L"", L"", L"U+0151", L"C5 91"},       // "ő" under 1252
        {{Unit(0x151, 245)}, L"\u0151", L"245", L"F5", L"U+0151", L"C5 91"}, // under 1250
        {{Unit(0x7FF, -1)}, L"\u07FF", L"", L"", L"U+07FF", L"DF BF"},
        {{Unit(0x800, -1)}, L"\u0800", L"", L"", L"U+0800", L"E0 A0 80"},
        {{Unit(0x20AC, 128)}, L"\u20AC", L"128", L"80", L"U+20AC", L"E2 82 AC"},
        {{Unit(0xFFFD, -1)}, L"\uFFFD", L"", L"", L"U+FFFD", L"EF BF BD"},
        {{Unit(0x8140, 0x7FFF)}, L"\u8140", L"32767", L"7FFF", L"U+8140", L"E8 85 80"},
        {{Unit(0xD800, -1), Unit(0xDC00, -1)}, L"\U00010000", L"", L"", L"U+10000", L"F0 90 80 80"},
        {{Unit(0xD83D, -1), Unit(0xDE00, -1)}, L"\U0001F600", L"", L"", L"U+1F600", L"F0 9F 98 80"},
        {{Unit(0xDBFF, -1), Unit(0xDFFF, -1)},
         L"\U0010FFFF",
         L"",
         L"",
         L"U+10FFFF",
         L"F4 8F BF BF"},
        {{Unit(0xD800, -1), Unit(u'x', 120)}, L"", L"", L"", L"U+D800", L""}, // lone high
        {{Unit(0xDFFF, 63)}, L"", L"", L"", L"U+DFFF", L""},                  // lone low
        {{Unit(3, 3)}, L"^C", L"3", L"03", L"U+0003", L"03"},                 // Ctrl+C
        {{Unit(0, 0)}, L"^@", L"0", L"00", L"U+0000", L"00"},
        {{Unit(9, 9)}, L"^I", L"9", L"09", L"U+0009", L"09"},
        {{Unit(13, 13)}, L"^M", L"13", L"0D", L"U+000D", L"0D"},
        {{Unit(27, 27)}, L"^[", L"27", L"1B", L"U+001B", L"1B"},
        {{Unit(31, 31)}, L"^_", L"31", L"1F", L"U+001F", L"1F"},
        {{Unit(0x7F, 127)}, L"^?", L"127", L"7F", L"U+007F", L"7F"},
        {{Unit(u' ', 32)}, L" ", L"32", L"20", L"U+0020", L"20"},
    };
    for (const Case& c : cases) {
        KeyHistory history;
        for (const KeyMessageInput& unit : c.units)
            history.Add(unit);
        ASSERT_GT(history.size(), 0u);
        const KeyEventRecord& r = history.at(0);
        SCOPED_TRACE(testing::Message() << "U+" << std::hex << static_cast<uint32_t>(r.codePoint));
        EXPECT_EQ(HistoryCellText(r, C::Character, Language::English), c.character);
        EXPECT_EQ(HistoryCellText(r, C::AnsiCode, Language::English), c.ansi);
        EXPECT_EQ(HistoryCellText(r, C::AnsiCodeHex, Language::English), c.ansiHex);
        EXPECT_EQ(HistoryCellText(r, C::Unicode, Language::English), c.unicode);
        EXPECT_EQ(HistoryCellText(r, C::Utf8, Language::English), c.utf8);
        for (C column :
             {C::KeyCode, C::KeyCodeHex, C::Constant, C::Side, C::SideKey, C::Combination})
            EXPECT_EQ(HistoryCellText(r, column, Language::English), L"")
                << "a character row has no key, column " << static_cast<int>(column);
    }
}

TEST(HistoryCellText, DeadKeyKeepsItsCharacterAndScanCode) {
    const KeyEventRecord r = RecordOf({{KeyMessage::DeadChar, 0xB4, LParam(0x0D), 0, 1, 180}});
    EXPECT_EQ(HistoryCellText(r, C::Character, Language::Hungarian), L"\u00B4");
    EXPECT_EQ(HistoryCellText(r, C::AnsiCodeHex, Language::Hungarian), L"B4");
    EXPECT_EQ(HistoryCellText(r, C::ScanCode, Language::Hungarian), L"0D");
    EXPECT_EQ(HistoryCellText(r, C::Modifiers, Language::Hungarian), L"1");
}

TEST(HistoryCopyText, HeaderThenSelectedRowsSeparatedByTabsAndCrLf) {
    KeyHistory history;
    history.Add({KeyMessage::KeyDown, 65, LParam(0x1E), 1000, 0, kNoAnsiCode});
    history.Add({KeyMessage::Char, 9, LParam(0x0F), 1001, 0, 9}); // a tab must not split a cell
    history.Add({KeyMessage::KeyUp, 65, LParam(0x1E, kWasDown), 1080, 0, kNoAnsiCode});

    for (Language language : kBoth) {
        const std::wstring text = HistoryCopyText(history, {2, 1, 7}, language);
        const std::vector<std::wstring> lines = Split(text, L"\r\n");
        ASSERT_EQ(lines.size(), 3u) << "header and two rows; index 7 is left out";
        std::vector<std::vector<std::wstring>> cells;
        for (const std::wstring& line : lines) {
            EXPECT_EQ(line.find_first_of(L"\r\n"), std::wstring::npos);
            cells.push_back(Split(line, L"\t"));
            ASSERT_EQ(cells.back().size(), static_cast<size_t>(kHistoryColumnCount));
        }
        for (int c = 0; c < kHistoryColumnCount; ++c)
            EXPECT_EQ(cells[0][c], HistoryColumnTitle(static_cast<C>(c), language));
        const auto at = [&](size_t line, C column) {
            return cells[line][static_cast<size_t>(column)];
        };
        EXPECT_EQ(at(1, C::Elapsed), L"79") << "rows in the order given";
        EXPECT_EQ(at(1, C::KeyCode), L"65");
        EXPECT_EQ(at(1, C::Character), L"");
        EXPECT_EQ(at(2, C::Elapsed), L"1");
        EXPECT_EQ(at(2, C::Character), L"^I");
        EXPECT_EQ(at(2, C::Unicode), L"U+0009");
        EXPECT_EQ(at(2, C::KeyCode), L"");
    }
    EXPECT_NE(HistoryCopyText(history, {0}, Language::English),
              HistoryCopyText(history, {0}, Language::Hungarian));
}

TEST(HistoryCopyText, NothingSelectedGivesTheHeaderAlone) {
    KeyHistory history;
    history.Add({KeyMessage::KeyDown, 65, LParam(0x1E), 0, 0, kNoAnsiCode});
    const std::wstring text = HistoryCopyText(history, {}, Language::English);
    EXPECT_EQ(text.find(L"\r\n"), std::wstring::npos);
    EXPECT_EQ(Split(text, L"\t").size(), static_cast<size_t>(kHistoryColumnCount));
    EXPECT_EQ(text, HistoryCopyText(KeyHistory{}, {0, 1}, Language::English));
}

} // namespace
} // namespace zintar

namespace zintar {
namespace {

// The identity columns: key-downs and key-ups name the physical key, character rows the DOM
// key value. The table's own values are checked in key_identity_test.cpp; here, which rows
// show which columns.
TEST(HistoryCellText, IdentityColumnsFollowTheRowKind) {
    EXPECT_EQ(HistoryColumnTitle(C::DomCode, Language::English), L"DOM code");
    EXPECT_EQ(HistoryColumnTitle(C::UsbUsage, Language::English), L"USB usage");
    EXPECT_EQ(HistoryColumnTitle(C::LinuxEvdev, Language::English), L"Linux evdev");
    EXPECT_EQ(HistoryColumnTitle(C::MacKeyCode, Language::English), L"macOS key code");
    EXPECT_EQ(HistoryColumnTitle(C::DomKey, Language::English), L"DOM key");

    const KeyEventRecord up =
        RecordOf({{KeyMessage::KeyUp, 0x0D, LParam(0x1C, kExtended | kWasDown | (1u << 31)), 0, 0,
                   kNoAnsiCode}});
    EXPECT_EQ(HistoryCellText(up, C::DomCode, Language::English), L"NumpadEnter");
    EXPECT_EQ(HistoryCellText(up, C::UsbUsage, Language::English), L"0x070058");
    EXPECT_EQ(HistoryCellText(up, C::LinuxEvdev, Language::Hungarian), L"96 KEY_KPENTER");
    EXPECT_EQ(HistoryCellText(up, C::MacKeyCode, Language::English), L"0x4C kVK_ANSI_KeypadEnter");
    EXPECT_EQ(HistoryCellText(up, C::DomKey, Language::English), L"Enter");

    const KeyEventRecord letter = KeyDown(0x41, LParam(0x1E), 1);
    EXPECT_EQ(HistoryCellText(letter, C::DomCode, Language::English), L"KeyA");
    EXPECT_EQ(HistoryCellText(letter, C::DomKey, Language::English), L"");

    const KeyEventRecord unknown = KeyDown(0xE8, LParam(0x00));
    EXPECT_EQ(HistoryCellText(unknown, C::DomCode, Language::English), L"");
    EXPECT_EQ(HistoryCellText(unknown, C::MacKeyCode, Language::English), L"");

    const KeyEventRecord typed = RecordOf({Unit(u'\u0151', 245)});
    EXPECT_EQ(HistoryCellText(typed, C::DomKey, Language::English), L"\u0151");
    EXPECT_EQ(HistoryCellText(typed, C::DomCode, Language::English), L"");
    const KeyEventRecord dead = RecordOf({{KeyMessage::DeadChar, u'^', LParam(0x04), 0, 0, 94}});
    EXPECT_EQ(HistoryCellText(dead, C::DomKey, Language::English), L"Dead");
    EXPECT_EQ(HistoryCellText(dead, C::LinuxEvdev, Language::English), L"");
}

} // namespace
} // namespace zintar
