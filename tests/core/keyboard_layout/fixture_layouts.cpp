#include "tests/core/keyboard_layout/fixture_layouts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "layout_description.h"

namespace zintar::test {

const KeyboardLayoutTables& FixtureLayout(std::string_view name) {
    static std::map<std::string, KeyboardLayoutTables, std::less<>> layouts;
    if (auto it = layouts.find(name); it != layouts.end())
        return it->second;
    const std::string path =
        std::string(ZINTAR_LAYOUT_DESCRIPTIONS) + "/" + std::string(name) + ".layout";
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_TRUE(file.good()) << path << " cannot be read";
    LayoutDescription description = ParseLayoutDescription(text.str());
    EXPECT_EQ(description.error, "") << path;
    return layouts.emplace(std::string(name), std::move(description.tables)).first->second;
}

KeyboardLayoutTables LayoutWithUsualModifiers() {
    KeyboardLayoutTables layout;
    layout.modifierKeys = {
        {0x10, kModifierBitShift}, {0x11, kModifierBitCtrl}, {0x12, kModifierBitAlt}};
    layout.modificationOfBits = {0, 1, 2, kNoModification, kNoModification, kNoModification, 3, 4};
    return layout;
}

KeyCharacters SwissGermanUKey() {
    using C = LayoutCharKind;
    return {0xBA,
            kAttributeSgCaps,
            {{C::Character, L'\u00FC'}, {C::Character, L'\u00E8'}, {}, {C::Character, L'['}, {}},
            {{C::Character, L'\u00DC'}, {C::Character, L'\u00C8'}}};
}

} // namespace zintar::test
