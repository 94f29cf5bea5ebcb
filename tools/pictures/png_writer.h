// PNG files of 8-bit RGBA pictures, compressed by a small deflate of this tool's own: the
// icon's 256-pixel image is mostly long runs of one colour and rows like the one above, and
// stored as a PNG it takes a few kilobytes of the exe instead of a quarter of a megabyte.
#pragma once

#include "raster.h"

#include <cstdint>
#include <vector>

namespace zintar::pictures {

// Unfiltered rows, one fixed-code deflate block whose copies reach back one pixel or one row.
std::vector<std::uint8_t> encodePng(const IconImage& picture);

} // namespace zintar::pictures
