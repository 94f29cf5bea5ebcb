// The combination read-out is one line of fixed width; the longest names end in an ellipsis
// there, and this tooltip shows them whole. A name that fits shows no tip.
//
// The tooltip is a top-level window of its own, and most sessions never show a name too long
// for the read-out, so the start-up does not make it, nor load the common controls it comes
// from: the first name that overflows the read-out brings it. From then on the tooltip asks
// for its text each time it shows (OnNotify).
#include "ui/main_window.h"

#include <commctrl.h>

#include "platform/common_controls.h"

namespace zintar {

namespace {

constexpr int kMaxTipWidthPixels = 600;

} // namespace

// Called once the read-out has taken a name (a text it refuses changes nothing). The check
// measures the text it is handed on a memory DC: under Wine, reading the text back and
// asking for the window's DC would each cost a trip to the server on every key.
void MainWindow::OnCombinationShown(std::wstring_view name) {
    if (!tooltip_ && CombinationOverflows(name))
        CreateTooltip();
}

bool MainWindow::CombinationOverflows(std::wstring_view name) const {
    const Control id = Control::CombinationReadOut;
    RECT client{};
    GetClientRect(control(id), &client);
    win32::ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc)
        return false;
    win32::ScopedSelect font(dc.get(), Font(Design(id).font));
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), name.data(), static_cast<int>(name.size()), &extent);
    return extent.cx > client.right - client.left;
}

void MainWindow::CreateTooltip() {
    if (!EnsureCommonControls())
        return; // no tip this time; the next long name tries again
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   hwnd_, nullptr, instance_, nullptr);
    if (!tooltip)
        return;
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE; // the size every common-controls version knows
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control(Control::CombinationReadOut));
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    if (!SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
        DestroyWindow(tooltip); // a tooltip without its tool would never show: try again later
        return;
    }
    SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidthPixels);
    tooltip_ = tooltip; // owned by the window from here, destroyed with it
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (!tooltip_ || header.hwndFrom != tooltip_ || header.code != TTN_GETDISPINFOW)
        return 0;
    auto& info = *reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(&header));
    tooltipText_ = Text(Control::CombinationReadOut);
    if (!CombinationOverflows(tooltipText_))
        tooltipText_.clear();
    info.lpszText = tooltipText_.data();
    return 0;
}

} // namespace zintar
