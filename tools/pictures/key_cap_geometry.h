// The key cap drawn from its geometry at any size from 20 pixels up.
#pragma once

#include "raster.h"

namespace zintar::pictures {

// The 32-pixel design's outline, faces and (from 40 pixels) its letters k, e, y, placed at
// size / 32 of their design position: straight edges on whole pixels, lines as many whole
// pixels wide as size / 32 rounds to, diagonals and letters smoothed by 4 x 4 samples a pixel.
IconImage drawnKeyCap(int size);

} // namespace zintar::pictures
