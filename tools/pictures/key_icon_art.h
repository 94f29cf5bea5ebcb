// The window's icon: a light grey keyboard key cap seen slightly from above, in the
// 16-colour standard palette, drawn at 16 x 16 and 32 x 32.
#pragma once

#include "raster.h"

#include <vector>

namespace zintar::pictures {

// The 16 colours every Windows display can show, in their standard index order.
std::vector<Rgb> standardPalette();

// Sizes 16 and 32 only; each size is drawn by hand rather than scaled.
MaskedImage keyCapIcon(int size);

} // namespace zintar::pictures
