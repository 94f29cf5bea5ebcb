#pragma once
// The DPI a window is shown at. Windows 10 (1607) tells each window its own through
// GetDpiForWindow; the program is built for Windows 7 too, where that function is missing,
// so it is looked up in user32 at run time and the screen's LOGPIXELSY stands in for it.
#include <windows.h>

namespace zintar::win32 {

constexpr int kDefaultDpi = 96;

// The window's DPI; the screen's where the system cannot tell a window's own, 96 when even
// that cannot be read.
int WindowDpi(HWND window) noexcept;

// A system metric (SM_CXICON, SM_CXSMICON, ...) at the DPI: GetSystemMetricsForDpi where the
// system has it (Windows 10 1607), otherwise the metric of the system DPI scaled to it.
int SystemMetricAt(int index, int dpi) noexcept;

} // namespace zintar::win32
