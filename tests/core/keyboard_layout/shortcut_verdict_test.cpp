// Shortcuts on the test layouts against US, expected values from the layouts' public charts.
#include "core/keyboard_layout/shortcut_verdict.h"

#include <gtest/gtest.h>

#include "core/key_identity/key_names.h"
#include "core/keyboard_layout/layout_captions.h"
#include "tests/core/keyboard_layout/fixture_layouts.h"

namespace zintar {
namespace {

using test::FixtureLayout;

constexpr uint8_t kCtrl = kModifierCtrl, kShift = kModifierShift, kAlt = kModifierAlt;

ShortcutOnLayout Judge(std::string_view layout, uint8_t vk, uint8_t modifiers) {
    return JudgeShortcut(FixtureLayout(layout), FixtureLayout("us"), {vk, modifiers});
}

TEST(ShortcutVerdicts, CtrlAltFCollidesWithAltGrOnHungarianOnly) {
    const ShortcutOnLayout hu = Judge("hungarian", 'F', kCtrl | kAlt);
    EXPECT_EQ(hu.verdict, ShortcutVerdict::AltGrCollision);
    EXPECT_TRUE(hu.altGrCollision);
    EXPECT_EQ(hu.inShortcut.text, L"[");
    EXPECT_FALSE(hu.moved);
    const ShortcutOnLayout us = Judge("us", 'F', kCtrl | kAlt);
    EXPECT_EQ(us.verdict, ShortcutVerdict::Works);
    EXPECT_EQ(us.domCode, L"KeyF");
    // Ctrl+Alt+R types nothing on Hungarian: no collision.
    EXPECT_EQ(Judge("hungarian", 'R', kCtrl | kAlt).verdict, ShortcutVerdict::Works);
}

TEST(ShortcutVerdicts, KeysThatMovedOnGerman) {
    const ShortcutOnLayout z = Judge("german", 'Z', kCtrl);
    EXPECT_EQ(z.verdict, ShortcutVerdict::Moved);
    EXPECT_EQ(z.place, (KeyPlace{0x15, ScanPrefix::None}));
    EXPECT_EQ(z.domCode, L"KeyY");
    EXPECT_EQ(z.plain.text, L"z");
    // VK_OEM_2 is on the key right of Ä, which types # and '.
    const ShortcutOnLayout slash = Judge("german", 0xBF, kCtrl);
    EXPECT_EQ(slash.verdict, ShortcutVerdict::Moved);
    EXPECT_EQ(slash.domCode, L"Backslash");
    EXPECT_EQ(slash.plain.text, L"#");
    EXPECT_EQ(slash.shifted.text, L"'");
}

TEST(ShortcutVerdicts, FrenchDigitKeyWorksButTypesALetter) {
    const ShortcutOnLayout two = Judge("french", '2', kCtrl | kShift);
    EXPECT_EQ(two.verdict, ShortcutVerdict::Works);
    EXPECT_EQ(two.domCode, L"Digit2");
    EXPECT_EQ(two.plain.text, L"\u00E9");
    EXPECT_EQ(two.shifted.text, L"2");
    // Ctrl+Alt+2 is AltGr+é there: a dead tilde, not a character.
    const ShortcutOnLayout tilde = Judge("french", '2', kCtrl | kAlt);
    EXPECT_EQ(tilde.verdict, ShortcutVerdict::DeadKey);
    EXPECT_FALSE(tilde.altGrCollision);
}

TEST(ShortcutVerdicts, DeadAndMissingKeys) {
    // Ctrl+\ on German: VK_OEM_5 is the dead ^ key left of 1.
    const ShortcutOnLayout caret = Judge("german", 0xDC, kCtrl);
    EXPECT_EQ(caret.verdict, ShortcutVerdict::DeadKey);
    EXPECT_TRUE(caret.dead);
    EXPECT_TRUE(caret.moved);
    // VK_OEM_8 (! on French) is on no US key; a layout without the key misses the shortcut.
    EXPECT_EQ(Judge("french", 0xDF, kCtrl).verdict, ShortcutVerdict::Works);
    const ShortcutOnLayout missing = Judge("us", 0xDF, kCtrl);
    EXPECT_EQ(missing.verdict, ShortcutVerdict::Missing);
    EXPECT_EQ(missing.place, std::nullopt);
}

TEST(ShortcutVerdicts, TableRowsAndCopyText) {
    const KeyboardLayoutTables& de = FixtureLayout("german");
    const KeyboardLayoutTables& hu = FixtureLayout("hungarian");
    const NamedLayout layouts[] = {{L"German", &de}, {L"Hungarian", &hu}};
    const ProgramShortcut shortcuts[] = {{'Z', kCtrl}, {'F', kCtrl | kAlt}};
    const auto rows = ShortcutTable(layouts, FixtureLayout("us"), shortcuts, Language::English);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (std::vector<std::wstring>{L"German", L"Ctrl + Z", L"KeyY (15)", L"z Z",
                                                  L"moved, US: KeyZ"}));
    EXPECT_EQ(rows[3][4], L"AltGr collision: [");
    const auto hungarian =
        ShortcutTable(layouts, FixtureLayout("us"), shortcuts, Language::Hungarian);
    EXPECT_EQ(hungarian[3][4], L"AltGr-\u00FCtk\u00F6z\u00E9s: [");
    EXPECT_EQ(hungarian[1][4], L"m\u0171k\u00F6dik");
    const std::wstring copy = ShortcutTableCopyText(rows, Language::English);
    EXPECT_EQ(copy.substr(0, copy.find(L"\r\n")), L"Layout\tShortcut\tKey\tTypes\tVerdict");
    EXPECT_NE(copy.find(L"\r\nGerman\tCtrl + Z\tKeyY (15)\tz Z\tmoved, US: KeyZ\r\n"),
              std::wstring::npos);
    EXPECT_EQ(ShortcutVerdictName(ShortcutVerdict::Missing, Language::Hungarian), L"hi\u00E1nyzik");
}

} // namespace
} // namespace zintar
