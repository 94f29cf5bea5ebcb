#include "platform/dpi.h"

#include "platform/scoped_handles.h"

namespace win32 {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// user32 is loaded with the program; only the function is looked up, once.
GetDpiForWindowFunction GetDpiForWindowOfSystem() noexcept {
    static const GetDpiForWindowFunction function = [] {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return user32 ? reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
                            GetProcAddress(user32, "GetDpiForWindow")))
                      : nullptr;
    }();
    return function;
}

int ScreenDpi() noexcept {
    const ScopedWindowDc screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kDefaultDpi;
}

} // namespace

int WindowDpi(HWND window) noexcept {
    if (const GetDpiForWindowFunction function = GetDpiForWindowOfSystem(); function && window)
        if (const UINT dpi = function(window); dpi > 0)
            return static_cast<int>(dpi);
    return ScreenDpi();
}

} // namespace win32
