// Typing and pasting codes into the four code boxes.
#include "tests/gui/form_fixture.h"

namespace zintar::test {
namespace {

class CodeFields : public FormFixture {
  protected:
    // What a user does before typing over a box's contents.
    void SelectAll(Ctl box) { SendMessageW(Control(box), EM_SETSEL, 0, -1); }
    DWORD Caret(Ctl box) {
        DWORD start = 0, end = 0;
        SendMessageW(Control(box), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return start == end ? start : 0xFFFFFFFF;
    }
    void ExpectNoKey() {
        EXPECT_EQ(Text(Ctl::Tcode_dec), L"");
        EXPECT_EQ(Text(Ctl::Tcode_hex), L"");
        EXPECT_EQ(Text(Ctl::lblSpec), L"");
        EXPECT_EQ(State().iKey, -1);
    }
    void ExpectNoCharacter() {
        EXPECT_EQ(Text(Ctl::Tcc), L"");
        EXPECT_EQ(Text(Ctl::Thex), L"");
        EXPECT_EQ(Text(Ctl::Tchar), L"");
        EXPECT_EQ(State().iChar, -1);
    }
};

TEST_F(CodeFields, TypingAnOverLargeCharacterCodeStopsAt255WithTheCaretBehind) {
    Type(Ctl::Tcc, L"3");
    EXPECT_EQ(State().iChar, 3);
    EXPECT_EQ(Text(Ctl::Thex), L"03");
    Type(Ctl::Tcc, L"0");
    EXPECT_EQ(State().iChar, 30);
    EXPECT_EQ(Text(Ctl::Thex), L"1E");

    WriteLog log(form());
    Type(Ctl::Tcc, L"0");
    EXPECT_EQ(Text(Ctl::Tcc), L"255");
    EXPECT_EQ(Caret(Ctl::Tcc), 3u);
    EXPECT_EQ(Text(Ctl::Thex), L"FF");
    EXPECT_EQ(Text(Ctl::Tchar), L"\u00FF");
    EXPECT_EQ(State().iChar, 255);
    ExpectNoKey();
    // The replacement's nested change refreshed once inside the outer one, which refreshed
    // again: two writes of Thex, and the replacement itself is the one write of Tcc.
    const auto writes = log.TextWrites();
    EXPECT_EQ(std::count(writes.begin(), writes.end(), Ctl::Tcc), 1);
    EXPECT_EQ(std::count(writes.begin(), writes.end(), Ctl::Thex), 2);
}

TEST_F(CodeFields, TypingAnOverLargeKeyCodeStopsAt255) {
    Type(Ctl::Tcode_dec, L"999");
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"255");
    EXPECT_EQ(Text(Ctl::Tcode_hex), L"FF");
    EXPECT_EQ(Text(Ctl::lblSpec), L"Wake Up");
    ExpectNoCharacter();
}

TEST_F(CodeFields, TheSourceBoxKeepsTheUsersOwnText) {
    Type(Ctl::Tcode_dec, L"065");
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"065");
    EXPECT_EQ(Text(Ctl::Tcode_hex), L"41");
    EXPECT_EQ(Text(Ctl::lblSpec), L"A");

    Type(Ctl::Thex, L"0a");
    EXPECT_EQ(Text(Ctl::Thex), L"0a");
    EXPECT_EQ(Text(Ctl::Tcc), L"10");
    ExpectNoKey(); // a character entry clears the key fields

    SetWindowTextW(Control(Ctl::Thex), L""); // emptied box: code 0, as a program change too
    Type(Ctl::Thex, L"4a");
    EXPECT_EQ(Text(Ctl::Thex), L"4a");
    EXPECT_EQ(Text(Ctl::Tcc), L"74");
    EXPECT_EQ(Text(Ctl::Tchar), L"J");
}

TEST_F(CodeFields, TypingAHexKeyCodeNamesTheKeyWithoutModifiers) {
    KeyDown(Ctl::Tchar, 'A', kCtrl); // leaves the mask at 2
    ASSERT_EQ(Text(Ctl::lblShift), L"2");
    SelectAll(Ctl::Tcode_hex);
    Type(Ctl::Tcode_hex, L"1");
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"1");
    Type(Ctl::Tcode_hex, L"b");
    EXPECT_EQ(Text(Ctl::Tcode_hex), L"1b");
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"27");
    EXPECT_EQ(Text(Ctl::lblSpec), L"Escape");
    EXPECT_EQ(Text(Ctl::lblShift), L"0");
    ExpectNoCharacter();
}

TEST_F(CodeFields, EveryEntrySetsTheMaskBackToZero) {
    for (Ctl box : {Ctl::Tcc, Ctl::Thex, Ctl::Tcode_dec, Ctl::Tcode_hex}) {
        KeyDown(Ctl::Tchar, VK_F5, kCtrl | kShift);
        ASSERT_EQ(State().iShift, 3);
        Type(box, L"7");
        EXPECT_EQ(State().iShift, 0) << Design(box).name;
        EXPECT_EQ(Text(Ctl::lblShift), L"0") << Design(box).name;
        SetWindowTextW(Control(box), L"");
    }
}

TEST_F(CodeFields, EmptyingACharacterCodeGivesCodeZero) {
    TypeKey(Ctl::Tchar, 'A', L'a');
    ASSERT_EQ(Text(Ctl::Tcc), L"97");
    SelectAll(Ctl::Tcc);
    Type(Ctl::Tcc, L"5");
    EXPECT_EQ(State().iChar, 5);
    TypeKey(Ctl::Tcc, VK_BACK, L'\b');
    EXPECT_EQ(Text(Ctl::Tcc), L"");
    EXPECT_EQ(State().iChar, 0);
    EXPECT_EQ(Text(Ctl::Thex), L"00");
    ExpectNoKey();
}

TEST_F(CodeFields, FiltersLetOnlyTheirDigitsAndBackspaceThrough) {
    struct Case {
        Ctl box;
        const wchar_t* accepted;
        const wchar_t* refused;
    };
    const Case cases[] = {
        {Ctl::Tcc, L"0123456789", L"aAfF-+. g\x03\r\x1b"},
        {Ctl::Tcode_dec, L"0123456789", L"aAfF-+. g\x03\r\x1b"},
        {Ctl::Thex, L"0123456789abcdefABCDEF", L"gG-+. z\x03\r\x1b\u00E9"},
        {Ctl::Tcode_hex, L"0123456789abcdefABCDEF", L"gG-+. z\x03\r\x1b\u00E9"},
    };
    for (const Case& c : cases) {
        for (const wchar_t* p = c.accepted; *p; ++p) {
            SetWindowTextW(Control(c.box), L"");
            KeyPress(c.box, *p);
            EXPECT_EQ(Text(c.box), std::wstring(1, *p)) << Design(c.box).name;
        }
        for (const wchar_t* p = c.refused; *p; ++p) {
            SetWindowTextW(Control(c.box), L"");
            KeyPress(c.box, *p);
            EXPECT_EQ(Text(c.box), L"") << Design(c.box).name << " took U+" << std::hex << int(*p);
        }
        SetWindowTextW(Control(c.box), L"1");
        SendMessageW(Control(c.box), EM_SETSEL, 1, 1);
        KeyPress(c.box, L'\b');
        EXPECT_EQ(Text(c.box), L"") << Design(c.box).name;
    }
}

TEST_F(CodeFields, TheBoxesRefuseDigitsBeyondTheirLength) {
    const std::pair<Ctl, const wchar_t*> cases[] = {
        {Ctl::Tcc, L"123"}, {Ctl::Thex, L"ab"}, {Ctl::Tcode_dec, L"123"}, {Ctl::Tcode_hex, L"12"}};
    for (auto [box, full] : cases) {
        SelectAll(box);
        Type(box, std::wstring(full) + L"1");
        EXPECT_EQ(Text(box), full) << Design(box).name;
    }
}

TEST_F(CodeFields, PastedTextFollowsTheReadingRules) {
    Paste(Ctl::Tcc, L"12.5"); // halves go to the even integer
    EXPECT_EQ(State().iChar, 12);
    EXPECT_EQ(Text(Ctl::Tcc), L"12.5"); // pasted text is taken whole and left as pasted
    Paste(Ctl::Tcode_dec, L"254.6");
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"254.6");
    EXPECT_EQ(State().iKey, 255);
    Paste(Ctl::Tcode_dec, L"255.4"); // tested before rounding: over 255
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"255");
    Paste(Ctl::Tcc, L"1234"); // whole, not cut to a plainly wrong 123
    EXPECT_EQ(Text(Ctl::Tcc), L"255");
    EXPECT_EQ(State().iChar, 255);
    Paste(Ctl::Tcc, L"42\r\n99"); // only the first line, like any one-line box
    EXPECT_EQ(Text(Ctl::Tcc), L"42");
    Paste(Ctl::Tcc, L"abc");
    EXPECT_EQ(State().iChar, 0);
    Paste(Ctl::Thex, L"G1");
    EXPECT_EQ(State().iChar, 1);
    Paste(Ctl::Thex, L"1G");
    EXPECT_EQ(State().iChar, 16);
    Paste(Ctl::Tcode_hex, L"f");
    EXPECT_EQ(State().iKey, 15);
}

TEST_F(CodeFields, APastedNegativeCodeClearsEveryCodeBoxTheCaptureBoxAndTheName) {
    TypeKey(Ctl::Tchar, 'A', L'a', kShift);
    Paste(Ctl::Tcc, L"-5");
    EXPECT_EQ(State().iChar, -5); // stored as read; any negative code means no character
    EXPECT_EQ(Text(Ctl::Tcc), L"");
    EXPECT_EQ(Text(Ctl::Thex), L"");
    EXPECT_EQ(Text(Ctl::Tchar), L"");
    ExpectNoKey();
    EXPECT_EQ(Text(Ctl::lblShift), L"0");

    Paste(Ctl::Tcode_dec, L"-0.4"); // rounds to 0: a key code, not a negative one
    EXPECT_EQ(State().iKey, 0);
    EXPECT_EQ(Text(Ctl::Tcode_hex), L"00");
}

// No content or length of pasted text breaks the state.
TEST_F(CodeFields, AnyPastedContentLeavesASoundState) {
    const std::wstring inputs[] = {L"1e400",
                                   L"-99999999999",
                                   std::wstring(10000, L'9'),
                                   std::wstring(10000, L'-'),
                                   L"\u0151\u0171\U0001F600",
                                   L"+",
                                   L".",
                                   L"-.",
                                   L"\t\n7",
                                   L"\xFFFF",
                                   L"0x1F",
                                   L"&H1F",
                                   L"-32769",
                                   L"-32768.5",
                                   L"ff",
                                   L"\u0661\u0662"};
    for (Ctl box : {Ctl::Tcc, Ctl::Thex, Ctl::Tcode_dec, Ctl::Tcode_hex}) {
        for (const std::wstring& input : inputs) {
            KeyDown(Ctl::Tchar, VK_F5, kAlt);
            Paste(box, input);
            const auto s = State();
            EXPECT_LE(s.iKey, 255) << Design(box).name;
            EXPECT_LE(s.iChar, 255) << Design(box).name;
            EXPECT_EQ(s.iShift, 0) << Design(box).name;
            EXPECT_TRUE(s.bEvents);
        }
    }
}

// The change handler also reads whatever a program writes into a box (a screen reader's or a
// test tool's WM_SETTEXT is not limited by the box's length): no content breaks the state.
TEST_F(CodeFields, AnyTextWrittenIntoABoxLeavesASoundState) {
    for (Ctl box : {Ctl::Tcc, Ctl::Tcode_dec}) {
        for (const wchar_t* text : {L"1e400", L"-99999999999", L"-32768.5", L"-32768.6", L"255.4",
                                    L"254.6", L"1 2", L" 7"}) {
            SetWindowTextW(Control(box), text);
            const auto s = State();
            EXPECT_LE(s.iKey, 255) << text;
            EXPECT_LE(s.iChar, 255) << text;
            EXPECT_EQ(s.iShift, 0);
        }
    }
    SetWindowTextW(Control(Ctl::Tcc), L"255.4");
    EXPECT_EQ(Text(Ctl::Tcc), L"255");
    SetWindowTextW(Control(Ctl::Tcc), L"254.6");
    EXPECT_EQ(Text(Ctl::Tcc), L"254.6");
    EXPECT_EQ(State().iChar, 255);
    SetWindowTextW(Control(Ctl::Tcode_dec), L"-99999999999");
    EXPECT_EQ(State().iKey, -32768); // below the 16-bit range: its end, no key like any negative
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"");
}

TEST_F(CodeFields, ClipboardKeysWorkInTheCodeBoxes) {
    Type(Ctl::Tcode_dec, L"65");
    // Ctrl+A then Ctrl+C: the box's own copy, at key-down; the key-press that follows (the
    // control character) is refused by the filter and changes nothing.
    TypeKey(Ctl::Tcode_dec, 'A', 1, kCtrl);
    TypeKey(Ctl::Tcode_dec, 'C', 3, kCtrl);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(data)), L"65");
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"65");

    // Ctrl+V into the character code: text that did not pass the filter, read as pasted.
    TypeKey(Ctl::Tcc, 'V', 0x16, kCtrl);
    EXPECT_EQ(Text(Ctl::Tcc), L"65");
    EXPECT_EQ(Text(Ctl::Tchar), L"A");

    // Shift+Delete cuts, Shift+Insert pastes back, Ctrl+Insert copies.
    SendMessageW(Control(Ctl::Tcc), EM_SETSEL, 0, -1);
    KeyDown(Ctl::Tcc, VK_DELETE, kShift);
    EXPECT_EQ(Text(Ctl::Tcc), L"");
    EXPECT_EQ(State().iChar, 0);
    KeyDown(Ctl::Tcc, VK_INSERT, kShift);
    EXPECT_EQ(Text(Ctl::Tcc), L"65");
    EXPECT_EQ(State().iChar, 65);
    SelectAll(Ctl::Thex);
    Type(Ctl::Thex, L"7e");
    SelectAll(Ctl::Thex);
    KeyDown(Ctl::Thex, VK_INSERT, kCtrl);
    KeyDown(Ctl::Tcode_hex, VK_INSERT, kShift);
    EXPECT_EQ(Text(Ctl::Tcode_hex), L"7e");
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"126");

    // Ctrl+X cuts.
    SendMessageW(Control(Ctl::Tcode_hex), EM_SETSEL, 0, -1);
    TypeKey(Ctl::Tcode_hex, 'X', 0x18, kCtrl);
    EXPECT_EQ(Text(Ctl::Tcode_hex), L"");
}

} // namespace
} // namespace zintar::test
