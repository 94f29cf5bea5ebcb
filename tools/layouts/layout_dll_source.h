#pragma once
// The C source of a keyboard layout DLL whose KbdLayerDescriptor returns these tables, in the
// shape Windows' own layout DLLs have: one character table per row width, a Caps Lock row
// after an SGCAPS key's row, a dead key's accents on a row of their own after the row that
// holds the dead key, rows ended by an empty row.
#include <string>

#include "core/keyboard_layout/layout_tables.h"

namespace zintar {

struct LayoutDllSource {
    std::string source;
    std::string error; // a table these rows cannot express; empty when the source was written
};

// headerName: the file that declares the structure (tools/layouts/kbd_tables.h).
LayoutDllSource WriteLayoutDllSource(const KeyboardLayoutTables& tables,
                                     const std::string& headerName);

} // namespace zintar
