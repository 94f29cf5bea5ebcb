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

// A typed code names its key, drops the modifiers and clears the other kind's read-outs; a
// character the box's filter refuses never reaches it.
TEST_F(CodeFields, ATypedKeyCodeNamesTheKeyWithoutModifiersAndClearsTheCharacter) {
    TypeKey(Control::CaptureBox, 'A', L'a', kCtrl); // a character shown, the mask at 2
    ASSERT_EQ(Text(Control::ModifiersReadOut), L"2");
    SelectAll(Control::KeyHexBox);
    Type(Control::KeyHexBox, L"1");
    EXPECT_EQ(KeyPress(Control::KeyHexBox, L'g'), 0);
    Type(Control::KeyHexBox, L"b");
    EXPECT_EQ(Text(Control::KeyHexBox), L"1b") << "the user's own text stays";
    EXPECT_EQ(Text(Control::KeyCodeBox), L"27");
    EXPECT_EQ(Text(Control::CombinationReadOut), L"Escape");
    EXPECT_EQ(Text(Control::ModifiersReadOut), L"0");
    ExpectNoCharacter();
}

// Pasted text is read by the rules for pasted text, and the box then holds the code's own
// form, never the foreign text; a negative code clears every read-out.
TEST_F(CodeFields, PastedTextIsReadAsACodeAndReplacedByIt) {
    Paste(Control::CharCodeBox, L"1234"); // whole, not cut at the box's length to 123
    EXPECT_EQ(Text(Control::CharCodeBox), L"255");
    EXPECT_EQ(Text(Control::CharHexBox), L"FF");
    EXPECT_EQ(State().codes.character, 255);

    TypeKey(Control::CaptureBox, 'A', L'a', kShift);
    Paste(Control::CharCodeBox, L"-5");
    EXPECT_EQ(Text(Control::CharCodeBox), L"");
    EXPECT_EQ(Text(Control::CharHexBox), L"");
    EXPECT_EQ(Text(Control::CaptureBox), L"");
    EXPECT_EQ(Text(Control::ModifiersReadOut), L"0");
    ExpectNoKey();
}

// Whatever another program writes into a box (a screen reader's or a test tool's WM_SETTEXT)
// goes through the same rules as typing and pasting.
TEST_F(CodeFields, TextSetFromOutsideGoesThroughTheBoxRules) {
    SetWindowTextW(Window(Control::KeyCodeBox), L"254.6");
    EXPECT_EQ(Text(Control::KeyCodeBox), L"255");
    EXPECT_EQ(Text(Control::KeyHexBox), L"FF");
    EXPECT_EQ(State().codes.key, 255);
    SetWindowTextW(Window(Control::CharHexBox), L"4a");
    EXPECT_EQ(Text(Control::CharCodeBox), L"74");
    EXPECT_EQ(Text(Control::CaptureBox), L"J");
    ExpectNoKey();
    SetWindowTextW(Window(Control::CharCodeBox), L"-99999999999");
    EXPECT_EQ(Text(Control::CharCodeBox), L"");
    EXPECT_LT(State().codes.character, 0);
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
