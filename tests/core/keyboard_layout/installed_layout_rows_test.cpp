// The keyboard layouts window's list of installed layouts: the rows' texts, the layout it
// opens on, and which layouts a shortcut is judged on and against.
#include "core/keyboard_layout/installed_layout_rows.h"

#include <gtest/gtest.h>

#include "tests/core/keyboard_layout/fixture_layouts.h"

namespace zintar {
namespace {

ReadLayout Read(std::wstring klid, std::wstring name, std::string_view fixture) {
    ReadLayout layout{{klid, name, L"kbd.dll"}, LayoutReadResult{}};
    layout.read->tables = test::FixtureLayout(fixture);
    return layout;
}

ReadLayout Failed(std::wstring klid, LayoutProblem problem) {
    ReadLayout layout{{klid, L"Broken", L"ztbad.dll"}, LayoutReadResult{}};
    layout.read->problem = problem;
    return layout;
}

std::wstring Cell(const ReadLayout& layout, InstalledColumn column,
                  Language language = Language::English) {
    return InstalledLayoutCellText(layout, column, language);
}

TEST(InstalledLayoutRows, NamesCarryTheirMarks) {
    ReadLayout hu = Read(L"0000040E", L"Hungarian", "hungarian");
    EXPECT_EQ(Cell(hu, InstalledColumn::Layout), L"Hungarian");
    hu.entry.loaded = true;
    EXPECT_EQ(Cell(hu, InstalledColumn::Layout), L"Hungarian (loaded)");
    hu.entry.active = true;
    EXPECT_EQ(Cell(hu, InstalledColumn::Layout), L"Hungarian (active)");
    EXPECT_EQ(Cell(hu, InstalledColumn::Layout, Language::Hungarian), L"Hungarian (akt\u00EDv)");
    hu.entry.ime = true;
    EXPECT_EQ(Cell(hu, InstalledColumn::Layout), L"Hungarian (IME, active)");
    EXPECT_EQ(Cell(hu, InstalledColumn::Klid), L"0000040E");
    EXPECT_EQ(Cell(hu, InstalledColumn::LayoutFile), L"kbd.dll");
    EXPECT_EQ(UnreadableLayoutText(hu, Language::English), L"");
}

TEST(InstalledLayoutRows, ALayoutThatCannotBeReadSaysWhy) {
    const ReadLayout broken = Failed(L"A07AFFFF", {LayoutFault::LoadFailed, LayoutPart::File, 126});
    EXPECT_EQ(Cell(broken, InstalledColumn::LayoutFile),
              L"ztbad.dll: the DLL could not be loaded (file, error 126)");
    EXPECT_EQ(UnreadableLayoutText(broken, Language::Hungarian),
              L"ztbad.dll: a DLL nem t\u00F6lthet\u0151 be (file, hibak\u00F3d: 126)");
    const ReadLayout noFile{{L"00000409", L"US"}, std::nullopt};
    EXPECT_EQ(Cell(noFile, InstalledColumn::LayoutFile), L"");
    EXPECT_EQ(UnreadableLayoutText(noFile, Language::English),
              L"the registry names no layout file for it");
}

TEST(InstalledLayoutRows, TheWindowOpensOnTheActiveLayoutElseTheFirstRead) {
    std::vector<ReadLayout> layouts{
        Failed(L"A07A0000", {LayoutFault::NullPointer, LayoutPart::Descriptor}),
        Read(L"A07A0407", L"German", "german"),
        Read(L"A07A040E", L"Hungarian", "hungarian"),
    };
    EXPECT_EQ(FirstShownLayout(layouts), 1u);
    layouts[2].entry.active = true;
    EXPECT_EQ(FirstShownLayout(layouts), 2u);
    EXPECT_EQ(FirstShownLayout({}), std::nullopt);
    // Judged on the two that were read; against US's places only where US is installed.
    const std::vector<NamedLayout> judged = JudgedLayouts(layouts);
    ASSERT_EQ(judged.size(), 2u);
    EXPECT_EQ(judged[0].name, L"German");
    EXPECT_EQ(InstalledUsLayout(layouts), nullptr);
    layouts.push_back(Read(L"00000409", L"US", "us"));
    EXPECT_EQ(InstalledUsLayout(layouts), &layouts[3].read->tables);
}

} // namespace
} // namespace zintar
