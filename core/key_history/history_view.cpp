#include "core/key_history/history_view.h"

#include <algorithm>

namespace zintar {

namespace {

// A span of length `length` placed at `start`, moved (never resized) to lie inside
// [low, high); a span longer than the room starts at low.
int32_t Inside(int32_t start, int32_t length, int32_t low, int32_t high) {
    return std::max(low, std::min(start, high - length));
}

} // namespace

PixelRect PlaceKeyHistory(const PixelRect& owner, const PixelRect& work, PixelSize preferred,
                          PixelSize minimum) {
    const int32_t workWidth = std::max(0, work.width());
    const int32_t workHeight = std::max(0, work.height());
    const int32_t roomRight = work.right - owner.right;
    const int32_t roomLeft = owner.left - work.left;
    const int32_t roomBelow = work.bottom - owner.bottom;
    const int32_t roomAbove = owner.top - work.top;
    const int32_t wide = std::clamp(preferred.cx, 0, workWidth);

    // Beside: the owner's top, at least the owner's height.
    const int32_t besideHeight = std::clamp(std::max(preferred.cy, owner.height()), 0, workHeight);
    const int32_t besideTop = Inside(owner.top, besideHeight, work.top, work.bottom);
    if (roomRight >= minimum.cx || roomLeft >= minimum.cx) {
        const bool right = roomRight >= minimum.cx;
        const int32_t width = std::min(wide, right ? roomRight : roomLeft);
        const int32_t left = right ? owner.right : owner.left - width;
        return {left, besideTop, left + width, besideTop + besideHeight};
    }

    // Below or above: under the owner's left edge, as wide as preferred.
    const int32_t left = Inside(owner.left, wide, work.left, work.right);
    if (roomBelow >= minimum.cy || roomAbove >= minimum.cy) {
        const bool below = roomBelow >= minimum.cy;
        const int32_t height = std::min(preferred.cy, below ? roomBelow : roomAbove);
        const int32_t top = below ? owner.bottom : owner.top - height;
        return {left, top, left + wide, top + height};
    }

    // Over the owner, against the freer side, so that most of the owner stays in view.
    const int32_t width = std::clamp(std::max(minimum.cx, wide), 0, workWidth);
    const int32_t overLeft = roomRight >= roomLeft ? work.right - width : work.left;
    return {overLeft, besideTop, overLeft + width, besideTop + besideHeight};
}

} // namespace zintar
