// The combination read-out is one line of fixed width; the longest names end in an ellipsis
// there, and this tooltip shows them whole. A name that fits shows no tip.
#include "ui/main_window.h"

#include <commctrl.h>

namespace zintar {

void MainWindow::CreateTooltip() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                               nullptr, instance_, nullptr);
    if (!tooltip_)
        return;
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE; // the size every common-controls version knows
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control(Control::CombinationReadOut));
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom != tooltip_ || header.code != TTN_GETDISPINFOW)
        return 0;
    auto& info = *reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(&header));
    RECT client{};
    GetClientRect(control(Control::CombinationReadOut), &client);
    tooltipText_.clear();
    if (TextExtent(Control::CombinationReadOut).cx > client.right - client.left)
        tooltipText_ = Text(Control::CombinationReadOut);
    info.lpszText = tooltipText_.data();
    return 0;
}

} // namespace zintar
