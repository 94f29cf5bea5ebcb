// The one table of every virtual key's names: what the functions that read it cannot show.
#include "core/key_identity/virtual_key_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zintar {
namespace {

// A row pasted twice or a name put on the wrong row gives one name to two codes. The WPF
// members and the DOM values repeat on purpose (the left keys stand for the side-neutral
// Shift, Ctrl and Alt; both Windows keys are "Meta"), the main window's names for the two
// backslash keys.
TEST(VirtualKeyTable, NoConstantMemberOrScriptNameStandsForTwoCodes) {
    const struct {
        const char* what;
        std::wstring_view VirtualKeyNames::*name;
    } fields[] = {
        {"VK_ constant", &VirtualKeyNames::constant},
        {"WinForms member", &VirtualKeyNames::winForms},
        {"AutoHotkey name", &VirtualKeyNames::autoHotkey},
    };
    for (const auto& field : fields) {
        std::map<std::wstring_view, int> codeOf;
        for (const VirtualKeyNames& row : VirtualKeyRows()) {
            const std::wstring_view name = row.*field.name;
            if (name.empty())
                continue;
            const auto [at, first] = codeOf.emplace(name, row.code);
            EXPECT_TRUE(first) << field.what << " " << testing::PrintToString(std::wstring(name))
                               << " names " << at->second << " and " << int{row.code};
        }
    }
}

TEST(VirtualKeyTable, OneRowPerCodeAndNoNamesBeyond) {
    ASSERT_EQ(VirtualKeyRows().size(), 256u);
    EXPECT_EQ(VirtualKeyRow(0x0D).constant, L"VK_RETURN");
    for (int code : {-1, 256, 0x10D}) {
        const VirtualKeyNames& row = VirtualKeyRow(code);
        EXPECT_TRUE(row.constant.empty() && row.display.empty() && row.winForms.empty() &&
                    row.wpf.empty() && row.dom.empty() && row.autoHotkey.empty())
            << code;
    }
}

} // namespace
} // namespace zintar
