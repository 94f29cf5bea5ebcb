// Still GIF pictures read with giflib, and their conversion into premultiplied alpha.
#pragma once

#include "raster.h"

#include <filesystem>

namespace zintar::pictures {

inline constexpr int kNoTransparency = -1;

struct StillGif {
    IndexedImage picture; // the palette in use: the image's own, else the global one
    int transparentIndex; // kNoTransparency when the graphic control block marks none
};

// Takes exactly one image that covers the whole logical screen, every pixel inside the
// palette and at most kLargestGifSide pixels a side. Throws std::runtime_error naming the
// fault for anything else, so a damaged source never turns into a quietly wrong picture.
inline constexpr int kLargestGifSide = 4096;
StillGif readStillGif(const std::filesystem::path& file);

// The transparent index becomes alpha 0 (and so, premultiplied, all zero); every other
// pixel is its palette colour with alpha 255.
RgbaImage premultipliedAlpha(const StillGif& gif);

} // namespace zintar::pictures
