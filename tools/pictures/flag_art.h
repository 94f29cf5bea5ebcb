// The two language flags: 21 x 20 palette pictures, a white one-pixel margin around a
// 19 x 18 flag, the margin's corner pixels transparent so the header band shows through.
#pragma once

#include "raster.h"

#include <vector>

namespace zintar::pictures {

// How far the highlight frame moves a palette colour towards white: fills of bands and
// fields by a half, the darker outline and edge tones by a quarter, so the outline still
// reads on the lit flag. The transparent entry turns white, as bitmaps have no transparency.
enum class Lift { Field, Outline, Transparent };

struct Flag {
    IndexedImage picture;
    std::vector<Lift> lift; // one per palette entry
    int transparentIndex;
};

inline constexpr int kFlagPictureWidth = 21;
inline constexpr int kFlagPictureHeight = 20;

Flag hungarianFlag();
Flag englishFlag(); // the Union Flag

} // namespace zintar::pictures
