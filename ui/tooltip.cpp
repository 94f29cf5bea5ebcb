// The combination read-out is one line of fixed width; the longest names end in an ellipsis
// there, and this tooltip shows them whole. A name that fits shows no tip.
//
// The tooltip is a top-level window of its own, and most sessions never show a name too long
// for the read-out, so the start-up does not make it: the read-out is watched instead, and
// the first name that overflows it brings the tooltip. From then on the tooltip asks for its
// text each time it shows (OnNotify), and the watch is gone.
#include "ui/main_window.h"

#include <commctrl.h>

namespace zintar {

namespace {

constexpr UINT_PTR kLongNameWatchTag = 1; // the callback alone tells this subclass apart
constexpr int kMaxTipWidthPixels = 600;

} // namespace

void MainWindow::WatchForLongNames() {
    SetWindowSubclass(control(Control::CombinationReadOut), &LongNameWatch, kLongNameWatchTag,
                      reinterpret_cast<DWORD_PTR>(this));
}

// Sits in front of the read-out's own handling: the text is checked once the read-out has
// taken it (a text it refuses changes nothing). The check measures the text it is handed on
// a memory DC: under Wine, reading the text back through the control's subclassing and
// asking for the window's DC would each cost a trip to the server on every key.
LRESULT CALLBACK MainWindow::LongNameWatch(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR tag,
                                           DWORD_PTR owner) {
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &LongNameWatch, tag);
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    const LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
    if (msg != WM_SETTEXT || !result || !lp)
        return result;
    auto* window = reinterpret_cast<MainWindow*>(owner);
    if (!window->tooltip_ && window->CombinationOverflows(reinterpret_cast<const wchar_t*>(lp)))
        window->CreateTooltip();
    if (window->tooltip_)
        RemoveWindowSubclass(hwnd, &LongNameWatch, tag);
    return result;
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
