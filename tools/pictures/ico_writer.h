// Windows icon files of 16-colour (4 bits per pixel) images with a one-bit mask.
#pragma once

#include "raster.h"

#include <cstdint>
#include <span>
#include <vector>

namespace zintar::pictures {

// Every image must be square, at most 255 pixels, with a 16-entry palette; the images are
// stored in the order given.
std::vector<std::uint8_t> encodeIco4(std::span<const MaskedImage> images);

} // namespace zintar::pictures
