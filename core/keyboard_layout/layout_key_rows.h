#pragma once
// The rows of a layout's key table, one per physical key that gives a virtual key: scan code
// ("E0 1C"), the virtual key's constant, the DOM code, what the key types in each state, what
// its dead keys compose and the name Windows gives the key; the column titles of both
// languages and the table as tab-separated text.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/language.h"
#include "core/keyboard_layout/layout_tables.h"
#include "core/keyboard_layout/layout_typing.h"

namespace zintar {

struct LayoutKeyRow {
    KeyPlace place;
    uint8_t virtualKey = 0;
    std::array<Typed, kTypingStateCount> typed; // in the order of TypingState
    std::wstring name;
};

// Keys without prefix in scan-code order, then those with E0, then E1.
std::vector<LayoutKeyRow> LayoutKeyRows(const KeyboardLayoutTables& layout);

// The row of one physical key, for a key drawn on the keyboard picture; the virtual key is 0
// where the layout gives the key none.
LayoutKeyRow LayoutKeyRowAt(const KeyboardLayoutTables& layout, KeyPlace place);

enum class LayoutKeyColumn : uint8_t {
    ScanCode,
    VirtualKey,
    DomCode,
    Plain, // then one column per TypingState, in its order
    Shift,
    Ctrl,
    AltGr,
    ShiftAltGr,
    CapsLock,
    DeadKeys,
    KeyName,
};
inline constexpr int kLayoutKeyColumnCount = static_cast<int>(LayoutKeyColumn::KeyName) + 1;

// The text of one cell. DeadKeys lists, per accent the key has, what it composes:
// "´: a→á e→é; ˝: o→ő".
std::wstring LayoutKeyCellText(const KeyboardLayoutTables& layout, const LayoutKeyRow& row,
                               LayoutKeyColumn column, Language language);

// The rows under a title line, tab-separated, as the clipboard takes them.
std::wstring LayoutKeysCopyText(const KeyboardLayoutTables& layout,
                                std::span<const LayoutKeyRow> rows, Language language);

} // namespace zintar
