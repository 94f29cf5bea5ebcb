#pragma once
// What the key details pane shows a key typing, read from the active layout's own tables
// rather than asked of ToUnicodeEx: every state, AltGr included, and every composition of
// each dead state, without touching the keyboard state.
#include <cstdint>

#include "core/key_history/key_details.h"
#include "core/keyboard_layout/layout_tables.h"

namespace zintar {

// The key as its message reported it: the scan code and extended flag name the physical key,
// whose virtual key on the layout decides what it types; the reported virtual key stands in
// where the layout gives that place none.
TypedFacts TypedFactsOfLayout(const KeyboardLayoutTables& layout, uint8_t scanCode, bool extended,
                              uint8_t virtualKey);

} // namespace zintar
