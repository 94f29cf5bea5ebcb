#pragma once
// The key history window's two popup menus: the list's commands with its "Copy as code"
// submenu, and the header's check per column. The chosen item comes back to the owner as
// WM_COMMAND with its identifier (ui/key_history/history_command.h).
#include <windows.h>

#include "core/key_history/key_history_text.h"
#include "core/common/language.h"
#include "core/key_state/key_times.h"

namespace zintar {

struct ListMenuState {
    bool hasRows;
    bool hasSelection;
    bool hasKey; // a key row for copy as code
    ChatterThreshold chatter;
};

void ShowListMenu(HWND owner, POINT at, Language language, ListMenuState state);
void ShowColumnMenu(HWND owner, POINT at, Language language, ColumnSet shown);

// The submenu of chatter thresholds at the end of `menu`, the current one checked; false
// when the system refused it.
bool AppendChatterMenu(HMENU menu, Language language, ChatterThreshold current);

} // namespace zintar
