#pragma once
// The window menu (Alt+Space) carries the two languages, for keyboard users (the flags answer
// only a pointer that lit them first), the key history and the keyboard layouts. Another
// window of the program opens one of them by sending the main window that command.
#include <windows.h>

#include "core/common/language.h"

namespace zintar {

// The system keeps the low four bits of a menu command for itself.
enum class MenuCommand : UINT {
    None = 0,
    English = 0x0010,
    Hungarian = 0x0020,
    KeyHistory = 0x0030,
    KeyboardLayouts = 0x0040,
};

void AddWindowMenuItems(HWND window, Language language);
// The chosen language checked, the windows' items in that language.
void ShowWindowMenuLanguage(HWND window, Language language);
// The command of a WM_SYSCOMMAND, or None for the system's own.
MenuCommand MenuCommandOf(WPARAM wp);

} // namespace zintar
