// The key table a window shows for a layout: one row's cells, the rows' order, the copy text.
#include "core/keyboard_layout/layout_key_rows.h"

#include <gtest/gtest.h>

#include "core/keyboard_layout/layout_captions.h"

#include "tests/core/keyboard_layout/fixture_layouts.h"

namespace zintar {
namespace {

using test::FixtureLayout;

std::vector<std::wstring> Cells(const KeyboardLayoutTables& layout, const LayoutKeyRow& row,
                                Language language) {
    std::vector<std::wstring> cells;
    for (int c = 0; c < kLayoutKeyColumnCount; ++c)
        cells.push_back(LayoutKeyCellText(layout, row, static_cast<LayoutKeyColumn>(c), language));
    return cells;
}

TEST(LayoutKeyRows, CellsOfHungarianKeys) {
    const KeyboardLayoutTables& hu = FixtureLayout("hungarian");
    EXPECT_EQ(Cells(hu, LayoutKeyRowAt(hu, {0x10, ScanPrefix::None}), Language::English),
              (std::vector<std::wstring>{L"10", L"'Q'", L"KeyQ", L"q", L"Q", L"^Q", L"\\", L"",
                                         L"Q", L"", L"Q"}));
    // The 9 key: AltGr gives the dead acute, whose compositions the row lists.
    const auto nine = Cells(hu, LayoutKeyRowAt(hu, {0x0A, ScanPrefix::None}), Language::Hungarian);
    EXPECT_EQ(nine[static_cast<int>(LayoutKeyColumn::AltGr)], L"\u00B4 (holt)");
    EXPECT_EQ(nine[static_cast<int>(LayoutKeyColumn::DeadKeys)].substr(0, 10),
              L"\u00B4: a\u2192\u00E1 e\u2192\u00E9");
    const auto space = Cells(hu, LayoutKeyRowAt(hu, {0x39, ScanPrefix::None}), Language::English);
    EXPECT_EQ(space[static_cast<int>(LayoutKeyColumn::Plain)], L"space");
    const auto enter = Cells(hu, LayoutKeyRowAt(hu, {0x1C, ScanPrefix::E0}), Language::English);
    EXPECT_EQ(enter[0], L"E0 1C");
    EXPECT_EQ(enter[1], L"VK_RETURN");
    EXPECT_EQ(enter[2], L"NumpadEnter");
    EXPECT_EQ(enter[static_cast<int>(LayoutKeyColumn::Ctrl)], L"^J");
}

TEST(LayoutKeyRows, EveryKeyOnceInScanOrderAndCopied) {
    const KeyboardLayoutTables& us = FixtureLayout("us");
    const auto rows = LayoutKeyRows(us);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().place, (KeyPlace{0x01, ScanPrefix::None}));
    EXPECT_EQ(rows.back().place, (KeyPlace{0x1D, ScanPrefix::E1}));
    for (size_t i = 1; i < rows.size(); ++i) {
        const auto& a = rows[i - 1].place;
        const auto& b = rows[i].place;
        EXPECT_TRUE(a.prefix < b.prefix || (a.prefix == b.prefix && a.scanCode < b.scanCode));
    }
    const std::wstring copy = LayoutKeysCopyText(us, rows, Language::English);
    EXPECT_EQ(copy.substr(0, copy.find(L"\r\n")),
              L"Scan code\tVirtual key\tDOM code\tPlain\tShift\tCtrl\tAltGr\tShift+AltGr\t"
              L"Caps Lock\tDead key\tKey name");
    EXPECT_NE(copy.find(L"\r\n1E\t'A'\tKeyA\ta\tA\t^A\t\t\tA\t\tA\r\n"), std::wstring::npos);
    EXPECT_EQ(LayoutKeyColumnTitle(LayoutKeyColumn::Plain, Language::Hungarian), L"Alap");
}

} // namespace
} // namespace zintar
