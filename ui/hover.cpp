// The flags and the home page link light up under the pointer. Leaving the window raises
// no mouse event, so while something is lit a timer polls the pointer.
#include <cstdint>

#include "app/frmZintar.h"

namespace zintar {

namespace {

constexpr short kHoverNone = 0, kHoverEnglish = 1, kHoverHungarian = 2, kHoverLink = 3;
constexpr uint32_t kLinkNormal = 0xE65C00;
constexpr uint32_t kLinkLit = 0xFF7C24;
constexpr int32_t kPointerTwipsPerPixel = 15; // fixed, whatever the screen's real ratio

// Screen pixels to twips in 32 bits; a position too far out to scale stays at the end of
// the range, which is outside any window.
int32_t ScaleToTwips(LONG pixels) {
    const int64_t twips = static_cast<int64_t>(pixels) * kPointerTwipsPerPixel;
    if (twips > INT32_MAX)
        return INT32_MAX;
    if (twips < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(twips);
}

} // namespace

void frmZintar::ResetHover() {
    iHover = kHoverNone;
    SetTimerEnabled(Ctl::tmrLang, false);
    SetVisible(Ctl::imgLangEng_hl, false);
    SetVisible(Ctl::imgLangHUN_hl, false);
    SetForeColour(Ctl::lblHomepage, kLinkNormal);
    SetUnderline(Ctl::lblHomepage, false);
}

void frmZintar::EnterHoverSpot(short spot) {
    if (iHover == spot)
        return;
    ResetHover();
    iHover = spot;
    switch (spot) {
    case kHoverEnglish:
        SetVisible(Ctl::imgLangEng_hl, true);
        break;
    case kHoverHungarian:
        SetVisible(Ctl::imgLangHUN_hl, true);
        break;
    case kHoverLink:
        SetForeColour(Ctl::lblHomepage, kLinkLit);
        SetUnderline(Ctl::lblHomepage, true);
        break;
    }
    // ResetHover stopped the timer, so this starts a fresh 100 ms period.
    SetTimerEnabled(Ctl::tmrLang, true);
}

void frmZintar::imgLangEng_MouseMove() {
    EnterHoverSpot(kHoverEnglish);
}
void frmZintar::imgLangHUN_MouseMove() {
    EnterHoverSpot(kHoverHungarian);
}
void frmZintar::lblHomepage_MouseMove() {
    EnterHoverSpot(kHoverLink);
}

void frmZintar::Form_MouseMove() {
    if (iHover != kHoverNone)
        ResetHover();
}

void frmZintar::tmrLang_Timer() {
    if (iHover <= kHoverNone)
        return;
    platform_.getCursorPos(&ptCursor); // its result is not examined
    ptCursor.x = ScaleToTwips(ptCursor.x);
    ptCursor.y = ScaleToTwips(ptCursor.y);

    // The window's outer rectangle, title bar and borders included, in twips.
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    const double left = outer.left * double{kTwipsPerPixel};
    const double top = outer.top * double{kTwipsPerPixel};
    const double width = (outer.right - outer.left) * double{kTwipsPerPixel};
    const double height = (outer.bottom - outer.top) * double{kTwipsPerPixel};

    // Half-open: the left and top edges are inside, the right and bottom ones outside.
    const double x = ptCursor.x, y = ptCursor.y;
    const bool outside = x < left || x >= left + width || y < top || y >= top + height;
    if (outside)
        ResetHover();
}

} // namespace zintar
