#pragma once
// WM_DPICHANGED, the one way both windows take it: what holds pixels is made again for the
// new DPI, and the window moves to the rectangle the system suggests, which keeps it where
// the user put it at the new scale.
#include <windows.h>

#include <functional>

namespace zintar {

// Calls `scale` with the message's new DPI, then moves the window to its suggested rectangle:
// in that order, so that the WM_SIZE of the move lays the window out at the new DPI. A stray
// message without a rectangle or a DPI (the system always gives both; another program may
// not) changes nothing. True when the window took the new DPI.
bool TakeDpiChange(HWND window, WPARAM wp, LPARAM lp, const std::function<void(int dpi)>& scale);

} // namespace zintar
