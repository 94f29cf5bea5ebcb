// The display scales the pictures are drawn for: 100 % is the committed design, and the build
// draws 125 %, 150 % and 200 % from the same geometry, each at its own pixel size.
#pragma once

#include <array>

namespace zintar::pictures {

inline constexpr int kDesignDpi = 96;
inline constexpr std::array<int, 3> kLargerDpis = {120, 144, 192};

// A side of `side` pixels at 96 dpi, at `dpi`, halves rounded up: the window rounds its
// twips the same way, so a picture fills its control exactly.
constexpr int scaledSide(int side, int dpi) {
    return (side * dpi * 2 + kDesignDpi) / (2 * kDesignDpi);
}

} // namespace zintar::pictures
