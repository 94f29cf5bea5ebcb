// Uncompressed 24-bit and 32-bit Windows bitmap files.
#pragma once

#include "raster.h"

#include <cstdint>
#include <vector>

namespace zintar::pictures {

// Bottom-up rows, as the bitmap format expects by default; blue, green, red per pixel.
std::vector<std::uint8_t> encodeBmp24(const RgbImage& picture);

// Blue, green, red, alpha per pixel, written as they are (so premultiplied stays
// premultiplied), with the plain info header that resource compilers and LoadImage take;
// the fourth byte is the alpha that AlphaBlend reads.
std::vector<std::uint8_t> encodeBmp32(const RgbaImage& picture);

} // namespace zintar::pictures
