#include "ui/main_window/tooltip.h"

#include <commctrl.h>

#include "platform/controls/common_controls.h"

namespace zintar {

namespace {

constexpr int kMaxTipWidthPixels = 600;

} // namespace

void CombinationTooltip::OnShown(const Label& readOut, HWND owner, HINSTANCE instance) {
    if (!tooltip_ && Overflows(readOut))
        Create(readOut, owner, instance);
}

bool CombinationTooltip::Overflows(const Label& readOut) {
    RECT client{};
    GetClientRect(readOut.hwnd(), &client);
    return readOut.TextExtent(readOut.text()).cx > client.right - client.left;
}

void CombinationTooltip::Create(const Label& readOut, HWND owner, HINSTANCE instance) {
    if (!win32::EnsureCommonControls())
        return; // no tip this time; the next long name tries again
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   owner, nullptr, instance, nullptr);
    if (!tooltip)
        return;
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE; // the size every common-controls version knows
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(readOut.hwnd());
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    if (!SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
        DestroyWindow(tooltip); // a tooltip without its tool would never show: try again later
        return;
    }
    SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidthPixels);
    tooltip_ = tooltip;
}

LRESULT CombinationTooltip::OnNotify(const Label& readOut, const NMHDR& header) {
    if (!tooltip_ || header.hwndFrom != tooltip_ || header.code != TTN_GETDISPINFOW)
        return 0;
    auto& info = *reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(&header));
    text_ = Overflows(readOut) ? readOut.text() : std::wstring();
    info.lpszText = text_.data();
    return 0;
}

} // namespace zintar
