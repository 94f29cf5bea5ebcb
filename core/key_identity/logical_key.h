#pragma once
// The identity of a logical key, the virtual-key code with its modifiers, in the APIs that
// name keys by meaning: WinForms Keys, WPF Key, the DOM's KeyboardEvent.key and AutoHotkey's
// key names. The VK_ constant itself comes from virtual_key_names.h.
#include <cstdint>
#include <string>
#include <string_view>

namespace zintar {

// The member of System.Windows.Forms.Keys without the "Keys." prefix ("F5", "D1",
// "OemSemicolon"); empty where the enumeration names no member for the code.
std::wstring_view WinFormsKeyName(int virtualKey);

// What e.KeyData of a KeyDown handler holds: "Keys.Control | Keys.Shift | Keys.F5", the
// modifiers in the order Control, Shift, Alt; a code without a member is cast ("(Keys)232").
std::wstring WinFormsKeysExpression(int virtualKey, uint8_t modifiers);

// The member of System.Windows.Input.Key ("Key.F5", "Key.OemSemicolon"), as
// KeyInterop.KeyFromVirtualKey gives it; empty where WPF has none.
std::wstring WpfKeyMember(int virtualKey);

// The DOM key value of a key that types nothing ("Enter", "F5", "Shift", "ArrowLeft"), and
// " " for the space bar; empty for a key whose value is the character it types, which only
// the layout knows, and for unknown codes.
std::wstring_view DomNamedKey(int virtualKey);

// The DOM key value of a typed character: "Dead" for a dead key, the names of the control
// characters that Enter, Tab, Backspace and Escape type, the character itself otherwise;
// empty for other control characters and for what no text can hold (a lone surrogate half).
std::wstring DomKeyOfCharacter(char32_t codePoint, bool dead);

// AutoHotkey's name of the key ("F5", "Enter", "NumpadAdd"); the vkNN form where it has none.
std::wstring AutoHotkeyKeyName(int virtualKey);

} // namespace zintar
