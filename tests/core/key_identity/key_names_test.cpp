#include "core/key_identity/key_names.h"

#include <array>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace zintar {
namespace {

// The full table as users see it, written out independently of the fill order.
std::array<std::wstring, kKeyCodeCount> ExpectedKeyNames() {
    std::array<std::wstring, kKeyCodeCount> names;
    for (int n = 0; n <= 9; ++n)
        names[48 + n] = std::wstring(1, static_cast<wchar_t>(L'0' + n));
    for (int n = 0; n < 26; ++n)
        names[65 + n] = std::wstring(1, static_cast<wchar_t>(L'A' + n));
    for (int n = 0; n <= 9; ++n)
        names[96 + n] = L"Numpad " + std::to_wstring(n);
    for (int n = 1; n <= 12; ++n)
        names[111 + n] = L"F" + std::to_wstring(n);
    // clang-format off
    const std::pair<int, const wchar_t*> single[] = {
        {8, L"Backspace"}, {12, L"Numpad middle"}, {13, L"Enter"}, {16, L"Shift"}, {17, L"Ctrl"},
        {18, L"Alt"}, {19, L"Pause / Break"}, {20, L"Caps Lock"}, {27, L"Escape"}, {32, L"Space"},
        {33, L"Page Up"}, {34, L"Page Down"}, {35, L"End"}, {36, L"Home"}, {37, L"Left Arrow"},
        {38, L"Up Arrow"}, {39, L"Right Arrow"}, {40, L"Down Arrow"}, {45, L"Insert"},
        {46, L"Delete"}, {91, L"Left MS Key"}, {92, L"Right MS Key"}, {93, L"Context Menu Key"},
        {95, L"Sleep (Hibernate)"}, {106, L"Numpad *"}, {107, L"Numpad +"}, {109, L"Numpad -"},
        {110, L"Numpad ."}, {111, L"Numpad /"}, {144, L"Num Lock"}, {145, L"Scroll Lock"},
        {186, L"; :"}, {187, L"= +"}, {188, L", <"}, {189, L"- _"}, {190, L". >"}, {191, L"/ ?"},
        {192, L"~"}, {219, L"[ {"}, {220, L"\\ |"}, {221, L"] }"}, {222, L"' \""},
        {226, L"\\ |"}, {255, L"Wake Up"}};
    // clang-format on
    for (const auto& [code, name] : single)
        names[code] = name;
    return names;
}

TEST(KeyName, EveryCodeHasExactlyItsName) {
    const auto expected = ExpectedKeyNames();
    int named = 0;
    for (int code = 0; code < kKeyCodeCount; ++code) {
        EXPECT_EQ(KeyName(code), expected[code]) << "key code " << code;
        named += KeyName(code).empty() ? 0 : 1;
    }
    // 102 named codes; all others (0, Tab 9, 44, 108, 124-135, 160-165, ...) are empty.
    EXPECT_EQ(named, 102);
    EXPECT_EQ(KeyName(-1), L"");
    EXPECT_EQ(KeyName(256), L"");
}

TEST(ModifierName, WordsInCtrlAltShiftOrder) {
    const std::array<std::wstring, kModifierMaskCount> expected = {
        L"",    L"Shift",       L"Ctrl",       L"Ctrl + Shift",
        L"Alt", L"Alt + Shift", L"Ctrl + Alt", L"Ctrl + Alt + Shift"};
    for (int mask = 0; mask < kModifierMaskCount; ++mask)
        EXPECT_EQ(ModifierName(mask), expected[mask]) << mask;
    EXPECT_EQ(ModifierName(8), L"");
    EXPECT_EQ(ModifierName(-1), L"");
}

TEST(CombinationName, ThreeForms) {
    struct Case {
        int key, modifiers;
        const wchar_t* name;
    };
    const Case cases[] = {
        {65, 0, L"A"},
        {116, 3, L"Ctrl + Shift + F5"},
        {16, 1, L"Shift"},
        {16, 3, L"Ctrl + Shift"}, // a modifier key alone: no " + " behind the mask
        {17, 2, L"Ctrl"},
        {18, 7, L"Ctrl + Alt + Shift"},
        {16, 0, L"Shift"},   // entered as a code, without modifiers
        {44, 2, L"Ctrl + "}, // an unnamed key keeps the joint
        {44, 0, L""},
        {222, 4, L"Alt + ' \""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CombinationName(c.key, c.modifiers), c.name) << c.key << "/" << c.modifiers;
}

} // namespace
} // namespace zintar
