// The flags drawn from their geometry at the sizes of the larger display scales. The 21 x 20
// design stays the hand-placed palette picture of flag_art.cpp; these follow its layout: a
// white one-pixel margin with transparent corners, the flag's own one-pixel edge in the
// darker tone of what it borders, grey flag corners.
#include "flag_art.h"

#include "flag_colours.h"

#include <cstdint>
#include <stdexcept>

namespace zintar::pictures {
namespace {

using namespace flag_colours;

// The flag fills the picture but for the margin; `inner` covers pixels [1, side - 1).
bool onMargin(int x, int y, int w, int h) {
    return x == 0 || y == 0 || x == w - 1 || y == h - 1;
}
bool onEdge(int x, int y, int w, int h) {
    return x == 1 || y == 1 || x == w - 2 || y == h - 2;
}
bool isCorner(int x, int y, int w, int h, int inset) {
    return (x == inset || x == w - 1 - inset) && (y == inset || y == h - 1 - inset);
}

// White margin, transparent margin corners, grey flag corners; the rest left to the flag.
FlagImage blankFlag(int w, int h) {
    if (w < kFlagPictureWidth || h < kFlagPictureHeight) {
        throw std::invalid_argument("a flag is drawn at its 21 x 20 design or larger");
    }
    FlagImage flag{RgbImage(w, h, kWhite), std::vector<Lift>(std::size_t(w) * h, Lift::Field)};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Lift& lift = flag.lift[std::size_t(y) * w + x];
            if (isCorner(x, y, w, h, 0)) {
                lift = Lift::Transparent;
            } else if (isCorner(x, y, w, h, 1)) {
                flag.colours.at(x, y) = kGrey;
                lift = Lift::Outline;
            } else if (!onMargin(x, y, w, h) && onEdge(x, y, w, h)) {
                lift = Lift::Outline;
            }
        }
    }
    return flag;
}

bool paintsFlag(int x, int y, int w, int h) {
    return !onMargin(x, y, w, h) && !isCorner(x, y, w, h, 1);
}

// ---------------------------------------------------------------- Hungarian

struct Band {
    Rgb fill;
    Rgb edge;
};
constexpr Band kHungarianBands[] = {
    {kRed, kDarkRed}, {kWhite, kGrey}, {kHungarianGreen, kHungarianDarkGreen}};

// ---------------------------------------------------------------- Union Flag

// Everything is integer arithmetic on a grid of kSamples x kSamples samples per pixel, so
// the pictures come out the same with any compiler.
constexpr int kSamples = 4;
constexpr long long kLengthScale = 1024;

long long isqrt(long long n) {
    long long root = 0;
    while ((root + 1) * (root + 1) <= n) {
        ++root;
    }
    return root;
}

// A bar centred on a span of `span` pixels, about span * num / den wide: the next width up of
// the span's parity when the plain one has the other, so both its edges fall on whole pixels.
struct Bar {
    int from; // first pixel
    int to;   // one past the last
};
Bar centredBar(int span, int num, int den) {
    int width = span * num / den;
    if ((width - span) % 2 != 0) {
        ++width;
    }
    return {(span - width) / 2, (span + width) / 2};
}

int roundedShare(int span, int den) {
    const int share = (2 * span + den) / (2 * den);
    return share < 1 ? 1 : share;
}

class UnionFlag {
  public:
    UnionFlag(int w, int h)
        : fw_(w - 2), fh_(h - 2), column_(centredBar(fw_, 3, 19)), row_(centredBar(fh_, 4, 18)),
          columnBorder_(roundedShare(fw_, 19)), rowBorder_(roundedShare(fh_, 18)),
          length_(isqrt((1LL * fw_ * fw_ + 1LL * fh_ * fh_) * kLengthScale * kLengthScale)) {}

    // The colour at a sample of flag pixel (x, y), both counted inside the flag's edge;
    // `edge` gives the darker tone the flag's outer pixels show.
    Rgb sample(int x, int y, int i, int j, bool edge) const {
        const Rgb fill = fillAt(x, y, i, j);
        if (!edge) {
            return fill;
        }
        if (fill == kUnionBlue) {
            return kUnionDarkBlue;
        }
        return fill == kWhite ? kGrey : kDarkRed;
    }

  private:
    Rgb fillAt(int x, int y, int i, int j) const {
        const bool redColumn = x >= column_.from && x < column_.to;
        const bool redRow = y >= row_.from && y < row_.to;
        if (redColumn || redRow) {
            return kRed;
        }
        if ((x >= column_.from - columnBorder_ && x < column_.to + columnBorder_) ||
            (y >= row_.from - rowBorder_ && y < row_.to + rowBorder_)) {
            return kWhite;
        }
        return saltireAt(2 * kSamples * x + 2 * i + 1, 2 * kSamples * y + 2 * j + 1);
    }

    // (u, v) in half-sample units from the flag's top-left corner. The saltire's red runs
    // beside each diagonal, counterchanged: below it in the upper hoist quarter, above it in
    // the upper fly quarter, and turned by half a turn in the lower quarters. Measured in
    // 1/24 of the flag's height: 3 of broad white, 2 of red, 1 of narrow white.
    Rgb saltireAt(long long u, long long v) const {
        const long long unitsW = 2LL * kSamples * fw_;
        const long long unitsH = 2LL * kSamples * fh_;
        const bool left = 2 * u < unitsW;
        const bool top = 2 * v < unitsH;
        long long towardsRed = 0;
        if (left == top) { // the diagonal from the top-left corner
            towardsRed = (v * fw_ - u * fh_) * (top ? 1 : -1);
        } else { // the diagonal from the top-right corner
            towardsRed = (v * fw_ - (unitsW - u) * fh_) * (top ? -1 : 1);
        }
        // towardsRed / (2 * kSamples * length) is the distance in pixels; compare it with
        // multiples of fh / 24 without dividing.
        const long long distance = 24 * towardsRed * kLengthScale;
        const long long unit = 2LL * kSamples * fh_ * length_;
        if (distance > 0 && distance < 2 * unit) {
            return kUnionLightRed;
        }
        if (distance > -3 * unit && distance < 3 * unit) {
            return kWhite;
        }
        return kUnionBlue;
    }

    int fw_;
    int fh_;
    Bar column_;
    Bar row_;
    int columnBorder_;
    int rowBorder_;
    long long length_; // the diagonal, times kLengthScale
};

Rgb average(int r, int g, int b, int count) {
    return {static_cast<std::uint8_t>((r + count / 2) / count),
            static_cast<std::uint8_t>((g + count / 2) / count),
            static_cast<std::uint8_t>((b + count / 2) / count)};
}

} // namespace

FlagImage hungarianFlagSized(int w, int h) {
    FlagImage flag = blankFlag(w, h);
    const int flagHeight = h - 2;
    for (int y = 1; y < h - 1; ++y) {
        // Band k starts at row k / 3 of the height, halves rounded up.
        const int row = y - 1;
        int band = 0;
        while (band < 2 && row >= ((band + 1) * flagHeight * 2 + 3) / 6) {
            ++band;
        }
        for (int x = 1; x < w - 1; ++x) {
            if (paintsFlag(x, y, w, h)) {
                const Band& b = kHungarianBands[band];
                flag.colours.at(x, y) = onEdge(x, y, w, h) ? b.edge : b.fill;
            }
        }
    }
    return flag;
}

FlagImage englishFlagSized(int w, int h) {
    FlagImage flag = blankFlag(w, h);
    const UnionFlag art(w, h);
    for (int y = 1; y < h - 1; ++y) {
        for (int x = 1; x < w - 1; ++x) {
            if (!paintsFlag(x, y, w, h)) {
                continue;
            }
            const bool edge = onEdge(x, y, w, h);
            int r = 0;
            int g = 0;
            int b = 0;
            for (int j = 0; j < kSamples; ++j) {
                for (int i = 0; i < kSamples; ++i) {
                    const Rgb c = art.sample(x - 1, y - 1, i, j, edge);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            }
            flag.colours.at(x, y) = average(r, g, b, kSamples * kSamples);
        }
    }
    return flag;
}

RgbaImage alphaPictureOf(const FlagImage& flag) {
    const RgbImage& colours = flag.colours;
    RgbaImage picture(colours.width, colours.height);
    for (std::size_t i = 0; i < colours.pixels.size(); ++i) {
        if (flag.lift[i] != Lift::Transparent) {
            const Rgb& c = colours.pixels[i];
            picture.pixels[i] = {c.r, c.g, c.b, 255};
        }
    }
    return picture;
}

} // namespace zintar::pictures
