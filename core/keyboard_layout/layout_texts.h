#pragma once
// How what a layout types is written in a cell and in copied text: control characters in
// caret notation, the space by name, a dead key's accent marked as dead; and the
// tab-separated lines that the layout tables are copied as.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/language.h"
#include "core/keyboard_layout/layout_typing.h"

namespace zintar {

// "a", "^A" for U+0001, "space" ("szóköz"), "´ (dead)" ("´ (holt)"), "" for nothing.
std::wstring TypedCellText(const Typed& typed, Language language);

// The cells joined by tabs; a tab or line break inside a cell becomes a space, so a cell can
// never split the line.
std::wstring TabbedLine(std::span<const std::wstring> cells);

// A title line and one line per row, each ended by CR LF, as the clipboard takes text.
std::wstring TabbedTable(std::span<const std::wstring> titles,
                         std::span<const std::vector<std::wstring>> rows);

} // namespace zintar
