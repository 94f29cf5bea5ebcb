// The highlight frames: each flag, pixel for pixel, lightened towards white, so that laid
// over its flag it makes the flag look lit.
#pragma once

#include "flag_art.h"
#include "raster.h"

namespace zintar::pictures {

// c + (255 - c) * f for every component, rounded to nearest with halves up;
// f is 1/2 for Lift::Field, 1/4 for Lift::Outline; Lift::Transparent gives white.
Rgb lighten(Rgb colour, Lift lift);

RgbImage highlightOf(const FlagImage& flag);
RgbImage highlightOf(const Flag& flag);

} // namespace zintar::pictures
