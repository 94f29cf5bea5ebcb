// Uncompressed 24-bit Windows bitmap files.
#pragma once

#include "raster.h"

#include <cstdint>
#include <vector>

namespace zintar::pictures {

// Bottom-up rows, as the bitmap format expects by default; blue, green, red per pixel.
std::vector<std::uint8_t> encodeBmp24(const RgbImage& picture);

} // namespace zintar::pictures
