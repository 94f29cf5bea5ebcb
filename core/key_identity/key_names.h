#pragma once
// The English display names of key codes and modifier masks, the same in both languages.
// Compile-time tables: nothing fills them at start-up.
#include <string>
#include <string_view>

namespace zintar {

constexpr int kKeyCodeCount = 256; // virtual-key codes 0 to 255
constexpr int kModifierMaskCount = 8;

// Modifier mask bits, as the window reads them at a key-down.
constexpr int kModifierShift = 1;
constexpr int kModifierCtrl = 2;
constexpr int kModifierAlt = 4;

// The name of a key code; empty for codes without a name and for codes outside 0 to 255.
std::wstring_view KeyName(int keyCode);

// The words of a modifier mask in the order Ctrl, Alt, Shift ("Ctrl + Shift"); empty for 0
// and for masks outside 0 to 7.
std::wstring_view ModifierName(int mask);

// The readable combination: the key's name alone without modifiers; the modifiers alone for
// the Shift, Ctrl and Alt keys themselves; otherwise both, joined by " + " ("Ctrl + A", and
// "Ctrl + " for a key without a name).
std::wstring CombinationName(int keyCode, int modifiers);

} // namespace zintar
