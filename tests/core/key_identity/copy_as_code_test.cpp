#include "core/key_identity/copy_as_code.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

using L = CodeLanguage;

TEST(CopyAsCode, CtrlShiftF5) {
    const KeyCombination k{0x74, 0x3F, false, 3};
    EXPECT_EQ(CodeLine(L::Win32, k),
              L"if (wParam == VK_F5 && GetKeyState(VK_CONTROL) < 0 && "
              L"GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_MENU) >= 0) { }");
    EXPECT_EQ(CodeLine(L::WinForms, k),
              L"if (e.KeyData == (Keys.Control | Keys.Shift | Keys.F5)) { }");
    EXPECT_EQ(CodeLine(L::Wpf, k),
              L"if ((e.Key == Key.System ? e.SystemKey : e.Key) == Key.F5 && "
              L"Keyboard.Modifiers == (ModifierKeys.Control | ModifierKeys.Shift)) { }");
    EXPECT_EQ(CodeLine(L::JavaScript, k),
              L"if (e.code === \"F5\" && e.ctrlKey && e.shiftKey && !e.altKey) { }");
    EXPECT_EQ(CodeLine(L::Sdl, k),
              L"if (e.key.keysym.scancode == SDL_SCANCODE_F5 && (e.key.keysym.mod & KMOD_CTRL) && "
              L"(e.key.keysym.mod & KMOD_SHIFT) && !(e.key.keysym.mod & KMOD_ALT)) { }");
    EXPECT_EQ(CodeLine(L::AutoHotkey, k), L"^+F5::");
}

// The physical APIs see the keypad's Enter; the logical ones only VK_RETURN.
TEST(CopyAsCode, AltNumpadEnter) {
    const KeyCombination k{0x0D, 0x1C, true, 4};
    EXPECT_EQ(CodeLine(L::Win32, k),
              L"if (wParam == VK_RETURN && GetKeyState(VK_CONTROL) >= 0 && "
              L"GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) < 0) { }");
    EXPECT_EQ(CodeLine(L::WinForms, k), L"if (e.KeyData == (Keys.Alt | Keys.Enter)) { }");
    EXPECT_EQ(CodeLine(L::Wpf, k),
              L"if ((e.Key == Key.System ? e.SystemKey : e.Key) == Key.Enter && "
              L"Keyboard.Modifiers == ModifierKeys.Alt) { }");
    EXPECT_EQ(CodeLine(L::JavaScript, k),
              L"if (e.code === \"NumpadEnter\" && !e.ctrlKey && !e.shiftKey && e.altKey) { }");
    EXPECT_EQ(CodeLine(L::Sdl, k),
              L"if (e.key.keysym.scancode == SDL_SCANCODE_KP_ENTER && "
              L"!(e.key.keysym.mod & KMOD_CTRL) && !(e.key.keysym.mod & KMOD_SHIFT) && "
              L"(e.key.keysym.mod & KMOD_ALT)) { }");
    EXPECT_EQ(CodeLine(L::AutoHotkey, k), L"!Enter::");
}

// A letter without modifiers, and a key no table knows: the numeric forms stand in.
TEST(CopyAsCode, PlainLetterAndUnknownKey) {
    const KeyCombination a{0x41, 0x1E, false, 0};
    EXPECT_EQ(CodeLine(L::Win32, a),
              L"if (wParam == 'A' && GetKeyState(VK_CONTROL) >= 0 && "
              L"GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0) { }");
    EXPECT_EQ(CodeLine(L::WinForms, a), L"if (e.KeyData == Keys.A) { }");
    EXPECT_EQ(CodeLine(L::AutoHotkey, a), L"a::");
    const KeyCombination odd{0xE8, 0x00, false, 2 | 8};
    EXPECT_EQ(CodeLine(L::Win32, odd),
              L"if (wParam == 0xE8 && GetKeyState(VK_CONTROL) < 0 && "
              L"GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0) { }");
    EXPECT_EQ(CodeLine(L::WinForms, odd), L"if (e.KeyData == (Keys.Control | (Keys)232)) { }");
    EXPECT_EQ(CodeLine(L::JavaScript, odd),
              L"if (e.keyCode === 232 && e.ctrlKey && !e.shiftKey && !e.altKey) { }");
    EXPECT_EQ(CodeLine(L::Sdl, odd), L"/* SDL has no scancode for this key */");
    EXPECT_EQ(CodeLine(L::AutoHotkey, odd), L"^vkE8::");
    EXPECT_EQ(CodeLine(static_cast<CodeLanguage>(99), a), L"");
    // Right Ctrl pressed with Shift held: AutoHotkey names the key, not its own modifier.
    EXPECT_EQ(CodeLine(L::AutoHotkey, KeyCombination{0x11, 0x1D, true, 3}), L"+Ctrl::");
}

} // namespace
} // namespace zintar
