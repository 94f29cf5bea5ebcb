// Reading and writing the controls' properties by their layout names.
#include "ui/control_ids.h"
#include "ui/main_window.h"

namespace zintar {

void MainWindow::SetText(Control id, const std::wstring& text) {
    // Known before the write: the change notice that an edit box raises inside this call,
    // and the box's own check of the text, recognise it as the window's. A window text ends
    // at its first NUL (the character of code 0), so that is what is known.
    knownText_[Index(id)] = text.c_str();
    SetWindowTextW(control(id), text.c_str());
}

std::wstring MainWindow::Text(Control id) const {
    HWND hwnd = control(id);
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void MainWindow::SetCaption(Control id, const std::wstring& text) {
    knownText_[Index(id)] = text.c_str();
    SetWindowTextW(control(id), text.c_str());
    if (Design(id).autoSize)
        FitToText(id);
    InvalidateRect(control(id), nullptr, FALSE);
}

void MainWindow::SetCaret(Control id, int position) {
    SendMessageW(control(id), EM_SETSEL, static_cast<WPARAM>(position), position);
}

void MainWindow::SetVisible(Control id, bool visible) {
    ShowWindow(control(id), visible ? SW_SHOWNA : SW_HIDE);
}

int MainWindow::Left(Control id) const {
    RECT r;
    GetWindowRect(control(id), &r);
    MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    return r.left * kTwipsPerPixel;
}

int MainWindow::Top(Control id) const {
    RECT r;
    GetWindowRect(control(id), &r);
    MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    return r.top * kTwipsPerPixel;
}

void MainWindow::MoveTo(Control id, int leftTwips, int topTwips) {
    SetWindowPos(control(id), nullptr, TwipsToPixels(leftTwips), TwipsToPixels(topTwips), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetForeColour(Control id, uint32_t colour) {
    foreColour_[Index(id)] = colour;
    InvalidateRect(control(id), nullptr, FALSE);
}

void MainWindow::SetUnderline(Control id, bool underline) {
    underline_[Index(id)] = underline;
    InvalidateRect(control(id), nullptr, FALSE);
}

void MainWindow::SetHoverTimer(bool running) {
    // Starting always begins a fresh period, like a timer that was stopped and started.
    if (running)
        SetTimer(hwnd_, kHoverTimerId, static_cast<UINT>(Design(Control::HoverTimer).intervalMs),
                 nullptr);
    else
        KillTimer(hwnd_, kHoverTimerId);
    hoverTimerRunning_ = running;
}

// An auto-size label takes the size of its text and keeps its left and top edges.
void MainWindow::FitToText(Control id) {
    const SIZE extent = TextExtent(id);
    SetWindowPos(control(id), nullptr, 0, 0, extent.cx + kAutoSizeSlackPixels,
                 extent.cy + kAutoSizeSlackPixels, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Width of the text, height of a line of the font (also for an empty text).
SIZE MainWindow::TextExtent(Control id) const {
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
