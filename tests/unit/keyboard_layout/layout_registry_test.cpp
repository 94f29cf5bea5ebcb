// The installed layouts as the registry lists them: the set-up test installed the four test
// layouts the way Windows installs a layout; the list finds each with its name and file.
#include "platform/input/layout_registry.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/input/layout_library.h"

namespace zintar {
namespace {

TEST(LayoutRegistry, FindsTheInstalledTestLayouts) {
    const std::vector<InstalledLayout> list = win32::ReadInstalledLayouts();
    const std::pair<const wchar_t*, const wchar_t*> expected[] = {
        {L"A07A0409", L"US (Zintar test)"},
        {L"A07A040E", L"Hungarian (Zintar test)"},
        {L"A07A0407", L"German (Zintar test)"},
        {L"A07A040C", L"French (Zintar test)"},
    };
    for (const auto& [klid, name] : expected) {
        const auto it = std::find_if(list.begin(), list.end(),
                                     [&](const InstalledLayout& l) { return l.klid == klid; });
        ASSERT_NE(it, list.end()) << klid;
        EXPECT_EQ(it->name, name);
        EXPECT_FALSE(it->ime);
        // Wine lists every installed layout as loaded, each by a handle its KLID spells.
        EXPECT_TRUE(it->loaded);
        // Each is readable through the file its entry names.
        EXPECT_TRUE(win32::ReadLayoutLibrary(it->layoutFile).ok()) << it->layoutFile;
    }
    // No layout stands in the list twice, under a KLID that a handle seemed to spell.
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const InstalledLayout& l) { return l.klid == L"0000A07A"; }),
              0);
    // The thread's own layout is in the list and marked, whether or not the registry has it.
    EXPECT_EQ(std::count_if(list.begin(), list.end(), [](const auto& l) { return l.active; }), 1);
}

} // namespace
} // namespace zintar
