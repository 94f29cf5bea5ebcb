#include "key_cap_geometry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace zintar::pictures {
namespace {

// Design points are the 32-pixel design's pixel columns and rows; a line through them is the
// one those pixels draw there.
struct Point {
    int x;
    int y;
};
struct Segment {
    Point from;
    Point to;
};

constexpr int kDesignSize = 32;
constexpr int kSamples = 4;
constexpr int kSmallestDrawn = 20;
constexpr int kSmallestLettered = 40;

constexpr Rgb kOutline = rgb(0x000000);
constexpr Rgb kFace = rgb(0xC0C0C0);   // silver of the standard palette
constexpr Rgb kShadow = rgb(0x808080); // grey of the standard palette

// The whole key, around the centres of its outer outline.
constexpr std::array<Point, 8> kSilhouette = {
    {{4, 2}, {23, 2}, {30, 9}, {30, 28}, {29, 29}, {2, 29}, {1, 28}, {1, 5}}};
// The right side, in shadow.
constexpr std::array<Point, 4> kRightSide = {{{23, 2}, {30, 9}, {30, 28}, {23, 21}}};

constexpr std::array<Segment, 13> kOutlines = {{
    {{4, 2}, {23, 2}},
    {{23, 2}, {30, 9}},
    {{30, 9}, {30, 28}},
    {{30, 28}, {29, 29}},
    {{29, 29}, {2, 29}},
    {{2, 29}, {1, 28}},
    {{1, 28}, {1, 5}},
    {{1, 5}, {4, 2}},
    {{4, 2}, {4, 21}},
    {{23, 2}, {23, 21}},
    {{4, 21}, {23, 21}},
    {{4, 21}, {1, 24}},
    {{23, 21}, {30, 28}},
}};

constexpr std::array<Segment, 17> kLetters = {{
    // k
    {{7, 8}, {7, 14}},
    {{10, 10}, {8, 12}},
    {{8, 12}, {10, 14}},
    // e
    {{13, 10}, {14, 10}},
    {{14, 10}, {15, 11}},
    {{15, 11}, {15, 12}},
    {{12, 12}, {15, 12}},
    {{12, 11}, {13, 10}},
    {{12, 11}, {12, 13}},
    {{12, 13}, {13, 14}},
    {{13, 14}, {15, 14}},
    // y
    {{17, 10}, {17, 13}},
    {{17, 13}, {18, 14}},
    {{18, 14}, {20, 14}},
    {{20, 10}, {20, 15}},
    {{20, 15}, {19, 16}},
    {{19, 16}, {18, 16}},
}};

// Integer arithmetic in sub-units of half a sample, so every sample sits at an odd
// coordinate and the picture comes out the same with any compiler.
class Canvas {
  public:
    explicit Canvas(int size)
        : size_(size), line_(std::max(1, (2 * size + kDesignSize) / (2 * kDesignSize))) {}

    // The centre of the line that design point p draws, in sub-units.
    Point centre(Point p) const {
        return {kUnits * place(p.x) + kUnits * line_ / 2, kUnits * place(p.y) + kUnits * line_ / 2};
    }
    long long halfLineSquared() const {
        const long long half = kUnits * line_ / 2;
        return half * half;
    }
    int size() const { return size_; }

    static constexpr int kUnits = 2 * kSamples; // sub-units per pixel

  private:
    // A design row or column's first pixel, halves rounded up.
    int place(int design) const { return (2 * design * size_ + kDesignSize) / (2 * kDesignSize); }

    int size_;
    int line_; // pixels
};

long long cross(Point o, Point a, Point b) {
    return 1LL * (a.x - o.x) * (b.y - o.y) - 1LL * (a.y - o.y) * (b.x - o.x);
}

bool inside(const Canvas& canvas, std::span<const Point> polygon, Point p) {
    bool anyNegative = false;
    bool anyPositive = false;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const long long c =
            cross(canvas.centre(polygon[i]), canvas.centre(polygon[(i + 1) % polygon.size()]), p);
        anyNegative = anyNegative || c < 0;
        anyPositive = anyPositive || c > 0;
    }
    return !(anyNegative && anyPositive);
}

bool onLine(const Canvas& canvas, const Segment& s, Point p) {
    const Point a = canvas.centre(s.from);
    const Point b = canvas.centre(s.to);
    const long long ex = b.x - a.x;
    const long long ey = b.y - a.y;
    const long long dx = p.x - a.x;
    const long long dy = p.y - a.y;
    const long long along = dx * ex + dy * ey;
    const long long length = ex * ex + ey * ey;
    const long long reach = canvas.halfLineSquared();
    if (along <= 0 || length == 0) {
        return dx * dx + dy * dy <= reach;
    }
    if (along >= length) {
        const long long fx = p.x - b.x;
        const long long fy = p.y - b.y;
        return fx * fx + fy * fy <= reach;
    }
    // Squared distance from the line, times `length`, without dividing.
    return (dx * dx + dy * dy) * length - along * along <= reach * length;
}

// What the sample shows, painted in order: outline over faces over nothing.
bool colourAt(const Canvas& canvas, Point p, Rgb& colour) {
    for (const Segment& s : kOutlines) {
        if (onLine(canvas, s, p)) {
            colour = kOutline;
            return true;
        }
    }
    if (canvas.size() >= kSmallestLettered) {
        for (const Segment& s : kLetters) {
            if (onLine(canvas, s, p)) {
                colour = kOutline;
                return true;
            }
        }
    }
    if (inside(canvas, kRightSide, p)) {
        colour = kShadow;
        return true;
    }
    if (inside(canvas, kSilhouette, p)) {
        colour = kFace;
        return true;
    }
    return false;
}

} // namespace

IconImage drawnKeyCap(int size) {
    if (size < kSmallestDrawn || size > 256) {
        throw std::invalid_argument("the key cap is drawn from 20 to 256 pixels");
    }
    const Canvas canvas(size);
    IconImage image(size);
    constexpr int samples = kSamples * kSamples;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const SampleSum sum = sumSamples<kSamples>(x, y, [&](int u, int v, Rgb& c) {
                return colourAt(canvas, Point{u, v}, c);
            });
            const int covered = sum.covered;
            if (covered > 0) {
                // Straight alpha: the colour of what covers the pixel, the share it covers.
                image.at(x,
                         y) = {static_cast<std::uint8_t>((sum.r + covered / 2) / covered),
                               static_cast<std::uint8_t>((sum.g + covered / 2) / covered),
                               static_cast<std::uint8_t>((sum.b + covered / 2) / covered),
                               static_cast<std::uint8_t>((255 * covered + samples / 2) / samples)};
            }
        }
    }
    return image;
}

} // namespace zintar::pictures
