#include "core/pictures/picture_scale.h"

#include <algorithm>
#include <cmath>

namespace zintar {

namespace {

constexpr int kLargestSide = 4096;

uint32_t Channel(uint32_t pixel, int shift) {
    return (pixel >> shift) & 0xFFu;
}

// One source coordinate for a target pixel's centre, and its two neighbours' weight.
struct Sample {
    int low, high;
    double weight; // of high
};

Sample SampleAt(int target, int targetSize, int sourceSize) {
    const double centre = (target + 0.5) * sourceSize / targetSize - 0.5;
    const double clamped = std::clamp(centre, 0.0, static_cast<double>(sourceSize - 1));
    const int low = static_cast<int>(std::floor(clamped));
    const int high = std::min(low + 1, sourceSize - 1);
    return {low, high, clamped - low};
}

} // namespace

PixelImage ScalePicture(const PixelImage& source, int width, int height) {
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide ||
        source.width <= 0 || source.height <= 0 ||
        source.pixels.size() != static_cast<size_t>(source.width) * source.height)
        return {};
    PixelImage out{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const Sample sy = SampleAt(y, height, source.height);
        for (int x = 0; x < width; ++x) {
            const Sample sx = SampleAt(x, width, source.width);
            const auto at = [&](int col, int row) {
                return source.pixels[static_cast<size_t>(row) * source.width + col];
            };
            const uint32_t p00 = at(sx.low, sy.low), p10 = at(sx.high, sy.low);
            const uint32_t p01 = at(sx.low, sy.high), p11 = at(sx.high, sy.high);
            uint32_t result = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const double top =
                    Channel(p00, shift) * (1 - sx.weight) + Channel(p10, shift) * sx.weight;
                const double bottom =
                    Channel(p01, shift) * (1 - sx.weight) + Channel(p11, shift) * sx.weight;
                const double value = top * (1 - sy.weight) + bottom * sy.weight;
                result |= static_cast<uint32_t>(std::lround(value)) << shift;
            }
            out.pixels[static_cast<size_t>(y) * width + x] = result;
        }
    }
    return out;
}

} // namespace zintar
