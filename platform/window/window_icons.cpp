#include "platform/window/window_icons.h"

#include "platform/window/dpi.h"

namespace zintar::win32 {

namespace {

ScopedIcon LoadIconAt(HINSTANCE instance, int iconId, int side) noexcept {
    // Not shared: a shared icon is cached at the first size asked for.
    return ScopedIcon(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON, side, side, 0)));
}

} // namespace

bool WindowIcons::Apply(HWND window, HINSTANCE instance, int iconId, int dpi) noexcept {
    // At the system's DPI the class icons already have these sizes: loading the same again
    // would only slow the start. Once the window holds icons of another DPI, they are
    // replaced whatever the sizes.
    const int largeSide = SystemMetricAt(SM_CXICON, dpi);
    const int smallSide = SystemMetricAt(SM_CXSMICON, dpi);
    if (!large_ && !small_ && largeSide == GetSystemMetrics(SM_CXICON) &&
        smallSide == GetSystemMetrics(SM_CXSMICON))
        return true;
    ScopedIcon large = LoadIconAt(instance, iconId, largeSide);
    ScopedIcon small = LoadIconAt(instance, iconId, smallSide);
    if (!large || !small)
        return false;
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    large_ = std::move(large);
    small_ = std::move(small);
    return true;
}

} // namespace zintar::win32
