// The two language flags: 21 x 20 palette pictures, a white one-pixel margin around a
// 19 x 18 flag, the margin's corner pixels transparent so the header band shows through;
// and the same flags drawn from their geometry at any larger size.
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

// A flag as full-colour pixels, each with the lift the highlight gives it; the transparent
// corners have Lift::Transparent.
struct FlagImage {
    RgbImage colours;
    std::vector<Lift> lift; // one per pixel, row by row

    Lift liftAt(int x, int y) const { return lift[std::size_t(y) * colours.width + x]; }
};

FlagImage pixelsOf(const Flag& flag);

// Drawn for width x height pixels (at least the 21 x 20 design): the one-pixel white margin
// and the one-pixel darker edge of the flag stay hairlines, every other edge is placed on
// whole pixels of that size.
FlagImage hungarianFlagSized(int width, int height);
FlagImage englishFlagSized(int width, int height);

// The flag as the window draws it: premultiplied alpha, the transparent corners all zero.
RgbaImage alphaPictureOf(const FlagImage& flag);

} // namespace zintar::pictures
