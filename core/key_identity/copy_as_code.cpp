#include "core/key_identity/copy_as_code.h"

#include <array>
#include <string_view>

#include "core/common/hex_text.h"
#include "core/key_identity/key_names.h"
#include "core/key_identity/logical_key.h"
#include "core/key_identity/physical_key.h"
#include "core/key_identity/virtual_key_names.h"

namespace zintar {

namespace {

struct ModifierWords {
    int bit;
    std::wstring_view win32Key, js, sdl, wpf, ahk;
};

// Ctrl, Shift, Alt: the order in which programmers write them and the Keys enumeration is
// read back.
constexpr std::array<ModifierWords, 3> kModifiers{{
    {kModifierCtrl, L"VK_CONTROL", L"ctrlKey", L"KMOD_CTRL", L"ModifierKeys.Control", L"^"},
    {kModifierShift, L"VK_SHIFT", L"shiftKey", L"KMOD_SHIFT", L"ModifierKeys.Shift", L"+"},
    {kModifierAlt, L"VK_MENU", L"altKey", L"KMOD_ALT", L"ModifierKeys.Alt", L"!"},
}};

// The modifier bit that pressing this key sets itself, 0 for other keys.
int ModifierBitOfKey(uint8_t virtualKey) {
    switch (virtualKey) {
    case 0x10: // VK_SHIFT
    case 0xA0: // VK_LSHIFT
    case 0xA1: // VK_RSHIFT
        return kModifierShift;
    case 0x11: // VK_CONTROL
    case 0xA2: // VK_LCONTROL
    case 0xA3: // VK_RCONTROL
        return kModifierCtrl;
    case 0x12: // VK_MENU
    case 0xA4: // VK_LMENU
    case 0xA5: // VK_RMENU
        return kModifierAlt;
    default:
        return 0;
    }
}

std::wstring HexByte(uint8_t value) {
    return L"0x" + HexText(value, 2);
}

// GetKeyState's result is negative while the key is down.
std::wstring Win32Line(const KeyCombination& k) {
    const std::wstring_view constant = VirtualKeyConstantName(k.virtualKey);
    std::wstring line =
        L"if (wParam == " + (constant.empty() ? HexByte(k.virtualKey) : std::wstring(constant));
    for (const ModifierWords& m : kModifiers)
        line += L" && GetKeyState(" + std::wstring(m.win32Key) +
                ((k.modifiers & m.bit) ? L") < 0" : L") >= 0");
    return line + L") { }";
}

// KeyData holds the key and the modifiers together, so one comparison tests all of them.
std::wstring WinFormsLine(const KeyCombination& k) {
    std::wstring expression = WinFormsKeysExpression(k.virtualKey, k.modifiers);
    if (expression.find(L'|') != std::wstring::npos)
        expression = L"(" + expression + L")";
    return L"if (e.KeyData == " + expression + L") { }";
}

// WPF reports a key pressed with Alt (and F10) as Key.System, with the real key in SystemKey.
std::wstring WpfLine(const KeyCombination& k) {
    std::wstring key = WpfKeyMember(k.virtualKey);
    if (key.empty())
        key = L"KeyInterop.KeyFromVirtualKey(" + std::to_wstring(k.virtualKey) + L")";
    std::wstring modifiers;
    for (const ModifierWords& m : kModifiers) {
        if (k.modifiers & m.bit)
            modifiers += (modifiers.empty() ? L"" : L" | ") + std::wstring(m.wpf);
    }
    if (modifiers.empty())
        modifiers = L"ModifierKeys.None";
    else if (modifiers.find(L'|') != std::wstring::npos)
        modifiers = L"(" + modifiers + L")";
    return L"if ((e.Key == Key.System ? e.SystemKey : e.Key) == " + key +
           L" && Keyboard.Modifiers == " + modifiers + L") { }";
}

std::wstring JavaScriptLine(const KeyCombination& k) {
    const PhysicalKey* key = FindPhysicalKey(k.scanCode, k.extended);
    // keyCode is deprecated but still set by every browser, and equals the virtual-key code
    // for the keys the DOM has no code for.
    std::wstring line = key ? L"if (e.code === \"" + std::wstring(key->domCode) + L"\""
                            : L"if (e.keyCode === " + std::to_wstring(k.virtualKey);
    for (const ModifierWords& m : kModifiers)
        line += ((k.modifiers & m.bit) ? L" && e." : L" && !e.") + std::wstring(m.js);
    return line + L") { }";
}

std::wstring SdlLine(const KeyCombination& k) {
    const PhysicalKey* key = FindPhysicalKey(k.scanCode, k.extended);
    if (!key || key->sdlScancode == 0)
        return L"/* SDL has no scancode for this key */";
    std::wstring line = L"if (e.key.keysym.scancode == " + SdlConstant(*key);
    for (const ModifierWords& m : kModifiers)
        line +=
            ((k.modifiers & m.bit) ? L" && (e.key.keysym.mod & " : L" && !(e.key.keysym.mod & ") +
            std::wstring(m.sdl) + L")";
    return line + L") { }";
}

// A hotkey label; AutoHotkey matches it only with exactly these modifiers unless told
// otherwise, so the unpressed ones need no mention.
// A modifier key's own press sets its bit, but AutoHotkey names such a hotkey by the key
// alone ("Ctrl::"): with the prefix it would wait for a second Ctrl.
std::wstring AutoHotkeyLine(const KeyCombination& k) {
    std::wstring line;
    const int own = ModifierBitOfKey(k.virtualKey);
    for (const ModifierWords& m : kModifiers) {
        if ((k.modifiers & m.bit) && m.bit != own)
            line += m.ahk;
    }
    return line + AutoHotkeyKeyName(k.virtualKey) + L"::";
}

} // namespace

std::wstring CodeLine(CodeLanguage language, const KeyCombination& key) {
    switch (language) {
    case CodeLanguage::Win32:
        return Win32Line(key);
    case CodeLanguage::WinForms:
        return WinFormsLine(key);
    case CodeLanguage::Wpf:
        return WpfLine(key);
    case CodeLanguage::JavaScript:
        return JavaScriptLine(key);
    case CodeLanguage::Sdl:
        return SdlLine(key);
    case CodeLanguage::AutoHotkey:
        return AutoHotkeyLine(key);
    }
    return {};
}

std::wstring CodeLanguageName(CodeLanguage language) {
    switch (language) {
    case CodeLanguage::Win32:
        return L"Win32 C/C++";
    case CodeLanguage::WinForms:
        return L"C# WinForms";
    case CodeLanguage::Wpf:
        return L"C# WPF";
    case CodeLanguage::JavaScript:
        return L"JavaScript";
    case CodeLanguage::Sdl:
        return L"SDL";
    case CodeLanguage::AutoHotkey:
        return L"AutoHotkey";
    }
    return {};
}

} // namespace zintar
