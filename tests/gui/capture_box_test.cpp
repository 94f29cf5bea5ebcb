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
        return {Text(Ctl::lblShift), Text(Ctl::Tcode_dec), Text(Ctl::Tcode_hex), Text(Ctl::lblSpec),
                Text(Ctl::Tcc),      Text(Ctl::Thex),      Text(Ctl::Tchar)};
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
    KeyDown(Ctl::Tchar, VK_SHIFT, kShift);
    ExpectShown({L"1", L"16", L"10", L"Shift", L"", L"", L""});

    KeyDown(Ctl::Tchar, 'A', kShift);
    ExpectShown({L"1", L"65", L"41", L"Shift + A", L"", L"", L""});

    EXPECT_EQ(KeyPress(Ctl::Tchar, L'A'), 0);
    ExpectShown({L"1", L"65", L"41", L"Shift + A", L"65", L"41", L"A"});
    // The refresh's own writes raise the code boxes' change events; had they acted, the mask
    // would be 0 and the key code gone.
    EXPECT_EQ(State().iShift, 1);
    EXPECT_EQ(State().iKey, 65);
    EXPECT_EQ(State().iChar, 65);
    EXPECT_TRUE(State().bEvents);
    // The caret stands behind the one character, nothing selected.
    DWORD start = 0, end = 0;
    SendMessageW(Control(Ctl::Tchar), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 1u);
}

TEST_F(CaptureBox, AKeyAloneGivesTheLowerCaseCharacter) {
    KeyDown(Ctl::Tchar, 'A');
    ExpectShown({L"0", L"65", L"41", L"A", L"", L"", L""});
    KeyPress(Ctl::Tchar, L'a');
    ExpectShown({L"0", L"65", L"41", L"A", L"97", L"61", L"a"});
}

TEST_F(CaptureBox, KeysWithoutCharacterLeaveTheCharacterFieldsEmpty) {
    TypeKey(Ctl::Tchar, 'A', L'a');
    KeyDown(Ctl::Tchar, VK_F5);
    ExpectShown({L"0", L"116", L"74", L"F5", L"", L"", L""});
    EXPECT_EQ(State().iChar, -1);
}

TEST_F(CaptureBox, ControlCharactersAreShownWithTheirCodesAndSuppressed) {
    TypeKey(Ctl::Tchar, VK_RETURN, L'\r');
    EXPECT_EQ(Text(Ctl::lblSpec), L"Enter");
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"13");
    EXPECT_EQ(Text(Ctl::Tcc), L"13");
    EXPECT_EQ(Text(Ctl::Thex), L"0D");

    TypeKey(Ctl::Tchar, 'C', 3, kCtrl);
    ExpectShown({L"2", L"67", L"43", L"Ctrl + C", L"3", L"03", L"\x03"});

    TypeKey(Ctl::Tchar, VK_ESCAPE, 27);
    EXPECT_EQ(Text(Ctl::lblSpec), L"Escape");
    EXPECT_EQ(Text(Ctl::Thex), L"1B");
}

TEST_F(CaptureBox, CombinationNamesFollowTheModifierMask) {
    KeyDown(Ctl::Tchar, VK_F5, kCtrl | kShift);
    EXPECT_EQ(Text(Ctl::lblSpec), L"Ctrl + Shift + F5");
    EXPECT_EQ(Text(Ctl::lblShift), L"3");

    KeyDown(Ctl::Tchar, VK_MENU, kAlt);
    EXPECT_EQ(Text(Ctl::lblSpec), L"Alt");
    EXPECT_EQ(Text(Ctl::lblShift), L"4");

    // A modifier key with another modifier held is named by the mask alone.
    KeyDown(Ctl::Tchar, VK_SHIFT, kCtrl | kShift);
    EXPECT_EQ(Text(Ctl::lblSpec), L"Ctrl + Shift");

    KeyDown(Ctl::Tchar, VK_DELETE, kCtrl | kAlt | kShift);
    EXPECT_EQ(Text(Ctl::lblSpec), L"Ctrl + Alt + Shift + Delete");
    EXPECT_EQ(Text(Ctl::lblShift), L"7");

    // A code without a name, with and without a modifier.
    KeyDown(Ctl::Tchar, 0x87, kCtrl);
    EXPECT_EQ(Text(Ctl::lblSpec), L"Ctrl + ");
    KeyDown(Ctl::Tchar, 0x87);
    EXPECT_EQ(Text(Ctl::lblSpec), L"");
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"135");
}

TEST_F(CaptureBox, F10AndAltArriveAsSystemKeysAndAreCaptured) {
    KeyDown(Ctl::Tchar, VK_F10);
    EXPECT_EQ(Text(Ctl::lblSpec), L"F10");
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"121");
    KeyDown(Ctl::Tchar, 'X', kAlt);
    EXPECT_EQ(Text(Ctl::lblSpec), L"Alt + X");
    EXPECT_EQ(Text(Ctl::lblShift), L"4");
}

TEST_F(CaptureBox, RepeatedAndSuccessiveCharactersLeaveOneCharacter) {
    for (int i = 0; i < 5; ++i)
        TypeKey(Ctl::Tchar, 'K', L'k');
    EXPECT_EQ(Text(Ctl::Tchar), L"k");
    TypeKey(Ctl::Tchar, 'M', L'm');
    EXPECT_EQ(Text(Ctl::Tchar), L"m");
    EXPECT_EQ(Text(Ctl::Tcc), L"109");
}

TEST_F(CaptureBox, WesternCharactersUseTheirAnsiCodes) {
    TypeKey(Ctl::Tchar, VK_OEM_7, L'\u00E9'); // é in code page 1252
    EXPECT_EQ(Text(Ctl::Tcc), L"233");
    EXPECT_EQ(Text(Ctl::Thex), L"E9");
    EXPECT_EQ(Text(Ctl::Tchar), L"\u00E9");
}

TEST_F(CaptureBox, ACharacterTheCodePageLacksIsShownWithoutAFalseCode) {
    // "ő" has no code in 1252; converting it would give "?" (63) or a look-alike "o" (111).
    TypeKey(Ctl::Tchar, VK_OEM_4, L'\u0151');
    EXPECT_EQ(State().iChar, -1);
    EXPECT_EQ(Text(Ctl::Tcc), L"");
    EXPECT_EQ(Text(Ctl::Thex), L"");
    EXPECT_EQ(Text(Ctl::Tchar), L"");
    // The key itself is still shown.
    EXPECT_EQ(Text(Ctl::Tcode_dec), L"219");
    EXPECT_EQ(Text(Ctl::lblSpec), L"[ {");
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
    SetWindowSubclass(Control(Ctl::Tchar), hook, 1, reinterpret_cast<DWORD_PTR>(&menuCommands));

    KeyDown(Ctl::Tchar, VK_MENU, kAlt);
    SendMessageW(Control(Ctl::Tchar), WM_SYSKEYUP, VK_MENU, 0xC0000001);
    KeyDown(Ctl::Tchar, VK_F10);
    SendMessageW(Control(Ctl::Tchar), WM_SYSKEYUP, VK_F10, 0xC0000001);
    KeyDown(Ctl::Tchar, 'A', kAlt);
    SendMessageW(Control(Ctl::Tchar), WM_SYSCHAR, L'a', 1 | (1 << 29));
    EXPECT_TRUE(menuCommands.empty());

    KeyDown(Ctl::Tchar, VK_SPACE, kAlt);
    SendMessageW(Control(Ctl::Tchar), WM_SYSCHAR, L' ', 1 | (1 << 29));
    ASSERT_EQ(menuCommands.size(), 1u);
    EXPECT_EQ(menuCommands[0], L' ');

    RemoveWindowSubclass(form().hwnd(), hook, 1);
    RemoveWindowSubclass(Control(Ctl::Tchar), hook, 1);
}

TEST_F(CaptureBox, TabMovesTheFocusThroughTheFiveBoxesAndIsNeverCaptured) {
    const Ctl order[] = {Ctl::Tchar,     Ctl::Tcc,       Ctl::Thex,
                         Ctl::Tcode_dec, Ctl::Tcode_hex, Ctl::Tchar};
    SetFocus(Control(Ctl::Tchar));
    for (size_t i = 1; i < std::size(order); ++i) {
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        Pump();
        EXPECT_EQ(GetFocus(), Control(order[i])) << "after " << i << " Tab presses";
    }
    SetModifiers(kShift);
    for (size_t i = std::size(order) - 1; i > 0; --i) {
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        Pump();
        EXPECT_EQ(GetFocus(), Control(order[i - 1]));
    }
    SetModifiers(0);
    EXPECT_EQ(State().iKey, -1); // no Tab ever reached the capture box's key-down
}

TEST_F(CaptureBox, EnterAndEscapeReachTheBoxThroughTheMessageLoop) {
    SetFocus(Control(Ctl::Tchar));
    PostMessageW(Control(Ctl::Tchar), WM_KEYDOWN, VK_RETURN, 1);
    Pump();
    EXPECT_EQ(Text(Ctl::lblSpec), L"Enter");
    EXPECT_EQ(Text(Ctl::Tcc), L"13"); // TranslateMessage made the key-press
    PostMessageW(Control(Ctl::Tchar), WM_KEYDOWN, VK_ESCAPE, 1);
    Pump();
    EXPECT_EQ(Text(Ctl::lblSpec), L"Escape");
    EXPECT_EQ(GetFocus(), Control(Ctl::Tchar));
}

} // namespace
} // namespace zintar::test
