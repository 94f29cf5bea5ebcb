#include "core/key_identity/key_names.h"

#include <array>

#include "core/common/virtual_keys.h"
#include "core/key_identity/virtual_key_table.h"

namespace zintar {

namespace {

using namespace std::string_view_literals;

constexpr std::array<std::wstring_view, kModifierMaskCount> kModifierNames{
    L""sv,    L"Shift"sv,       L"Ctrl"sv,       L"Ctrl + Shift"sv,
    L"Alt"sv, L"Alt + Shift"sv, L"Ctrl + Alt"sv, L"Ctrl + Alt + Shift"sv,
};

} // namespace

std::wstring_view KeyName(int keyCode) {
    return VirtualKeyRow(keyCode).display;
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
