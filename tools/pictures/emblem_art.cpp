#include "emblem_art.h"

#include <array>
#include <cstdint>

namespace zintar::pictures {
namespace {

// Everything is integer arithmetic on a sub-pixel grid, so the picture comes out the same
// with any compiler or floating-point setting. kSamples x kSamples samples per pixel;
// a sub-unit is half a sample step, which puts every sample at an odd coordinate.
constexpr int kSamples = 8;
constexpr int kUnitsPerPixel = 2 * kSamples;

// The ball in sub-units of a picture of `size` pixels; at 16 pixels the radius is 7 pixels
// and the light falls 5 pixels from the top-left corner.
struct Ball {
    int centre;
    int radius;
    int light; // where the light falls, on both axes; the shade darkens away from it
};

constexpr Ball ballFor(int size) {
    return {size * kUnitsPerPixel / 2, 7 * size * kUnitsPerPixel / kEmblemSize,
            5 * size * kUnitsPerPixel / kEmblemSize};
}

struct Stop {
    int percent; // of the distance from the light to the far rim of the ball
    Rgb colour;
};
constexpr std::array<Stop, 4> kShades = {{
    {0, rgb(0xFFE4E4)},
    {30, rgb(0xF26A6A)},
    {65, rgb(0xC81818)},
    {100, rgb(0x700000)},
}};

int isqrt(int n) {
    int root = 0;
    while ((root + 1) * (root + 1) <= n) {
        ++root;
    }
    return root;
}

int mix(int from, int to, int pos, int span) {
    return from + (to - from) * pos / span;
}

Rgb shadeAt(const Ball& ball, int u, int v) {
    const int du = u - ball.light;
    const int dv = v - ball.light;
    const int d = isqrt(du * du + dv * dv);
    // The light to the far rim of the ball: the darkest point.
    const int shadeSpan = ball.radius + (ball.centre - ball.light) * 1414 / 1000;
    const auto at = [shadeSpan](const Stop& stop) { return shadeSpan * stop.percent / 100; };
    for (std::size_t i = 1; i < kShades.size(); ++i) {
        if (d <= at(kShades[i])) {
            const Stop& a = kShades[i - 1];
            const Stop& b = kShades[i];
            const int pos = d - at(a);
            const int span = at(b) - at(a);
            return {static_cast<std::uint8_t>(mix(a.colour.r, b.colour.r, pos, span)),
                    static_cast<std::uint8_t>(mix(a.colour.g, b.colour.g, pos, span)),
                    static_cast<std::uint8_t>(mix(a.colour.b, b.colour.b, pos, span))};
        }
    }
    return kShades.back().colour;
}

} // namespace

RgbImage emblem(int size) {
    const Ball ball = ballFor(size);
    RgbImage picture(size, size, kWhite);
    constexpr int samples = kSamples * kSamples;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const SampleSum sum = sumSamples<kSamples>(x, y, [&](int u, int v, Rgb& c) {
                const int du = u - ball.centre;
                const int dv = v - ball.centre;
                c = du * du + dv * dv <= ball.radius * ball.radius ? shadeAt(ball, u, v) : kWhite;
                return true;
            });
            picture.at(x, y) = {static_cast<std::uint8_t>((sum.r + samples / 2) / samples),
                                static_cast<std::uint8_t>((sum.g + samples / 2) / samples),
                                static_cast<std::uint8_t>((sum.b + samples / 2) / samples)};
        }
    }
    return picture;
}

} // namespace zintar::pictures
