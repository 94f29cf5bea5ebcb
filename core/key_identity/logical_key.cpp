#include "core/key_identity/logical_key.h"

#include "core/common/hex_text.h"
#include "core/key_history/character_text.h"
#include "core/key_identity/key_names.h"
#include "core/key_identity/virtual_key_table.h"

namespace zintar {

namespace {

constexpr char32_t kBackspace = 0x08, kTab = 0x09, kCarriageReturn = 0x0D, kEscape = 0x1B;

} // namespace

std::wstring_view WinFormsKeyName(int virtualKey) {
    return VirtualKeyRow(virtualKey).winForms;
}

std::wstring WinFormsKeysExpression(int virtualKey, uint8_t modifiers) {
    std::wstring text;
    const auto add = [&](std::wstring_view part) {
        if (!text.empty())
            text += L" | ";
        text += part;
    };
    if (modifiers & kModifierCtrl)
        add(L"Keys.Control");
    if (modifiers & kModifierShift)
        add(L"Keys.Shift");
    if (modifiers & kModifierAlt)
        add(L"Keys.Alt");
    const std::wstring_view name = WinFormsKeyName(virtualKey);
    add(name.empty() ? L"(Keys)" + std::to_wstring(virtualKey & 0xFF)
                     : L"Keys." + std::wstring(name));
    return text;
}

std::wstring WpfKeyMember(int virtualKey) {
    const std::wstring_view member = VirtualKeyRow(virtualKey).wpf;
    return member.empty() ? std::wstring() : L"Key." + std::wstring(member);
}

std::wstring_view DomNamedKey(int virtualKey) {
    return VirtualKeyRow(virtualKey).dom;
}

std::wstring DomKeyOfCharacter(char32_t c, bool dead) {
    if (dead)
        return L"Dead";
    switch (c) {
    case kBackspace:
        return L"Backspace";
    case kTab:
        return L"Tab";
    case kCarriageReturn:
        return L"Enter";
    case kEscape:
        return L"Escape";
    default:
        break;
    }
    return IsControlCharacter(c) ? std::wstring() : Utf16Text(c);
}

std::wstring AutoHotkeyKeyName(int virtualKey) {
    if (const std::wstring_view name = VirtualKeyRow(virtualKey).autoHotkey; !name.empty())
        return std::wstring(name);
    return L"vk" + HexText(static_cast<uint32_t>(virtualKey) & 0xFF, kByteDigits);
}

} // namespace zintar
