// Windows icon files of 32-bit images with alpha (and the one-bit mask older systems draw).
#pragma once

#include "raster.h"

#include <cstdint>
#include <span>
#include <vector>

namespace zintar::pictures {

// Every image must be square, 1 to 256 pixels; the images are stored in the order given, each
// as an uncompressed bitmap, which Windows takes at every size (Vista and later also at 256).
std::vector<std::uint8_t> encodeIco32(std::span<const IconImage> images);

} // namespace zintar::pictures
