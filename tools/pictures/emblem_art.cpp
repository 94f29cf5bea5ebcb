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

constexpr int kCentre = kEmblemSize * kUnitsPerPixel / 2;
constexpr int kRadius = 7 * kUnitsPerPixel;
// Where the light falls; the shade darkens with the distance from it.
constexpr int kLightX = 5 * kUnitsPerPixel;
constexpr int kLightY = 5 * kUnitsPerPixel;
// Distance from the light to the far rim of the ball: the darkest point.
constexpr int kShadeSpan = kRadius + (kCentre - kLightX) * 1414 / 1000;

struct Stop {
    int at; // distance from the light, sub-units
    Rgb colour;
};
constexpr std::array<Stop, 4> kShades = {{
    {0, rgb(0xFFE4E4)},
    {kShadeSpan * 30 / 100, rgb(0xF26A6A)},
    {kShadeSpan * 65 / 100, rgb(0xC81818)},
    {kShadeSpan, rgb(0x700000)},
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

Rgb shadeAt(int u, int v) {
    const int du = u - kLightX;
    const int dv = v - kLightY;
    const int d = isqrt(du * du + dv * dv);
    for (std::size_t i = 1; i < kShades.size(); ++i) {
        if (d <= kShades[i].at) {
            const Stop& a = kShades[i - 1];
            const Stop& b = kShades[i];
            const int pos = d - a.at;
            const int span = b.at - a.at;
            return {static_cast<std::uint8_t>(mix(a.colour.r, b.colour.r, pos, span)),
                    static_cast<std::uint8_t>(mix(a.colour.g, b.colour.g, pos, span)),
                    static_cast<std::uint8_t>(mix(a.colour.b, b.colour.b, pos, span))};
        }
    }
    return kShades.back().colour;
}

} // namespace

RgbImage emblem() {
    RgbImage picture(kEmblemSize, kEmblemSize, kWhite);
    constexpr int samples = kSamples * kSamples;
    for (int y = 0; y < kEmblemSize; ++y) {
        for (int x = 0; x < kEmblemSize; ++x) {
            int r = 0;
            int g = 0;
            int b = 0;
            for (int j = 0; j < kSamples; ++j) {
                for (int i = 0; i < kSamples; ++i) {
                    const int u = x * kUnitsPerPixel + 2 * i + 1;
                    const int v = y * kUnitsPerPixel + 2 * j + 1;
                    const int du = u - kCentre;
                    const int dv = v - kCentre;
                    const Rgb c = du * du + dv * dv <= kRadius * kRadius ? shadeAt(u, v) : kWhite;
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            }
            picture.at(x, y) = {static_cast<std::uint8_t>((r + samples / 2) / samples),
                                static_cast<std::uint8_t>((g + samples / 2) / samples),
                                static_cast<std::uint8_t>((b + samples / 2) / samples)};
        }
    }
    return picture;
}

} // namespace zintar::pictures
