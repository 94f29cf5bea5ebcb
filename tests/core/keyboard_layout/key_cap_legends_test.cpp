// What the drawn keyboard prints on each key of the test layouts, and what a screen reader
// says for it; expected values from the layouts' public charts.
#include "core/keyboard_layout/key_cap_legends.h"

#include <gtest/gtest.h>

#include "tests/core/keyboard_layout/fixture_layouts.h"

namespace zintar {
namespace {

using test::FixtureLayout;
using test::LayoutWithUsualModifiers;
using test::SwissGermanUKey;

std::wstring Spoken(std::string_view layout, KeyPlace place, Language language) {
    return KeyCapAccessibleName(LegendsOfKey(FixtureLayout(layout), place), language);
}

constexpr KeyPlace At(uint8_t scan) {
    return {scan, ScanPrefix::None};
}

TEST(KeyCapLegends, PlainShiftAndAltGrWithTheirLabels) {
    const KeyCapLegends f = LegendsOfKey(FixtureLayout("hungarian"), At(0x21));
    EXPECT_EQ(f.legends[static_cast<size_t>(LegendSpot::Plain)].text, L"f");
    EXPECT_EQ(f.legends[static_cast<size_t>(LegendSpot::AltGr)].text, L"[");
    // Caps Lock types F, which Shift's legend shows already.
    EXPECT_EQ(f.legends[static_cast<size_t>(LegendSpot::CapsLock)].kind, Typed::Kind::Nothing);
    EXPECT_EQ(Spoken("hungarian", At(0x21), Language::English), L"F: f, F, AltGr [");
    EXPECT_EQ(Spoken("hungarian", At(0x10), Language::Hungarian), L"Q: q, Q, AltGr \\");
    // Ctrl's control character is no legend; the ligature is.
    EXPECT_EQ(Spoken("german", At(0x0C), Language::English), L"\u00DF: \u00DF, ?, AltGr \\, "
                                                             L"Shift+AltGr SS");
}

TEST(KeyCapLegends, DeadKeysAreMarkedInTheLanguage) {
    const KeyCapLegends acute = LegendsOfKey(FixtureLayout("german"), At(0x0D));
    EXPECT_TRUE(acute.HasDeadKey());
    EXPECT_EQ(KeyCapAccessibleName(acute, Language::English), L"AKUT: \u00B4 (dead), ` (dead)");
    EXPECT_EQ(Spoken("hungarian", At(0x0B), Language::Hungarian),
              L"\u00D6: \u00F6, \u00D6, AltGr \u02DD (holt)");
    EXPECT_FALSE(LegendsOfKey(FixtureLayout("hungarian"), At(0x21)).HasDeadKey());
}

TEST(KeyCapLegends, KeysThatTypeNothingPrintableGoByName) {
    // The layout's own names, then the main window's.
    EXPECT_EQ(Spoken("hungarian", At(0x01), Language::English), L"Esc");
    EXPECT_EQ(Spoken("hungarian", At(0x39), Language::English), L"Sz\u00F3k\u00F6z");
    EXPECT_EQ(Spoken("german", {0x1C, ScanPrefix::E0}, Language::English),
              L"Enter (Zehnertastatur)");
    EXPECT_EQ(Spoken("us", At(0x3B), Language::English), L"F1");
    // Printed short where the layout names no key, spoken whole.
    const KeyCapLegends del = LegendsOfKey(FixtureLayout("hungarian"), {0x53, ScanPrefix::E0});
    EXPECT_EQ(del.label, L"Del");
    EXPECT_EQ(del.name, L"Delete");
    EXPECT_EQ(LegendsOfKey(FixtureLayout("german"), At(0x0E)).label, L"R\u00FCcktaste");
    EXPECT_FALSE(LegendsOfKey(FixtureLayout("us"), At(0x1C)).HasLegend()); // Enter types CR
    // The number pad prints its digits, which Num Lock gives, one legend each.
    const KeyCapLegends seven = LegendsOfKey(FixtureLayout("us"), At(0x47));
    EXPECT_EQ(seven.legends[static_cast<size_t>(LegendSpot::Plain)].text, L"7");
    EXPECT_EQ(seven.legends[static_cast<size_t>(LegendSpot::Shift)].kind, Typed::Kind::Nothing);
    // A place the layout gives no key.
    const KeyCapLegends none = LegendsOfKey(FixtureLayout("us"), At(0x00));
    EXPECT_EQ(none.virtualKey, 0);
    EXPECT_EQ(KeyCapAccessibleName(none, Language::English), L"");
}

// Swiss German's ü key: Caps Lock has a row of its own (SGCAPS), so its Ü is printed too.
TEST(KeyCapLegends, CapsLockOnlyWhereItTypesACharacterOfItsOwn) {
    KeyboardLayoutTables layout = LayoutWithUsualModifiers();
    layout.scanCodes.assign(0x28, 0);
    layout.scanCodes[0x1A] = 0xBA;
    layout.keys = {SwissGermanUKey()};
    EXPECT_EQ(KeyCapAccessibleName(LegendsOfKey(layout, At(0x1A)), Language::English),
              L"\u00DC: \u00FC, \u00E8, AltGr [, Caps Lock \u00DC");
    // French: Caps Lock gives the digit that Shift's legend already shows.
    EXPECT_EQ(Spoken("french", At(0x03), Language::English), L"\u00C9: \u00E9, 2, AltGr ~ (dead)");
}

} // namespace
} // namespace zintar
