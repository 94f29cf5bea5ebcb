#pragma once
// A picture made larger or smaller for a display scale: 32-bit pixels with premultiplied
// alpha (0xAARRGGBB, rows top to bottom), resampled bilinearly so that edges stay smooth
// rather than growing steps. Premultiplied channels keep a transparent pixel's colour from
// bleeding into its neighbours.
#include <cstdint>
#include <vector>

namespace zintar {

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // width * height
};

// The source scaled to width x height; empty when a size is not positive or the source's
// pixels do not match its size.
PixelImage ScalePicture(const PixelImage& source, int width, int height);

} // namespace zintar
