// The window's icon: a light grey keyboard key cap seen slightly from above, in the colours
// of the 16-colour standard palette, at the eight sizes Windows asks for across the display
// scales.
#pragma once

#include "raster.h"

#include <array>
#include <vector>

namespace zintar::pictures {

// The 16 colours every Windows display can show, in their standard index order.
std::vector<Rgb> standardPalette();

inline constexpr std::array<int, 8> kIconSizes = {16, 20, 24, 32, 40, 48, 64, 256};

// 16 and 32 pixels are placed by hand, pixel by pixel, with a one-bit mask.
MaskedImage keyCapIcon(int size);

// Any size of kIconSizes: the hand-placed ones as they are, the others drawn from the
// 32-pixel design's geometry with edges on whole pixels and smoothed diagonals.
IconImage keyCapImage(int size);

} // namespace zintar::pictures
