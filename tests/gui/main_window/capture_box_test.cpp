// Keys pressed in the capture box: key codes, modifier masks, names and character codes.
#include "tests/gui/form_fixture.h"

namespace zintar::test {
namespace {

struct Shown {
    std::wstring shift, keyDec, keyHex, name, charDec, charHex, character;
};

class CaptureBox : public FormFixture {
  protected:
    Shown Fields() {
        return {Text(Control::ModifiersReadOut), Text(Control::KeyCodeBox),
                Text(Control::KeyHexBox),        Text(Control::CombinationReadOut),
                Text(Control::CharCodeBox),      Text(Control::CharHexBox),
                Text(Control::CaptureBox)};
    }
    void ExpectShown(const Shown& want) {
        const Shown got = Fields();
        EXPECT_EQ(got.shift, want.shift);
        EXPECT_EQ(got.keyDec, want.keyDec);
        EXPECT_EQ(got.keyHex, want.keyHex);
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(got.charDec, want.charDec);
        EXPECT_EQ(got.charHex, want.charHex);
        EXPECT_EQ(got.character, want.character);
    }
};

TEST_F(CaptureBox, ShiftThenAShowsTheModifierTheCombinationAndTheCharacter) {
    KeyDown(Control::CaptureBox, VK_SHIFT, kShift);
    ExpectShown({L"1", L"16", L"10", L"Shift", L"", L"", L""});

    KeyDown(Control::CaptureBox, 'A', kShift);
    ExpectShown({L"1", L"65", L"41", L"Shift + A", L"", L"", L""});

    EXPECT_EQ(KeyPress(Control::CaptureBox, L'A'), 0);
    ExpectShown({L"1", L"65", L"41", L"Shift + A", L"65", L"41", L"A"});
    // The refresh's own writes raise the code boxes' change events; had they acted, the mask
    // would be 0 and the key code gone.
    EXPECT_EQ(State().codes.modifiers, 1);
    EXPECT_EQ(State().codes.key, 65);
    EXPECT_EQ(State().codes.character, 65);
    // The caret stands behind the one character, nothing selected.
    DWORD start = 0, end = 0;
    SendMessageW(Window(Control::CaptureBox), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 1u);
}

TEST_F(CaptureBox, AKeyAloneGivesTheLowerCaseCharacter) {
    KeyDown(Control::CaptureBox, 'A');
    ExpectShown({L"0", L"65", L"41", L"A", L"", L"", L""});
    KeyPress(Control::CaptureBox, L'a');
    ExpectShown({L"0", L"65", L"41", L"A", L"97", L"61", L"a"});
}

TEST_F(CaptureBox, KeysWithoutCharacterLeaveTheCharacterFieldsEmpty) {
    TypeKey(Control::CaptureBox, 'A', L'a');
    KeyDown(Control::CaptureBox, VK_F5);
    ExpectShown({L"0", L"116", L"74", L"F5", L"", L"", L""});
    EXPECT_EQ(State().codes.character, -1);
}

TEST_F(CaptureBox, ControlCharactersAreShownWithTheirCodesAndSuppressed) {
    TypeKey(Control::CaptureBox, VK_RETURN, L'\r');
    EXPECT_EQ(Text(Control::CombinationReadOut), L"Enter");
    EXPECT_EQ(Text(Control::KeyCodeBox), L"13");
    EXPECT_EQ(Text(Control::CharCodeBox), L"13");
    EXPECT_EQ(Text(Control::CharHexBox), L"0D");

    TypeKey(Control::CaptureBox, 'C', 3, kCtrl);
    ExpectShown({L"2", L"67", L"43", L"Ctrl + C", L"3", L"03", L"\x03"});

    TypeKey(Control::CaptureBox, VK_ESCAPE, 27);
    EXPECT_EQ(Text(Control::CombinationReadOut), L"Escape");
    EXPECT_EQ(Text(Control::CharHexBox), L"1B");
}

// The mask comes from the keyboard state at the key-down (the names are the core's rules).
TEST_F(CaptureBox, TheModifiersHeldAtTheKeyDownMakeTheMaskAndTheName) {
    KeyDown(Control::CaptureBox, VK_F5, kCtrl | kShift);
    EXPECT_EQ(Text(Control::CombinationReadOut), L"Ctrl + Shift + F5");
    EXPECT_EQ(Text(Control::ModifiersReadOut), L"3");
    KeyDown(Control::CaptureBox, VK_DELETE, kCtrl | kAlt | kShift);
    EXPECT_EQ(Text(Control::ModifiersReadOut), L"7");
}

TEST_F(CaptureBox, F10AndAltArriveAsSystemKeysAndAreCaptured) {
    KeyDown(Control::CaptureBox, VK_F10);
    EXPECT_EQ(Text(Control::CombinationReadOut), L"F10");
    EXPECT_EQ(Text(Control::KeyCodeBox), L"121");
    KeyDown(Control::CaptureBox, 'X', kAlt);
    EXPECT_EQ(Text(Control::CombinationReadOut), L"Alt + X");
    EXPECT_EQ(Text(Control::ModifiersReadOut), L"4");
}

TEST_F(CaptureBox, RepeatedAndSuccessiveCharactersLeaveOneCharacter) {
    for (int i = 0; i < 5; ++i)
        TypeKey(Control::CaptureBox, 'K', L'k');
    EXPECT_EQ(Text(Control::CaptureBox), L"k");
    TypeKey(Control::CaptureBox, 'M', L'm');
    EXPECT_EQ(Text(Control::CaptureBox), L"m");
    EXPECT_EQ(Text(Control::CharCodeBox), L"109");
}

TEST_F(CaptureBox, WesternCharactersUseTheirAnsiCodes) {
    TypeKey(Control::CaptureBox, VK_OEM_7, L'\u00E9'); // é in code page 1252
    EXPECT_EQ(Text(Control::CharCodeBox), L"233");
    EXPECT_EQ(Text(Control::CharHexBox), L"E9");
    EXPECT_EQ(Text(Control::CaptureBox), L"\u00E9");
}

TEST_F(CaptureBox, ACharacterTheCodePageLacksIsShownWithoutAFalseCode) {
    // "ő" has no code in 1252; converting it would give "?" (63) or a look-alike "o" (111).
    TypeKey(Control::CaptureBox, VK_OEM_4, L'\u0151');
    EXPECT_EQ(State().codes.character, -1);
    EXPECT_EQ(Text(Control::CharCodeBox), L"");
    EXPECT_EQ(Text(Control::CharHexBox), L"");
    EXPECT_EQ(Text(Control::CaptureBox), L"");
    // The key itself is still shown.
    EXPECT_EQ(Text(Control::KeyCodeBox), L"219");
    EXPECT_EQ(Text(Control::CombinationReadOut), L"[ {");
}

TEST_F(CaptureBox, KeysThatTheBoxMustNotActOnAreHandledQuietly) {
    // Alt or F10 released alone must not start the menu mode of the window, and Alt+letter
    // must not reach the system as a menu mnemonic (it would beep). Only Alt+Space does.
    std::vector<LPARAM> menuCommands;
    auto hook = [](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) -> LRESULT {
        if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_KEYMENU) {
            reinterpret_cast<std::vector<LPARAM>*>(data)->push_back(lp);
            return 0; // never open the menu's modal loop inside a test
        }
        return DefSubclassProc(hwnd, msg, wp, lp);
    };
    SetWindowSubclass(form().hwnd(), hook, 1, reinterpret_cast<DWORD_PTR>(&menuCommands));
    SetWindowSubclass(Window(Control::CaptureBox), hook, 1,
                      reinterpret_cast<DWORD_PTR>(&menuCommands));

    KeyDown(Control::CaptureBox, VK_MENU, kAlt);
    SendMessageW(Window(Control::CaptureBox), WM_SYSKEYUP, VK_MENU, 0xC0000001);
    KeyDown(Control::CaptureBox, VK_F10);
    SendMessageW(Window(Control::CaptureBox), WM_SYSKEYUP, VK_F10, 0xC0000001);
    KeyDown(Control::CaptureBox, 'A', kAlt);
    SendMessageW(Window(Control::CaptureBox), WM_SYSCHAR, L'a', 1 | (1 << 29));
    EXPECT_TRUE(menuCommands.empty());

    KeyDown(Control::CaptureBox, VK_SPACE, kAlt);
    SendMessageW(Window(Control::CaptureBox), WM_SYSCHAR, L' ', 1 | (1 << 29));
    ASSERT_EQ(menuCommands.size(), 1u);
    EXPECT_EQ(menuCommands[0], L' ');

    RemoveWindowSubclass(form().hwnd(), hook, 1);
    RemoveWindowSubclass(Window(Control::CaptureBox), hook, 1);
}

TEST_F(CaptureBox, TabMovesTheFocusThroughTheFiveBoxesAndIsNeverCaptured) {
    const Control order[] = {Control::CaptureBox, Control::CharCodeBox, Control::CharHexBox,
                             Control::KeyCodeBox, Control::KeyHexBox,   Control::CaptureBox};
    SetFocus(Window(Control::CaptureBox));
    for (size_t i = 1; i < std::size(order); ++i) {
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        Pump();
        EXPECT_EQ(GetFocus(), Window(order[i])) << "after " << i << " Tab presses";
    }
    SetModifiers(kShift);
    for (size_t i = std::size(order) - 1; i > 0; --i) {
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        Pump();
        EXPECT_EQ(GetFocus(), Window(order[i - 1]));
    }
    SetModifiers(0);
    EXPECT_EQ(State().codes.key, -1); // no Tab ever reached the capture box's key-down
}

TEST_F(CaptureBox, EnterAndEscapeReachTheBoxThroughTheMessageLoop) {
    SetFocus(Window(Control::CaptureBox));
    PostMessageW(Window(Control::CaptureBox), WM_KEYDOWN, VK_RETURN, 1);
    Pump();
    EXPECT_EQ(Text(Control::CombinationReadOut), L"Enter");
    EXPECT_EQ(Text(Control::CharCodeBox), L"13"); // TranslateMessage made the key-press
    PostMessageW(Window(Control::CaptureBox), WM_KEYDOWN, VK_ESCAPE, 1);
    Pump();
    EXPECT_EQ(Text(Control::CombinationReadOut), L"Escape");
    EXPECT_EQ(GetFocus(), Window(Control::CaptureBox));
}

} // namespace
} // namespace zintar::test
