#include "ui/common/dpi_change.h"

namespace zintar {

bool TakeDpiChange(HWND window, WPARAM wp, LPARAM lp, const std::function<void(int dpi)>& scale) {
    const int dpi = HIWORD(wp);
    if (!lp || dpi <= 0)
        return false;
    scale(dpi);
    const RECT& suggested = *reinterpret_cast<const RECT*>(lp);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

} // namespace zintar
