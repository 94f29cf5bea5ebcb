// Windows icon files of 32-bit images with alpha (and the one-bit mask older systems draw).
#pragma once

#include "raster.h"

#include <cstdint>
#include <span>
#include <vector>

namespace zintar::pictures {

// Every image must be square, 1 to 256 pixels; the images are stored in the order given, each
// as an uncompressed bitmap but a 256-pixel one, which is stored as a PNG.
std::vector<std::uint8_t> encodeIco32(std::span<const IconImage> images);

} // namespace zintar::pictures
