#pragma once
// Points, sizes and rectangles in the units the rules work in.
#include <cstdint>

namespace zintar {

// A position as the platform reports it, in screen pixels.
struct ScreenPoint {
    int32_t x = 0, y = 0;
};
// A point in twips (1/1440 inch).
struct TwipsPoint {
    int32_t x = 0, y = 0;
};
struct PixelSize {
    int32_t cx = 0, cy = 0;
};
// A rectangle in screen pixels, right and bottom exclusive.
struct PixelRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    constexpr int32_t width() const { return right - left; }
    constexpr int32_t height() const { return bottom - top; }
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

} // namespace zintar
