#pragma once
// The test layouts (tests/layouts/*.layout) as tables, read once per test program.
#include <string_view>

#include "core/keyboard_layout/layout_tables.h"

namespace zintar::test {

// "us", "hungarian", "german", "french"; a description that cannot be read fails the test
// that asked for it and gives empty tables.
const KeyboardLayoutTables& FixtureLayout(std::string_view name);

// Tables for keys made by hand, with the usual modifiers: Shift, Ctrl and Alt, whose
// modifications are 0 plain, 1 Shift, 2 Ctrl, 3 AltGr (Ctrl+Alt) and 4 Shift+AltGr.
KeyboardLayoutTables LayoutWithUsualModifiers();

// Swiss German's ü key (VK_OEM_1): Shift gives è, AltGr [, and Caps Lock a row of its own
// with Ü and È (SGCAPS).
KeyCharacters SwissGermanUKey();

} // namespace zintar::test
