#pragma once
// The key history window's two popup menus: the list's commands with its "Copy as code"
// submenu, and the header's check per column. The chosen item comes back to the owner as
// WM_COMMAND with its identifier (ui/key_history/history_command.h).
#include <windows.h>

#include "core/key_history/key_history_text.h"
#include "core/common/language.h"

namespace zintar {

struct ListMenuState {
    bool hasRows;
    bool hasSelection;
    bool hasKey; // a key row for copy as code
};

void ShowListMenu(HWND owner, POINT at, Language language, ListMenuState state);
void ShowColumnMenu(HWND owner, POINT at, Language language, ColumnSet shown);

} // namespace zintar
