#include "highlight.h"

#include <cstdint>

namespace zintar::pictures {
namespace {

// Integer form of round-half-up(c + (255 - c) * num / den), so no floating-point
// rounding mode can change a pixel.
std::uint8_t lightenComponent(std::uint8_t c, int num, int den) {
    const int gap = 255 - c;
    return static_cast<std::uint8_t>(c + (2 * gap * num + den) / (2 * den));
}

} // namespace

Rgb lighten(Rgb colour, Lift lift) {
    if (lift == Lift::Transparent) {
        return kWhite;
    }
    const int den = lift == Lift::Field ? 2 : 4;
    return {lightenComponent(colour.r, 1, den), lightenComponent(colour.g, 1, den),
            lightenComponent(colour.b, 1, den)};
}

RgbImage highlightOf(const FlagImage& flag) {
    const RgbImage& picture = flag.colours;
    RgbImage lit(picture.width, picture.height, kWhite);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            lit.at(x, y) = lighten(picture.at(x, y), flag.liftAt(x, y));
        }
    }
    return lit;
}

RgbImage highlightOf(const Flag& flag) {
    return highlightOf(pixelsOf(flag));
}

} // namespace zintar::pictures
