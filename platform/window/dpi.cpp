#include "platform/window/dpi.h"

#include "platform/window/scoped_handles.h"

namespace zintar::win32 {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

// user32 is loaded with the program; only the function is looked up.
template <typename Function> Function User32Function(const char* name) noexcept {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
               : nullptr;
}

GetDpiForWindowFunction GetDpiForWindowOfSystem() noexcept {
    static const auto function = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    return function;
}

GetSystemMetricsForDpiFunction GetSystemMetricsForDpiOfSystem() noexcept {
    static const auto function =
        User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    return function;
}

int ScreenDpi() noexcept {
    const ScopedWindowDc screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kDefaultDpi;
}

} // namespace

int SystemMetricAt(int index, int dpi) noexcept {
    if (const GetSystemMetricsForDpiFunction function = GetSystemMetricsForDpiOfSystem();
        function && dpi > 0)
        if (const int metric = function(index, static_cast<UINT>(dpi)); metric > 0)
            return metric;
    // Without it the metrics are those of the system DPI, the screen's.
    return MulDiv(GetSystemMetrics(index), dpi > 0 ? dpi : kDefaultDpi, ScreenDpi());
}

int WindowDpi(HWND window) noexcept {
    if (const GetDpiForWindowFunction function = GetDpiForWindowOfSystem(); function && window)
        if (const UINT dpi = function(window); dpi > 0)
            return static_cast<int>(dpi);
    return ScreenDpi();
}

} // namespace zintar::win32
