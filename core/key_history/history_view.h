#pragma once
// Where the key history window opens (the rows of its list are core/key_history/key_rows.h).
#include <cstdint>

#include "core/common/geometry.h"

namespace zintar {

// Where the window opens, in screen pixels: beside the owner where the work area leaves room
// for the minimum width (right, else left), as wide and as high as preferred within that room
// and at least as high as the owner; otherwise below the owner (else above) where the minimum
// height fits, as wide as preferred; otherwise over the owner against the side of the work
// area with the more room, at least the minimum width. Always inside the work area.
PixelRect PlaceKeyHistory(const PixelRect& owner, const PixelRect& workArea, PixelSize preferred,
                          PixelSize minimum);

} // namespace zintar
