// Still GIF89a pictures written with giflib.
#pragma once

#include "raster.h"

#include <filesystem>

namespace zintar::pictures {

// One image with the picture's palette as the global colour table (2, 4, ..., 256 entries),
// `transparentIndex` marked see-through in a graphic control block (disposal: leave in
// place, no delay), and a looping-animation block with loop count 0, which some viewers want
// even for a single frame. Throws std::runtime_error when giflib reports a failure.
void writeGif(const std::filesystem::path& file, const IndexedImage& picture, int transparentIndex);

} // namespace zintar::pictures
