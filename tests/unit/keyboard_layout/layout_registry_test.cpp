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
        EXPECT_FALSE(it->loaded); // installed, not loaded for the user
        // Each is readable through the file its entry names.
        EXPECT_TRUE(win32::ReadLayoutLibrary(it->layoutFile).ok()) << it->layoutFile;
    }
    // The thread's own layout is in the list and marked, whether or not the registry has it.
    EXPECT_EQ(std::count_if(list.begin(), list.end(), [](const auto& l) { return l.active; }), 1);
}

} // namespace
} // namespace zintar
