#include "core/key_identity/key_names.h"

#include <array>

#include "core/common/virtual_keys.h"

namespace zintar {

namespace {

using namespace std::string_view_literals;

constexpr std::array<std::wstring_view, kModifierMaskCount> kModifierNames{
    L""sv,    L"Shift"sv,       L"Ctrl"sv,       L"Ctrl + Shift"sv,
    L"Alt"sv, L"Alt + Shift"sv, L"Ctrl + Alt"sv, L"Ctrl + Alt + Shift"sv,
};

// Runs of codes whose names follow the code ("0".."9", "Numpad 0".., "F1"..) are spelled out
// too: a table that reads like the keyboard is easier to check than a generator.
constexpr std::array<std::wstring_view, kKeyCodeCount> MakeKeyNames() {
    std::array<std::wstring_view, kKeyCodeCount> n{};
    n[8] = L"Backspace";
    n[12] = L"Numpad middle";
    n[13] = L"Enter";
    n[16] = L"Shift";
    n[17] = L"Ctrl";
    n[18] = L"Alt";
    n[19] = L"Pause / Break";
    n[20] = L"Caps Lock";
    n[27] = L"Escape";
    n[32] = L"Space";
    n[33] = L"Page Up";
    n[34] = L"Page Down";
    n[35] = L"End";
    n[36] = L"Home";
    n[37] = L"Left Arrow";
    n[38] = L"Up Arrow";
    n[39] = L"Right Arrow";
    n[40] = L"Down Arrow";
    n[45] = L"Insert";
    n[46] = L"Delete";
    constexpr std::wstring_view digits = L"0123456789";
    constexpr std::wstring_view letters = L"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int i = 0; i < 10; ++i)
        n[48 + i] = digits.substr(i, 1);
    for (int i = 0; i < 26; ++i)
        n[65 + i] = letters.substr(i, 1);
    n[91] = L"Left MS Key";
    n[92] = L"Right MS Key";
    n[93] = L"Context Menu Key";
    n[95] = L"Sleep (Hibernate)";
    constexpr std::array<std::wstring_view, 10> numpad{
        L"Numpad 0", L"Numpad 1", L"Numpad 2", L"Numpad 3", L"Numpad 4",
        L"Numpad 5", L"Numpad 6", L"Numpad 7", L"Numpad 8", L"Numpad 9",
    };
    for (int i = 0; i < 10; ++i)
        n[96 + i] = numpad[i];
    n[106] = L"Numpad *";
    n[107] = L"Numpad +";
    n[109] = L"Numpad -";
    n[110] = L"Numpad .";
    n[111] = L"Numpad /";
    constexpr std::array<std::wstring_view, 12> functionKeys{
        L"F1", L"F2", L"F3", L"F4", L"F5", L"F6", L"F7", L"F8", L"F9", L"F10", L"F11", L"F12",
    };
    for (int i = 0; i < 12; ++i)
        n[112 + i] = functionKeys[i];
    n[144] = L"Num Lock";
    n[145] = L"Scroll Lock";
    n[186] = L"; :";
    n[187] = L"= +";
    n[188] = L", <";
    n[189] = L"- _";
    n[190] = L". >";
    n[191] = L"/ ?";
    n[192] = L"~";
    n[219] = L"[ {";
    n[220] = L"\\ |";
    n[221] = L"] }";
    n[222] = L"' \"";
    n[226] = L"\\ |";
    n[255] = L"Wake Up";
    return n;
}

constexpr std::array<std::wstring_view, kKeyCodeCount> kKeyNames = MakeKeyNames();

} // namespace

std::wstring_view KeyName(int keyCode) {
    if (keyCode < 0 || keyCode >= kKeyCodeCount)
        return {};
    return kKeyNames[static_cast<size_t>(keyCode)];
}

std::wstring_view ModifierName(int mask) {
    if (mask < 0 || mask >= kModifierMaskCount)
        return {};
    return kModifierNames[static_cast<size_t>(mask)];
}

std::wstring CombinationName(int keyCode, int modifiers) {
    if (modifiers == 0)
        return std::wstring(KeyName(keyCode));
    std::wstring name(ModifierName(modifiers));
    // A modifier key on its own is named by the mask alone ("Ctrl + Shift").
    if (keyCode != vk::kShift && keyCode != vk::kControl && keyCode != vk::kMenu) {
        name += L" + ";
        name += KeyName(keyCode);
    }
    return name;
}

} // namespace zintar
