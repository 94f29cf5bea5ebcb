// Typing and pasting codes into the four code boxes.
#include "tests/gui/form_fixture.h"

namespace zintar::test {
namespace {

class CodeFields : public FormFixture {
  protected:
    // What a user does before typing over a box's contents.
    void SelectAll(Control box) { SendMessageW(Window(box), EM_SETSEL, 0, -1); }
    DWORD Caret(Control box) {
        DWORD start = 0, end = 0;
        SendMessageW(Window(box), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return start == end ? start : 0xFFFFFFFF;
    }
    void ExpectNoKey() {
        EXPECT_EQ(Text(Control::KeyCodeBox), L"");
        EXPECT_EQ(Text(Control::KeyHexBox), L"");
        EXPECT_EQ(Text(Control::CombinationReadOut), L"");
        EXPECT_EQ(State().codes.key, -1);
    }
    void ExpectNoCharacter() {
        EXPECT_EQ(Text(Control::CharCodeBox), L"");
        EXPECT_EQ(Text(Control::CharHexBox), L"");
        EXPECT_EQ(Text(Control::CaptureBox), L"");
        EXPECT_EQ(State().codes.character, -1);
    }
};

TEST_F(CodeFields, TypingAnOverLargeCharacterCodeStopsAt255WithTheCaretBehind) {
    Type(Control::CharCodeBox, L"3");
    EXPECT_EQ(State().codes.character, 3);
    EXPECT_EQ(Text(Control::CharHexBox), L"03");
    Type(Control::CharCodeBox, L"0");
    EXPECT_EQ(State().codes.character, 30);
    EXPECT_EQ(Text(Control::CharHexBox), L"1E");

    WriteLog log(form());
    Type(Control::CharCodeBox, L"0");
    EXPECT_EQ(Text(Control::CharCodeBox), L"255");
    EXPECT_EQ(Caret(Control::CharCodeBox), 3u);
    EXPECT_EQ(Text(Control::CharHexBox), L"FF");
    EXPECT_EQ(Text(Control::CaptureBox), L"\u00FF");
    EXPECT_EQ(State().codes.character, 255);
    ExpectNoKey();
    // The replacement is the one write of the box itself; every other read-out that changed
    // is written once.
    const auto writes = log.TextWrites();
    EXPECT_EQ(std::count(writes.begin(), writes.end(), Control::CharCodeBox), 1);
    EXPECT_EQ(std::count(writes.begin(), writes.end(), Control::CharHexBox), 1);
}

TEST_F(CodeFields, TypingAnOverLargeKeyCodeStopsAt255) {
    Type(Control::KeyCodeBox, L"999");
    EXPECT_EQ(Text(Control::KeyCodeBox), L"255");
    EXPECT_EQ(Text(Control::KeyHexBox), L"FF");
    EXPECT_EQ(Text(Control::CombinationReadOut), L"Wake Up");
    ExpectNoCharacter();
}

TEST_F(CodeFields, TheSourceBoxKeepsTheUsersOwnText) {
    Type(Control::KeyCodeBox, L"065");
    EXPECT_EQ(Text(Control::KeyCodeBox), L"065");
    EXPECT_EQ(Text(Control::KeyHexBox), L"41");
    EXPECT_EQ(Text(Control::CombinationReadOut), L"A");

    Type(Control::CharHexBox, L"0a");
    EXPECT_EQ(Text(Control::CharHexBox), L"0a");
    EXPECT_EQ(Text(Control::CharCodeBox), L"10");
    ExpectNoKey(); // a character entry clears the key fields

    SetWindowTextW(Window(Control::CharHexBox),
                   L""); // emptied box: code 0, as a program change too
    Type(Control::CharHexBox, L"4a");
    EXPECT_EQ(Text(Control::CharHexBox), L"4a");
    EXPECT_EQ(Text(Control::CharCodeBox), L"74");
    EXPECT_EQ(Text(Control::CaptureBox), L"J");
}

TEST_F(CodeFields, TypingAHexKeyCodeNamesTheKeyWithoutModifiers) {
    KeyDown(Control::CaptureBox, 'A', kCtrl); // leaves the mask at 2
    ASSERT_EQ(Text(Control::ModifiersReadOut), L"2");
    SelectAll(Control::KeyHexBox);
    Type(Control::KeyHexBox, L"1");
    EXPECT_EQ(Text(Control::KeyCodeBox), L"1");
    Type(Control::KeyHexBox, L"b");
    EXPECT_EQ(Text(Control::KeyHexBox), L"1b");
    EXPECT_EQ(Text(Control::KeyCodeBox), L"27");
    EXPECT_EQ(Text(Control::CombinationReadOut), L"Escape");
    EXPECT_EQ(Text(Control::ModifiersReadOut), L"0");
    ExpectNoCharacter();
}

TEST_F(CodeFields, EveryEntrySetsTheMaskBackToZero) {
    for (Control box :
         {Control::CharCodeBox, Control::CharHexBox, Control::KeyCodeBox, Control::KeyHexBox}) {
        KeyDown(Control::CaptureBox, VK_F5, kCtrl | kShift);
        ASSERT_EQ(State().codes.modifiers, 3);
        SelectAll(box);
        Type(box, L"7");
        EXPECT_EQ(State().codes.modifiers, 0) << Design(box).name;
        EXPECT_EQ(Text(Control::ModifiersReadOut), L"0") << Design(box).name;
        SetWindowTextW(Window(box), L"");
    }
}

TEST_F(CodeFields, EmptyingACharacterCodeGivesCodeZero) {
    TypeKey(Control::CaptureBox, 'A', L'a');
    ASSERT_EQ(Text(Control::CharCodeBox), L"97");
    SelectAll(Control::CharCodeBox);
    Type(Control::CharCodeBox, L"5");
    EXPECT_EQ(State().codes.character, 5);
    TypeKey(Control::CharCodeBox, VK_BACK, L'\b');
    EXPECT_EQ(Text(Control::CharCodeBox), L"");
    EXPECT_EQ(State().codes.character, 0);
    EXPECT_EQ(Text(Control::CharHexBox), L"00");
    ExpectNoKey();
}

TEST_F(CodeFields, FiltersLetOnlyTheirDigitsAndBackspaceThrough) {
    struct Case {
        Control box;
        const wchar_t* accepted;
        const wchar_t* refused;
    };
    const Case cases[] = {
        {Control::CharCodeBox, L"0123456789", L"aAfF-+. g\x03\r\x1b"},
        {Control::KeyCodeBox, L"0123456789", L"aAfF-+. g\x03\r\x1b"},
        {Control::CharHexBox, L"0123456789abcdefABCDEF", L"gG-+. z\x03\r\x1b\u00E9"},
        {Control::KeyHexBox, L"0123456789abcdefABCDEF", L"gG-+. z\x03\r\x1b\u00E9"},
    };
    for (const Case& c : cases) {
        for (const wchar_t* p = c.accepted; *p; ++p) {
            SetWindowTextW(Window(c.box), L"");
            KeyPress(c.box, *p);
            EXPECT_EQ(Text(c.box), std::wstring(1, *p)) << Design(c.box).name;
        }
        for (const wchar_t* p = c.refused; *p; ++p) {
            SetWindowTextW(Window(c.box), L"");
            KeyPress(c.box, *p);
            EXPECT_EQ(Text(c.box), L"") << Design(c.box).name << " took U+" << std::hex << int(*p);
        }
        SetWindowTextW(Window(c.box), L"1");
        SendMessageW(Window(c.box), EM_SETSEL, 1, 1);
        KeyPress(c.box, L'\b');
        EXPECT_EQ(Text(c.box), L"") << Design(c.box).name;
    }
}

TEST_F(CodeFields, TheBoxesRefuseDigitsBeyondTheirLength) {
    const std::pair<Control, const wchar_t*> cases[] = {{Control::CharCodeBox, L"123"},
                                                        {Control::CharHexBox, L"ab"},
                                                        {Control::KeyCodeBox, L"123"},
                                                        {Control::KeyHexBox, L"12"}};
    for (auto [box, full] : cases) {
        SelectAll(box);
        Type(box, std::wstring(full) + L"1");
        EXPECT_EQ(Text(box), full) << Design(box).name;
    }
}

TEST_F(CodeFields, PastedTextFollowsTheReadingRules) {
    Paste(Control::CharCodeBox, L"12.5"); // halves go to the even integer
    EXPECT_EQ(State().codes.character, 12);
    EXPECT_EQ(Text(Control::CharCodeBox), L"12"); // the box holds the code, never foreign text
    Paste(Control::KeyCodeBox, L"254.6");
    EXPECT_EQ(Text(Control::KeyCodeBox), L"255");
    EXPECT_EQ(State().codes.key, 255);
    Paste(Control::KeyCodeBox, L"255.4"); // tested before rounding: over 255
    EXPECT_EQ(Text(Control::KeyCodeBox), L"255");
    Paste(Control::CharCodeBox, L"1234"); // whole, not cut to a plainly wrong 123
    EXPECT_EQ(Text(Control::CharCodeBox), L"255");
    EXPECT_EQ(State().codes.character, 255);
    Paste(Control::CharCodeBox, L"42\r\n99"); // only the first line, like any one-line box
    EXPECT_EQ(Text(Control::CharCodeBox), L"42");
    Paste(Control::CharCodeBox, L"abc");
    EXPECT_EQ(State().codes.character, 0);
    EXPECT_EQ(Text(Control::CharCodeBox), L"");
    Paste(Control::CharHexBox, L"G1");
    EXPECT_EQ(State().codes.character, 1);
    EXPECT_EQ(Text(Control::CharHexBox), L"01");
    Paste(Control::CharHexBox, L"1G");
    EXPECT_EQ(State().codes.character, 16);
    EXPECT_EQ(Text(Control::CharHexBox), L"10");
    Paste(Control::KeyHexBox, L"f");
    EXPECT_EQ(State().codes.key, 15);
}

TEST_F(CodeFields, APastedNegativeCodeClearsEveryCodeBoxTheCaptureBoxAndTheName) {
    TypeKey(Control::CaptureBox, 'A', L'a', kShift);
    Paste(Control::CharCodeBox, L"-5");
    EXPECT_EQ(State().codes.character, -5); // stored as read; any negative code means no character
    EXPECT_EQ(Text(Control::CharCodeBox), L"");
    EXPECT_EQ(Text(Control::CharHexBox), L"");
    EXPECT_EQ(Text(Control::CaptureBox), L"");
    ExpectNoKey();
    EXPECT_EQ(Text(Control::ModifiersReadOut), L"0");

    Paste(Control::KeyCodeBox, L"-0.4"); // rounds to 0: a key code, not a negative one
    EXPECT_EQ(State().codes.key, 0);
    EXPECT_EQ(Text(Control::KeyHexBox), L"00");
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
    for (Control box :
         {Control::CharCodeBox, Control::CharHexBox, Control::KeyCodeBox, Control::KeyHexBox}) {
        for (const std::wstring& input : inputs) {
            KeyDown(Control::CaptureBox, VK_F5, kAlt);
            Paste(box, input);
            const auto s = State();
            EXPECT_LE(s.codes.key, 255) << Design(box).name;
            EXPECT_LE(s.codes.character, 255) << Design(box).name;
            EXPECT_EQ(s.codes.modifiers, 0) << Design(box).name;
        }
    }
}

// Whatever another program writes into a box (a screen reader's or a test tool's WM_SETTEXT)
// goes through the box's rules: no content breaks the state, and the box holds only what
// typing could have put there.
TEST_F(CodeFields, AnyTextWrittenIntoABoxLeavesASoundState) {
    for (Control box : {Control::CharCodeBox, Control::KeyCodeBox}) {
        for (const wchar_t* text : {L"1e400", L"-99999999999", L"-32768.5", L"-32768.6", L"255.4",
                                    L"254.6", L"1 2", L" 7"}) {
            SetWindowTextW(Window(box), text);
            const auto s = State();
            EXPECT_LE(s.codes.key, 255) << text;
            EXPECT_LE(s.codes.character, 255) << text;
            EXPECT_EQ(s.codes.modifiers, 0);
        }
    }
    SetWindowTextW(Window(Control::CharCodeBox), L"255.4");
    EXPECT_EQ(Text(Control::CharCodeBox), L"255");
    SetWindowTextW(Window(Control::CharCodeBox), L"254.6");
    EXPECT_EQ(Text(Control::CharCodeBox), L"255");
    EXPECT_EQ(State().codes.character, 255);
    SetWindowTextW(Window(Control::CharHexBox), L"4a\t");
    EXPECT_EQ(Text(Control::CharHexBox), L"");
    EXPECT_EQ(State().codes.character, 0);
    SetWindowTextW(Window(Control::KeyCodeBox), L"-99999999999");
    EXPECT_EQ(State().codes.key,
              -32768); // below the 16-bit range: its end, no key like any negative
    EXPECT_EQ(Text(Control::KeyCodeBox), L"");
}

TEST_F(CodeFields, ClipboardKeysWorkInTheCodeBoxes) {
    Type(Control::KeyCodeBox, L"65");
    // Ctrl+A then Ctrl+C: the box's own copy, at key-down; the key-press that follows (the
    // control character) is refused by the filter and changes nothing.
    TypeKey(Control::KeyCodeBox, 'A', 1, kCtrl);
    TypeKey(Control::KeyCodeBox, 'C', 3, kCtrl);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(data)), L"65");
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(Text(Control::KeyCodeBox), L"65");

    // Ctrl+V into the character code: text that did not pass the filter, read as pasted.
    TypeKey(Control::CharCodeBox, 'V', 0x16, kCtrl);
    EXPECT_EQ(Text(Control::CharCodeBox), L"65");
    EXPECT_EQ(Text(Control::CaptureBox), L"A");

    // Shift+Delete cuts, Shift+Insert pastes back, Ctrl+Insert copies.
    SendMessageW(Window(Control::CharCodeBox), EM_SETSEL, 0, -1);
    KeyDown(Control::CharCodeBox, VK_DELETE, kShift);
    EXPECT_EQ(Text(Control::CharCodeBox), L"");
    EXPECT_EQ(State().codes.character, 0);
    KeyDown(Control::CharCodeBox, VK_INSERT, kShift);
    EXPECT_EQ(Text(Control::CharCodeBox), L"65");
    EXPECT_EQ(State().codes.character, 65);
    SelectAll(Control::CharHexBox);
    Type(Control::CharHexBox, L"7e");
    SelectAll(Control::CharHexBox);
    KeyDown(Control::CharHexBox, VK_INSERT, kCtrl);
    KeyDown(Control::KeyHexBox, VK_INSERT, kShift);
    EXPECT_EQ(Text(Control::KeyHexBox), L"7e");
    EXPECT_EQ(Text(Control::KeyCodeBox), L"126");

    // Ctrl+X cuts.
    SendMessageW(Window(Control::KeyHexBox), EM_SETSEL, 0, -1);
    TypeKey(Control::KeyHexBox, 'X', 0x18, kCtrl);
    EXPECT_EQ(Text(Control::KeyHexBox), L"");
}

} // namespace
} // namespace zintar::test
