// Text that is no keystroke of its own: VK_PACKET's sent text and its halves, the input
// method's messages, WM_UNICHAR and WM_APPCOMMAND, as records and as the cells of their rows.
// Expected texts are written out by hand.
#include "core/key_history/history_columns.h"
#include "core/key_history/key_event.h"
#include "core/key_history/key_history_text.h"
#include "core/key_history/text_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zintar {
namespace {

using C = HistoryColumn;
constexpr auto kEn = Language::English;
constexpr auto kHu = Language::Hungarian;
constexpr uint32_t kPacket = 0xE7;

// A VK_PACKET key message as Windows and Wine send it: the unit in lParam's high word.
KeyMessageInput Packet(char16_t unit, bool up, uint32_t timeMs = 0) {
    return {up ? KeyMessage::KeyUp : KeyMessage::KeyDown,
            kPacket,
            (uint32_t{unit} << 16) | 1,
            timeMs,
            0,
            kNoAnsiCode};
}
KeyMessageInput Char(char32_t unit, KeyMessage message = KeyMessage::Char, uint32_t timeMs = 0) {
    return {message, unit, 1, timeMs, 0, kNoAnsiCode};
}
KeyMessageInput KeyA(bool up) {
    return {
        up ? KeyMessage::KeyUp : KeyMessage::KeyDown, 'A', 1 | (0x1Eu << 16), 0, 0, kNoAnsiCode};
}

// Each record as "down D83D", "up D83D", "char 1F600", "char D83D unpaired".
std::vector<std::string> Records(const KeyHistory& history) {
    std::vector<std::string> records;
    for (size_t i = 0; i < history.size(); ++i) {
        const KeyEventRecord& r = history.at(i);
        char text[48];
        const char* kind = r.message == KeyMessage::KeyDown ? "down"
                           : r.message == KeyMessage::KeyUp ? "up"
                           : r.message == KeyMessage::Char  ? "char"
                                                            : "ime";
        std::snprintf(text, sizeof(text), "%s %04X%s", kind, static_cast<unsigned>(r.codePoint),
                      IsUnpairedHalf(r) ? " unpaired" : "");
        records.emplace_back(text);
    }
    return records;
}

// Text sent one UTF-16 unit per input, as on-screen keyboards and the emoji panel send it:
// the halves of U+1F600 come with VK_PACKET key rows between them, which keep the pair; the
// pair's row stands where it became whole.
TEST(SurrogatePairs, PacketsCarryingTheHalvesKeepThePairAndOtherKeysEndIt) {
    struct Case {
        const char* what;
        std::vector<KeyMessageInput> inputs;
        std::vector<std::string> records;
    };
    const Case cases[] = {
        {"down, character, up for each unit",
         {Packet(0xD83D, false), Char(0xD83D), Packet(0xD83D, true), Packet(0xDE00, false),
          Char(0xDE00), Packet(0xDE00, true)},
         {"down D83D", "up D83D", "down DE00", "char 1F600", "up DE00"}},
        {"both units down, then both up",
         {Packet(0xD83D, false), Char(0xD83D), Packet(0xDE00, false), Char(0xDE00),
          Packet(0xD83D, true), Packet(0xDE00, true)},
         {"down D83D", "down DE00", "char 1F600", "up D83D", "up DE00"}},
        {"a key of the keyboard between the halves",
         {Packet(0xD83D, false), Char(0xD83D), KeyA(false), Packet(0xDE00, false), Char(0xDE00)},
         {"down D83D", "char D83D unpaired", "down 0000", "down DE00", "char DE00 unpaired"}},
        {"another character sent between the halves",
         {Char(0xD83D), Packet(0x0151, false), Char(0x0151), Char(0xDE00)},
         {"char D83D unpaired", "down 0151", "char 0151", "char DE00 unpaired"}},
        {"a high half followed by a non-half",
         {Char(0xD83D), Char(L'a')},
         {"char D83D unpaired", "char 0061"}},
        {"a lone low half", {Char(0xDE00)}, {"char DE00 unpaired"}},
        {"a lone high half joins no later character",
         {Char(0xD83D), KeyA(false), Char(0xDE00)},
         {"char D83D unpaired", "down 0000", "char DE00 unpaired"}},
        {"the input method's characters come before the WM_CHARs they post",
         {Char(0xD83D, KeyMessage::ImeChar), Char(0xDE00, KeyMessage::ImeChar), Char(0xD83D),
          Char(0xDE00)},
         {"ime 1F600", "char 1F600"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KeyHistory history;
        for (const KeyMessageInput& input : c.inputs)
            history.Add(input);
        EXPECT_EQ(Records(history), c.records);
    }
}

TEST(SurrogatePairs, TheJoinedPairIsSentTextWithItsUtf8AndTimedWhereItStands) {
    KeyHistory history;
    history.Add(Packet(0xD83D, false, 100));
    history.Add(Char(0xD83D, KeyMessage::Char, 100));
    history.Add(Packet(0xD83D, true, 104));
    history.Add(Packet(0xDE00, false, 108));
    history.Add(Char(0xDE00, KeyMessage::Char, 108));
    const KeyEventRecord& pair = history.at(3);
    EXPECT_EQ(HistoryCellText(pair, C::Unicode, kEn), L"U+1F600");
    EXPECT_EQ(HistoryCellText(pair, C::Utf8, kEn), L"F0 9F 98 80");
    EXPECT_EQ(HistoryCellText(pair, C::Note, kEn), L"sent text");
    EXPECT_EQ(pair.sincePreviousMs, 0u) << "after the low half's key-down, at its time";
    EXPECT_EQ(HistoryCellText(history.at(1), C::Elapsed, kEn), L"4");
    const KeyEventRecord lone = [] {
        KeyHistory h;
        h.Add(Char(0xDE00));
        return h.at(0);
    }();
    EXPECT_EQ(HistoryCellText(lone, C::Note, kEn), L"unpaired");
    EXPECT_EQ(HistoryCellText(lone, C::Note, kHu), L"p\u00E1r n\u00E9lk\u00FCli");
    EXPECT_EQ(HistoryCellText(lone, C::Utf8, kEn), L"");
}

// A packet's lParam holds its unit where a key has its scan code and flags: "ő" (0x0151)
// would read as E0 51, PageDown; "=" (0x3D) as F3; "ś" (0x015B) as E0 5B, the left Windows
// key; the emoji's high half (0xD83D) as an auto-repeat. The row names the character and no key.
TEST(SentText, APacketRowNamesItsCharacterAndNoKey) {
    struct Case {
        char16_t unit;
        const wchar_t *character, *unicode, *utf8;
    };
    const Case cases[] = {
        {0x0151, L"\u0151", L"U+0151", L"C5 91"},
        {0x003D, L"=", L"U+003D", L"3D"},
        {0x015B, L"\u015B", L"U+015B", L"C5 9B"},
        {0xD83D, L"", L"U+D83D", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << static_cast<unsigned>(c.unit));
        for (bool up : {false, true}) {
            KeyHistory history;
            const KeyEventRecord row = *history.Add(Packet(c.unit, up));
            EXPECT_EQ(HistoryCellText(row, C::Constant, kEn), L"VK_PACKET");
            EXPECT_EQ(HistoryCellText(row, C::KeyCode, kEn), L"231");
            EXPECT_EQ(HistoryCellText(row, C::Character, kEn), c.character);
            EXPECT_EQ(HistoryCellText(row, C::Unicode, kEn), c.unicode);
            EXPECT_EQ(HistoryCellText(row, C::Utf8, kEn), c.utf8);
            for (C empty : {C::ScanCode, C::Extended, C::AutoRepeat, C::Side, C::SideKey,
                            C::DomCode, C::UsbUsage, C::LinuxEvdev, C::MacKeyCode, C::AnsiCode})
                EXPECT_EQ(HistoryCellText(row, empty, kEn), L"") << static_cast<int>(empty);
            EXPECT_EQ(HistoryCellText(row, C::Note, kEn), L"sent text");
            EXPECT_EQ(HistoryCellText(row, C::Note, kHu), L"k\u00FCld\u00F6tt sz\u00F6veg");
        }
    }
    // The character it typed is sent text too, with no scan code; a typed one keeps its own.
    KeyHistory history;
    history.Add(Packet(0x0151, false));
    const KeyEventRecord typed = *history.Add(Char(0x0151));
    EXPECT_EQ(HistoryCellText(typed, C::ScanCode, kEn), L"");
    EXPECT_EQ(HistoryCellText(typed, C::Note, kEn), L"sent text");
    history.Add(KeyA(false));
    const KeyEventRecord a = *history.Add({KeyMessage::Char, L'a', 1 | (0x1Eu << 16), 0, 0, 97});
    EXPECT_EQ(HistoryCellText(a, C::ScanCode, kEn), L"1E");
    EXPECT_EQ(HistoryCellText(a, C::Note, kEn), L"");
}

// WM_UNICHAR brings UTF-32: a character beyond U+FFFF whole; a surrogate or a value beyond
// U+10FFFF is no character there, and is refused without a trace.
TEST(UniChar, RecordsUtf32CharactersAndRefusesWhatIsNone) {
    KeyHistory history;
    const KeyEventRecord* emoji = history.Add(Char(0x1F600, KeyMessage::UniChar));
    ASSERT_NE(emoji, nullptr);
    EXPECT_EQ(HistoryCellText(*emoji, C::Message, kEn), L"UTF-32 character");
    EXPECT_EQ(HistoryCellText(*emoji, C::Message, kHu), L"UTF-32 karakter");
    EXPECT_EQ(HistoryCellText(*emoji, C::Utf8, kEn), L"F0 9F 98 80");
    EXPECT_EQ(HistoryCellText(*emoji, C::AnsiCode, kEn), L"");
    for (char32_t none : {char32_t{0xD800}, char32_t{0xDFFF}, char32_t{0x110000}})
        EXPECT_EQ(history.Add(Char(none, KeyMessage::UniChar)), nullptr);
    EXPECT_EQ(history.size(), 1u);
}

KeyEventRecord AppCommand(uint32_t command, uint32_t device) {
    KeyHistory history;
    return *history.Add({KeyMessage::AppCommand, 0, (command | device) << 16, 0, 0, kNoAnsiCode});
}

TEST(AppCommand, NamesTheCommandAndTheDeviceThatSentIt) {
    const KeyEventRecord mute = AppCommand(8, text_input::kFromKey);
    EXPECT_EQ(HistoryCellText(mute, C::Message, kEn), L"application command");
    EXPECT_EQ(HistoryCellText(mute, C::Note, kEn), L"APPCOMMAND_VOLUME_MUTE (8), from a key");
    EXPECT_EQ(HistoryCellText(mute, C::Note, kHu),
              L"APPCOMMAND_VOLUME_MUTE (8), billenty\u0171r\u0151l");
    EXPECT_EQ(HistoryCellText(mute, C::ScanCode, kEn), L"") << "lParam holds no keystroke";
    EXPECT_EQ(HistoryCellText(AppCommand(1, text_input::kFromMouse), C::Note, kEn),
              L"APPCOMMAND_BROWSER_BACKWARD (1), from the mouse");
    EXPECT_EQ(HistoryCellText(AppCommand(54, text_input::kFromOem), C::Note, kEn),
              L"APPCOMMAND_DWM_FLIP3D (54), from an OEM device");
    EXPECT_EQ(HistoryCellText(AppCommand(99, 0x4000), C::Note, kEn),
              L"APPCOMMAND (99), from device 16384");
}

KeyMessageInput Ime(KeyMessage message, uint32_t wParam, uint32_t lParam, const ImeFacts* facts) {
    return {message, wParam, lParam, 0, 0, kNoAnsiCode, facts};
}

// A composition as Wine's input method sends it: the composition string with its cursor,
// then the result, each character as WM_IME_CHAR.
TEST(InputMethod, TheCompositionRowsCarryTheirStringsInBothLanguages) {
    using namespace text_input;
    KeyHistory history;
    const ImeFacts composing{L"\u306B\u307B", L"", 2};
    const ImeFacts done{L"", L"\u65E5\u672C", -1};
    history.Add(Ime(KeyMessage::ImeStartComposition, 0, 0, nullptr));
    history.Add(
        Ime(KeyMessage::ImeComposition, 0x306B, kCompositionString | kCursorPosition, &composing));
    history.Add(Ime(KeyMessage::ImeComposition, 0, kResultString, &done));
    history.Add(Ime(KeyMessage::ImeChar, 0x65E5, 1, nullptr));
    history.Add(Ime(KeyMessage::ImeEndComposition, 0, 0, nullptr));
    ASSERT_EQ(history.size(), 5u);
    const auto cell = [&](size_t i, C column, Language language) {
        return ColumnCellText(column, {&history.at(i), nullptr, {}, history.TextsAt(i)}, language);
    };
    EXPECT_EQ(cell(0, C::Message, kEn), L"IME composition start");
    EXPECT_EQ(cell(1, C::Note, kEn), L"composition \"\u306B\u307B\", cursor 2");
    EXPECT_EQ(cell(1, C::Note, kHu),
              L"\u00F6ssze\u00E1ll\u00EDt\u00E1s \u201E\u306B\u307B\u201D, kurzor 2");
    EXPECT_EQ(cell(2, C::Note, kEn), L"result \"\u65E5\u672C\"");
    EXPECT_EQ(cell(2, C::Note, kHu), L"eredm\u00E9ny \u201E\u65E5\u672C\u201D");
    EXPECT_EQ(cell(3, C::Message, kHu), L"IME-karakter");
    EXPECT_EQ(cell(3, C::Character, kEn), L"\u65E5");
    EXPECT_EQ(cell(3, C::Unicode, kEn), L"U+65E5");
    EXPECT_EQ(cell(4, C::Message, kEn), L"IME composition end");
    EXPECT_EQ(cell(4, C::ScanCode, kEn), L"");
    history.Clear();
    EXPECT_EQ(history.TextsAt(0), nullptr);
}

// A composition from another program can be any length: a row keeps a bounded text, whole
// characters, and control characters as they show elsewhere in the list.
TEST(InputMethod, ARowKeepsABoundedTextOfWholeCharacters) {
    EXPECT_EQ(BoundedText(L"\u65E5\u672C", 64), L"\u65E5\u672C");
    EXPECT_EQ(BoundedText(L"a\r\nb\t", 64), L"a^M^Jb^I");
    const std::wstring long_(100, L'x');
    const std::wstring kept = BoundedText(long_, 64);
    EXPECT_EQ(kept, std::wstring(63, L'x') + L"\u2026");
    std::wstring pair = L"\xD83D\xDE00";
    if (sizeof(wchar_t) == 2) { // a UTF-16 pair is two units only where wchar_t is
        EXPECT_EQ(BoundedText(std::wstring(62, L'x') + pair + L"y", 64),
                  std::wstring(62, L'x') + L"\u2026")
            << "the pair would take the place of the mark";
        EXPECT_EQ(BoundedText(std::wstring(61, L'x') + pair + L"yz", 64),
                  std::wstring(61, L'x') + pair + L"\u2026");
    }
    KeyHistory history;
    const std::wstring huge(5000, L'\u3042');
    const ImeFacts facts{huge, huge, -1};
    history.Add(Ime(KeyMessage::ImeComposition, 0,
                    text_input::kCompositionString | text_input::kResultString, &facts));
    ASSERT_NE(history.TextsAt(0), nullptr);
    EXPECT_EQ(history.TextsAt(0)->composition.size(), RecordTexts::kMaxUnits);
    EXPECT_EQ(history.TextsAt(0)->result.size(), RecordTexts::kMaxUnits);
    // The texts leave with their record, and the newest record's stay found.
    for (size_t i = 0; i < KeyHistory::kCapacity; ++i)
        history.Add(KeyA(i % 2 == 1));
    history.Add(Ime(KeyMessage::ImeComposition, 0, text_input::kResultString, &facts));
    for (size_t i = 0; i + 1 < history.size(); ++i)
        ASSERT_EQ(history.TextsAt(i), nullptr) << i;
    ASSERT_NE(history.TextsAt(history.size() - 1), nullptr);
    EXPECT_EQ(history.TextsAt(history.size() - 1)->composition, L"");
}

TEST(InputMethod, NoticesOfOpenStatusConversionModeAndContext) {
    using namespace text_input;
    KeyHistory history;
    const ImeFacts open{{}, {}, -1, 1};
    const ImeFacts mode{{}, {}, -1, 0x0009};
    const auto note = [&](const KeyEventRecord* r, Language language) {
        return r ? HistoryCellText(*r, C::Note, language) : L"<none>";
    };
    // The focus sets the context with or without an input method: no row until one shows.
    EXPECT_EQ(history.Add(Ime(KeyMessage::ImeSetContext, 1, 0xC000000F, nullptr)), nullptr);
    EXPECT_EQ(note(history.Add(Ime(KeyMessage::ImeNotify, kSetOpenStatus, 0, &open)), kEn),
              L"IME open");
    EXPECT_EQ(note(history.Add(Ime(KeyMessage::ImeNotify, kSetOpenStatus, 0, &open)), kHu),
              L"IME nyitva");
    EXPECT_EQ(note(history.Add(Ime(KeyMessage::ImeNotify, kSetConversionMode, 0, &mode)), kEn),
              L"conversion mode: IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE");
    EXPECT_EQ(note(history.Add(Ime(KeyMessage::ImeNotify, kSetOpenStatus, 0, nullptr)), kEn),
              L"open status changed");
    EXPECT_EQ(history.Add(Ime(KeyMessage::ImeNotify, 0x0005, 0, nullptr)), nullptr)
        << "the candidate list's notices are not recorded";
    EXPECT_EQ(note(history.Add(Ime(KeyMessage::ImeSetContext, 0, 0, nullptr)), kEn), L"inactive");
    EXPECT_EQ(history.Add(Ime(KeyMessage::ImeSetContext, 0, 0, nullptr)), nullptr)
        << "nothing changed";
    EXPECT_EQ(note(history.Add(Ime(KeyMessage::ImeSetContext, 1, 0, nullptr)), kHu), L"akt\u00EDv");
}

TEST(InputMethod, AProcessKeyRowNamesTheKeyBehindIt) {
    KeyHistory history;
    const ImeFacts behind{{}, {}, -1, -1, 'A'};
    const KeyEventRecord row =
        *history.Add({KeyMessage::KeyDown, 0xE5, 1 | (0x1Eu << 16), 0, 0, kNoAnsiCode, &behind});
    EXPECT_EQ(HistoryCellText(row, C::Constant, kEn), L"VK_PROCESSKEY");
    EXPECT_EQ(HistoryCellText(row, C::Note, kEn), L"the IME took 'A'");
    EXPECT_EQ(HistoryCellText(row, C::Note, kHu), L"az IME kapta: 'A'");
    const KeyEventRecord unknown =
        *history.Add({KeyMessage::KeyUp, 0xE5, 1 | (0x1Eu << 16), 0, 0, kNoAnsiCode});
    EXPECT_EQ(HistoryCellText(unknown, C::Note, kEn), L"");
}

} // namespace
} // namespace zintar
