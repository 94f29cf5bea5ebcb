#include "core/converter/hover.h"

#include <limits>

namespace zintar {

namespace {

// A position too far out to scale in 32 bits stays at the end of the range, which is
// outside any window.
int32_t ScaleToTwips(int32_t pixels) {
    const int64_t twips = int64_t{pixels} * kPointerTwipsPerPixel;
    if (twips > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (twips < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(twips);
}

} // namespace

bool HoverState::Enter(HoverSpot spot) {
    if (lit_ == spot)
        return false;
    lit_ = spot;
    return true;
}

bool HoverState::MoveOverSurface() {
    if (lit_ == HoverSpot::None)
        return false;
    lit_ = HoverSpot::None;
    return true;
}

bool HoverState::Tick(ScreenPoint pointer, const PixelRect& window) {
    if (lit_ == HoverSpot::None)
        return false;
    pointerTwips_ = {ScaleToTwips(pointer.x), ScaleToTwips(pointer.y)};

    // The window in twips as floating-point numbers, the sums formed in floating point.
    constexpr double kScale = kPointerTwipsPerPixel;
    const double left = window.left * kScale;
    const double top = window.top * kScale;
    const double width = (static_cast<double>(window.right) - window.left) * kScale;
    const double height = (static_cast<double>(window.bottom) - window.top) * kScale;
    const double x = pointerTwips_.x, y = pointerTwips_.y;
    const bool outside = x < left || x >= left + width || y < top || y >= top + height;
    if (outside)
        lit_ = HoverSpot::None;
    return outside;
}

} // namespace zintar
