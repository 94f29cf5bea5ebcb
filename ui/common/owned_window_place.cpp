#include "ui/common/owned_window_place.h"

#include "core/key_history/history_view.h"

namespace zintar {

namespace {

PixelRect PixelRectOf(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

void PlaceBesideOwner(HWND window, HWND owner, PixelSize preferred, PixelSize minimum) {
    RECT ownerRect{};
    GetWindowRect(owner, &ownerRect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    const PixelRect place =
        PlaceKeyHistory(PixelRectOf(ownerRect), PixelRectOf(monitor.rcWork), preferred, minimum);
    SetWindowPos(window, nullptr, place.left, place.top, place.width(), place.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace zintar
