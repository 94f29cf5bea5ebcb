#pragma once
// Routines shared by the maker's programs.
#include <windows.h>

namespace zintar::win32 {

using ShellExecuteAFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// Hands the home page address to the desktop shell, which opens it in the user's browser.
// The shell's answer is not examined: the program neither waits for nor learns the outcome.
void OpenHomepage(HWND window, ShellExecuteAFn shellExecute);

// The shell's ShellExecuteA, with shell32 loaded at the first call rather than at start-up:
// it is a large DLL that nothing before the first click on the link needs. Should shell32 or
// the function be missing, the answer is SE_ERR_DLLNOTFOUND and nothing is opened; the next
// call tries again.
HINSTANCE WINAPI ShellExecuteAOnFirstUse(HWND window, LPCSTR operation, LPCSTR file,
                                         LPCSTR parameters, LPCSTR directory, INT show);

} // namespace zintar::win32
