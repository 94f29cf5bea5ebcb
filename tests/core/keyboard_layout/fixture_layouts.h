#pragma once
// The test layouts (tests/layouts/*.layout) as tables, read once per test program.
#include <string_view>

#include "core/keyboard_layout/layout_tables.h"

namespace zintar::test {

// "us", "hungarian", "german", "french"; a description that cannot be read fails the test
// that asked for it and gives empty tables.
const KeyboardLayoutTables& FixtureLayout(std::string_view name);

} // namespace zintar::test
