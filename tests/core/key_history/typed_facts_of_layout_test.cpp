// The key details pane's typed rows from a layout's own tables: the AltGr states and dead
// keys that ToUnicodeEx does not give under Wine, for the physical key a message reported.
#include "core/key_history/typed_facts_of_layout.h"

#include <gtest/gtest.h>

#include "tests/core/keyboard_layout/fixture_layouts.h"

namespace zintar {
namespace {

std::wstring Row(const TypedFacts& typed, DetailRow row, Language language) {
    KeyDetailsFacts facts{};
    facts.typed = typed;
    return KeyDetailLines(facts, language)[static_cast<size_t>(row)].value;
}

TEST(TypedFactsOfLayout, AltGrStatesOfTheHungarianLayout) {
    const KeyboardLayoutTables& hu = test::FixtureLayout("hungarian");
    const TypedFacts f = TypedFactsOfLayout(hu, 0x21, false, 'F');
    EXPECT_EQ(Row(f, DetailRow::TypesPlain, Language::English), L"f");
    EXPECT_EQ(Row(f, DetailRow::TypesShift, Language::English), L"F");
    EXPECT_EQ(Row(f, DetailRow::TypesAltGr, Language::English), L"[");
    EXPECT_EQ(Row(f, DetailRow::TypesShiftAltGr, Language::English), L"nothing");
    EXPECT_EQ(Row(f, DetailRow::TypesCapsLock, Language::English), L"F");
    EXPECT_EQ(Row(f, DetailRow::DeadKey, Language::English), L"no");
    // A key sent by its virtual key alone (scan code 0) names no place: its virtual key stands in.
    EXPECT_EQ(
        Row(TypedFactsOfLayout(hu, 0x00, false, 'Q'), DetailRow::TypesAltGr, Language::English),
        L"\\");
}

TEST(TypedFactsOfLayout, DeadKeysWithEveryComposition) {
    const TypedFacts o = TypedFactsOfLayout(test::FixtureLayout("hungarian"), 0x0B, false, 0xC0);
    EXPECT_EQ(Row(o, DetailRow::TypesAltGr, Language::Hungarian), L"\u02DD (holt)");
    EXPECT_EQ(Row(o, DetailRow::DeadKey, Language::English),
              L"AltGr: o\u2192\u0151 u\u2192\u0171 O\u2192\u0150 U\u2192\u0170 "
              L"space\u2192\u02DD");
}

} // namespace
} // namespace zintar
