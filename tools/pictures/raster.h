// Pixel containers shared by the picture tools: full-colour pictures with and without alpha
// and a palette picture, all stored row by row from the top-left corner.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace zintar::pictures {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colours are written #RRGGBB in the art, so take them in that order.
constexpr Rgb rgb(std::uint32_t rrggbb) {
    return {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
            static_cast<std::uint8_t>(rrggbb)};
}

inline constexpr Rgb kWhite = rgb(0xFFFFFF);

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    RgbImage(int w, int h, Rgb fill) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
    Rgb& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels;

    IndexedImage(int w, int h, std::vector<Rgb> colours, std::uint8_t fill)
        : width(w), height(h), palette(std::move(colours)), pixels(std::size_t(w) * h, fill) {}
    std::uint8_t& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    std::uint8_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// One pixel of a premultiplied-alpha picture, as AlphaBlend with AC_SRC_ALPHA reads it: each
// colour component already multiplied by alpha / 255.
struct PremultipliedRgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;

    friend bool operator==(const PremultipliedRgba&, const PremultipliedRgba&) = default;
};

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<PremultipliedRgba> pixels;

    RgbaImage(int w, int h) : width(w), height(h), pixels(std::size_t(w) * h) {}
    PremultipliedRgba& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    const PremultipliedRgba& at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// One pixel with straight (not premultiplied) alpha, as icon images keep it.
struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// A square picture with straight alpha.
struct IconImage {
    int size = 0;
    std::vector<Rgba> pixels;

    explicit IconImage(int side) : size(side), pixels(std::size_t(side) * side) {}
    Rgba& at(int x, int y) { return pixels[std::size_t(y) * size + x]; }
    const Rgba& at(int x, int y) const { return pixels[std::size_t(y) * size + x]; }
};

// A palette picture with a one-bit mask: pixels where `opaque` is false are see-through.
struct MaskedImage {
    IndexedImage colours;
    std::vector<bool> opaque;

    bool isOpaque(int x, int y) const { return opaque[std::size_t(y) * colours.width + x]; }
};

// The colours at Samples x Samples points spread evenly over pixel (x, y), summed: the pixel
// is 2 * Samples sub-units wide, so every point lies at an odd sub-unit. colourAt(u, v, colour)
// says whether something covers the point (u, v) and with which colour.
struct SampleSum {
    int r = 0;
    int g = 0;
    int b = 0;
    int covered = 0;
};

template <int Samples, class ColourAt> SampleSum sumSamples(int x, int y, ColourAt&& colourAt) {
    SampleSum sum;
    for (int j = 0; j < Samples; ++j) {
        for (int i = 0; i < Samples; ++i) {
            Rgb c;
            if (colourAt(2 * Samples * x + 2 * i + 1, 2 * Samples * y + 2 * j + 1, c)) {
                sum.r += c.r;
                sum.g += c.g;
                sum.b += c.b;
                ++sum.covered;
            }
        }
    }
    return sum;
}

} // namespace zintar::pictures
