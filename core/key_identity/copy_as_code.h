#pragma once
// One line of code per API that tests for a key with its modifiers, ready to paste into a
// key handler of that API: the Win32 window procedure (wParam), a WinForms KeyDown handler
// (e), a WPF KeyDown handler (e), a DOM keydown listener (e), an SDL event loop (e, an
// SDL_Event) and an AutoHotkey script.
#include <cstdint>
#include <string>

namespace zintar {

enum class CodeLanguage : uint8_t { Win32, WinForms, Wpf, JavaScript, Sdl, AutoHotkey };
constexpr int kCodeLanguageCount = static_cast<int>(CodeLanguage::AutoHotkey) + 1;

// The APIs that name keys by meaning take the virtual-key code; the DOM code and the SDL
// scancode are found from the physical key.
struct KeyCombination {
    uint8_t virtualKey;
    uint8_t scanCode;
    bool extended;
    uint8_t modifiers; // 1 Shift, 2 Ctrl, 4 Alt; higher bits are ignored
};

// Each line tests the key and every one of the three modifiers, so Ctrl+F5 does not also
// fire on Ctrl+Shift+F5. A key that the API cannot name (no DOM code, no SDL scancode) gets
// the API's numeric form where it has one, else a comment that says so.
std::wstring CodeLine(CodeLanguage language, const KeyCombination& key);

// "Win32 C/C++", "C# WinForms", ... for the label beside each line.
std::wstring CodeLanguageName(CodeLanguage language);

} // namespace zintar
