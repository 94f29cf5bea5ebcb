// The flags and the home page link light up under the pointer; the core decides which spot
// is lit, this file shows it.
#include <cstdint>

#include "ui/main_window/control_ids.h"
#include "ui/main_window/main_window.h"

namespace zintar {

namespace {

constexpr uint32_t kLinkNormal = 0xE65C00; // 0xBBGGRR
constexpr uint32_t kLinkLit = 0xFF7C24;

void SetVisible(HWND control, bool visible) {
    ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

} // namespace

// Everything out first, then the lit spot; the timer restarts from a fresh period.
void MainWindow::ShowHover() {
    Label& link = ui_.labels[Index(Control::HomepageLink)];
    SetHoverTimer(false);
    SetVisible(control(Control::EnglishFlagLit), false);
    SetVisible(control(Control::HungarianFlagLit), false);
    link.SetForeColour(kLinkNormal);
    link.SetUnderline(false);
    switch (hover_.lit()) {
    case HoverSpot::EnglishFlag:
        SetVisible(control(Control::EnglishFlagLit), true);
        break;
    case HoverSpot::HungarianFlag:
        SetVisible(control(Control::HungarianFlagLit), true);
        break;
    case HoverSpot::HomepageLink:
        link.SetForeColour(kLinkLit);
        link.SetUnderline(true);
        break;
    case HoverSpot::None:
        break;
    }
    if (hover_.timerRunning())
        SetHoverTimer(true);
}

// Leaving the window raises no pointer event: the tick compares the pointer with the
// window's outer rectangle, title bar and borders included. A tick that cannot read the
// pointer decides nothing: the next one reads it again.
void MainWindow::OnHoverTimer() {
    if (!hover_.timerRunning())
        return;
    POINT pointer{};
    if (!seams_.getCursorPos(&pointer))
        return;
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    if (hover_.Tick({pointer.x, pointer.y}, {outer.left, outer.top, outer.right, outer.bottom}))
        ShowHover();
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

} // namespace zintar
