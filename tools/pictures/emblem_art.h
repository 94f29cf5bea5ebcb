// The publisher emblem: a 16 x 16 red ball (at 100 %), pale pink where the light falls at the upper
// left, dark red at the lower right, its rim smoothed into a white background.
#pragma once

#include "raster.h"

namespace zintar::pictures {

inline constexpr int kEmblemSize = 16;

// Drawn for size x size pixels from the same geometry: the ball's radius and light stay
// where they are in the 16-pixel design, the samples land on the new pixel grid.
RgbImage emblem(int size = kEmblemSize);

} // namespace zintar::pictures
