// The flags and the home page link light up under the pointer; the core decides which spot
// is lit, this file shows it.
#include <cstdint>

#include "ui/main_window.h"

namespace zintar {

namespace {

constexpr uint32_t kLinkNormal = 0xE65C00; // 0xBBGGRR
constexpr uint32_t kLinkLit = 0xFF7C24;

} // namespace

// Everything out first, then the lit spot; the timer restarts from a fresh period.
void MainWindow::ShowHover() {
    SetHoverTimer(false);
    SetVisible(Control::EnglishFlagLit, false);
    SetVisible(Control::HungarianFlagLit, false);
    SetForeColour(Control::HomepageLink, kLinkNormal);
    SetUnderline(Control::HomepageLink, false);
    switch (hover_.lit()) {
    case HoverSpot::EnglishFlag:
        SetVisible(Control::EnglishFlagLit, true);
        break;
    case HoverSpot::HungarianFlag:
        SetVisible(Control::HungarianFlagLit, true);
        break;
    case HoverSpot::HomepageLink:
        SetForeColour(Control::HomepageLink, kLinkLit);
        SetUnderline(Control::HomepageLink, true);
        break;
    case HoverSpot::None:
        break;
    }
    if (hover_.timerRunning())
        SetHoverTimer(true);
}

void MainWindow::OnPointerEnters(HoverSpot spot) {
    if (hover_.Enter(spot))
        ShowHover();
}

void MainWindow::OnPointerOverSurface() {
    if (hover_.MoveOverSurface())
        ShowHover();
}

// Leaving the window raises no pointer event: the tick compares the pointer with the
// window's outer rectangle, title bar and borders included.
void MainWindow::OnHoverTimer() {
    if (!hover_.timerRunning())
        return;
    // A failed call leaves the point as it was: the position of the last tick.
    const PixelPoint last = hover_.lastPointerTwips();
    POINT pointer{last.x, last.y};
    seams_.getCursorPos(&pointer); // its result is not examined
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    if (hover_.Tick({pointer.x, pointer.y}, {outer.left, outer.top, outer.right, outer.bottom}))
        ShowHover();
}

} // namespace zintar
