#pragma once
// Routines shared by the maker's programs.
#include <windows.h>

namespace zintar {

using ShellExecuteAFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// Hands the home page address to the desktop shell, which opens it in the user's browser.
// The shell's answer is not examined: the program neither waits for nor learns the outcome.
void OpenHomepage(HWND window, ShellExecuteAFn shellExecute);

} // namespace zintar
