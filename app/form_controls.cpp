// Reading and writing the controls' properties by their layout names.
#include "app/control_ids.h"
#include "app/frmZintar.h"

namespace zintar {

void frmZintar::SetText(Ctl id, const std::wstring& text) {
    // An edit box raises its change event (EN_CHANGE) inside this call.
    SetWindowTextW(control(id), text.c_str());
}

std::wstring frmZintar::Text(Ctl id) const {
    HWND hwnd = control(id);
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void frmZintar::SetCaption(Ctl id, const std::wstring& text) {
    SetWindowTextW(control(id), text.c_str());
    if (Design(id).autoSize)
        FitToText(id);
    InvalidateRect(control(id), nullptr, FALSE);
}

void frmZintar::SetCaret(Ctl id, int position) {
    SendMessageW(control(id), EM_SETSEL, static_cast<WPARAM>(position), position);
}

void frmZintar::SetVisible(Ctl id, bool visible) {
    ShowWindow(control(id), visible ? SW_SHOWNA : SW_HIDE);
}

int frmZintar::Left(Ctl id) const {
    RECT r;
    GetWindowRect(control(id), &r);
    MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    return r.left * kTwipsPerPixel;
}

int frmZintar::Top(Ctl id) const {
    RECT r;
    GetWindowRect(control(id), &r);
    MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    return r.top * kTwipsPerPixel;
}

void frmZintar::SetLeft(Ctl id, int twips) {
    SetWindowPos(control(id), nullptr, TwipsToPixels(twips), TwipsToPixels(Top(id)), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmZintar::SetTop(Ctl id, int twips) {
    SetWindowPos(control(id), nullptr, TwipsToPixels(Left(id)), TwipsToPixels(twips), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmZintar::SetForeColour(Ctl id, uint32_t colour) {
    foreColour_[Index(id)] = colour;
    InvalidateRect(control(id), nullptr, FALSE);
}

void frmZintar::SetUnderline(Ctl id, bool underline) {
    underline_[Index(id)] = underline;
    InvalidateRect(control(id), nullptr, FALSE);
}

void frmZintar::SetTimerEnabled(Ctl id, bool enabled) {
    // Enabling always starts a fresh period, like a timer that was stopped and started.
    if (enabled)
        SetTimer(hwnd_, kLangTimerId, static_cast<UINT>(Design(id).intervalMs), nullptr);
    else
        KillTimer(hwnd_, kLangTimerId);
    tmrLangEnabled_ = enabled;
}

// An auto-size label takes the size of its text and keeps its left and top edges.
void frmZintar::FitToText(Ctl id) {
    const SIZE extent = TextExtent(id);
    SetWindowPos(control(id), nullptr, 0, 0, extent.cx + kAutoSizeSlackPixels,
                 extent.cy + kAutoSizeSlackPixels, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Width of the text, height of a line of the font (also for an empty text).
SIZE frmZintar::TextExtent(Ctl id) const {
    const std::wstring text = Text(id);
    win32::ScopedWindowDc dc(control(id));
    win32::ScopedSelect font(dc.get(), Font(Design(id).font));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return {extent.cx, metrics.tmHeight};
}

} // namespace zintar
