// The publisher emblem: a 16 x 16 red ball, pale pink where the light falls at the upper
// left, dark red at the lower right, its rim smoothed into a white background.
#pragma once

#include "raster.h"

namespace zintar::pictures {

inline constexpr int kEmblemSize = 16;

RgbImage emblem();

} // namespace zintar::pictures
