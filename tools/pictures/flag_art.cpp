#include "flag_art.h"

#include "flag_colours.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace zintar::pictures {
namespace {

using namespace flag_colours;

// Both flags fill columns 1..19 and rows 1..18 of the picture; the rest is the margin.
constexpr int kLeft = 1;
constexpr int kTop = 1;
constexpr int kRight = kFlagPictureWidth - 2;
constexpr int kBottom = kFlagPictureHeight - 2;

// Palette entries past the used ones are black; the encoder wants 16 entries.
constexpr int kPaletteSize = 16;

// The transparent entry is stored as white, so a viewer that ignores transparency still
// shows the corners the colour of the header band.
constexpr Rgb kClearColour = kWhite;

bool onRing(int x, int y) {
    return x == kLeft || x == kRight || y == kTop || y == kBottom;
}

bool isFlagCorner(int x, int y) {
    return (x == kLeft || x == kRight) && (y == kTop || y == kBottom);
}

// White margin with transparent corners around whatever the flag painted inside.
void drawMargin(IndexedImage& picture, std::uint8_t white, std::uint8_t clear) {
    const int w = picture.width;
    const int h = picture.height;
    for (int x = 0; x < w; ++x) {
        picture.at(x, 0) = white;
        picture.at(x, h - 1) = white;
    }
    for (int y = 0; y < h; ++y) {
        picture.at(0, y) = white;
        picture.at(w - 1, y) = white;
    }
    picture.at(0, 0) = picture.at(w - 1, 0) = clear;
    picture.at(0, h - 1) = picture.at(w - 1, h - 1) = clear;
}

struct PaletteEntry {
    Rgb colour;
    Lift lift;
};

// `entries` in index order; the enum of each flag names the same indexes.
Flag makeFlag(std::initializer_list<PaletteEntry> entries, std::uint8_t white, std::uint8_t clear) {
    std::vector<Rgb> colours(kPaletteSize, rgb(0x000000));
    std::vector<Lift> lift(kPaletteSize, Lift::Field);
    std::size_t i = 0;
    for (const PaletteEntry& entry : entries) {
        colours.at(i) = entry.colour;
        lift.at(i) = entry.lift;
        ++i;
    }
    Flag flag{IndexedImage(kFlagPictureWidth, kFlagPictureHeight, std::move(colours), white),
              std::move(lift), clear};
    drawMargin(flag.picture, white, clear);
    return flag;
}

// ---------------------------------------------------------------- Hungarian

namespace hu {
enum : std::uint8_t {
    Black,
    DarkGreen,
    Green,
    DarkRed,
    Grey,
    Red,
    White,
    Clear,
};

constexpr int kBandRows = 6;

// Band fill and the darker tone of its outer ring.
struct Band {
    std::uint8_t fill;
    std::uint8_t edge;
};
constexpr std::array<Band, 3> kBands = {{{Red, DarkRed}, {White, Grey}, {Green, DarkGreen}}};
} // namespace hu

} // namespace

Flag hungarianFlag() {
    using namespace hu;
    Flag flag = makeFlag(
        {
            {rgb(0x000000), Lift::Field}, // Black, used by no pixel
            {kHungarianDarkGreen, Lift::Outline},
            {kHungarianGreen, Lift::Field},
            {kDarkRed, Lift::Outline},
            {kGrey, Lift::Outline},
            {kRed, Lift::Field},
            {kWhite, Lift::Field},
            {kClearColour, Lift::Transparent},
        },
        White, Clear);
    for (int y = kTop; y <= kBottom; ++y) {
        const Band& band = kBands[(y - kTop) / kBandRows];
        for (int x = kLeft; x <= kRight; ++x) {
            // Only the top and bottom bands have a horizontal outer edge; the white band
            // touches the ring at its sides alone.
            std::uint8_t colour = onRing(x, y) ? band.edge : band.fill;
            if (isFlagCorner(x, y)) {
                colour = Grey;
            }
            flag.picture.at(x, y) = colour;
        }
    }
    return flag;
}

// ---------------------------------------------------------------- English

namespace {
namespace en {
enum : std::uint8_t {
    Black,
    DarkBlue,
    Blue,
    MidBlue,
    DarkRed,
    Grey,
    Pale,
    Red,
    LightRed,
    White,
    Clear,
};

// The upright cross: a red bar of columns 9..11 and one of rows 8..11, each bordered by one
// white pixel on both sides.
constexpr int kCrossLeft = 9;
constexpr int kCrossRight = 11;
constexpr int kCrossTop = 8;
constexpr int kCrossBottom = 11;

// The saltire in the two upper quarters of the flag, between the flag's edge and the
// cross's white border, ring included (it is darkened afterwards). B blue field, W white,
// R light red, P pale blend of white into blue.
//
// The red diagonals are counterchanged: on the hoist side the broad white lies above the
// red, on the fly side below it. That gives the saltire half-turn symmetry, so each lower
// quarter is the upper quarter diagonally opposite turned by half a turn.
constexpr int kQuarterWidth = 7;
constexpr int kQuarterHeight = 6;
using Quarter = std::array<std::string_view, kQuarterHeight>;
constexpr Quarter kHoistTop = {
    "WWPBBBB", //
    "RWWPBBB", //
    "PRWWPBB", //
    "BPRWWPB", //
    "BBPRWWP", //
    "BBBPRWW", //
};
constexpr Quarter kFlyTop = {
    "BBBBPRW", //
    "BBBPRWW", //
    "BBPRWWP", //
    "BPRWWPB", //
    "PRWWPBB", //
    "RWWPBBB", //
};

std::uint8_t saltireColour(char art) {
    switch (art) {
    case 'B':
        return Blue;
    case 'W':
        return White;
    case 'R':
        return LightRed;
    case 'P':
        return Pale;
    default:
        throw std::logic_error("unknown colour in the Union Flag art");
    }
}

// The outer ring shows the darker tone of what it borders; beside the pale blend pixels of
// the saltire that is the mid-blue, which keeps the diagonals soft where they leave the flag.
std::uint8_t ringTone(std::uint8_t inner) {
    switch (inner) {
    case Blue:
        return DarkBlue;
    case Red:
    case LightRed:
        return DarkRed;
    case White:
        return Grey;
    case Pale:
        return MidBlue;
    default:
        throw std::logic_error("no ring tone for this Union Flag colour");
    }
}

void drawQuarter(IndexedImage& picture, const Quarter& art, int left, int top, bool turned) {
    for (int row = 0; row < kQuarterHeight; ++row) {
        for (int col = 0; col < kQuarterWidth; ++col) {
            const char c =
                turned ? art[kQuarterHeight - 1 - row][kQuarterWidth - 1 - col] : art[row][col];
            picture.at(left + col, top + row) = saltireColour(c);
        }
    }
}

void drawCross(IndexedImage& picture) {
    for (int y = kTop; y <= kBottom; ++y) {
        for (int x = kLeft; x <= kRight; ++x) {
            const bool redColumn = x >= kCrossLeft && x <= kCrossRight;
            const bool redRow = y >= kCrossTop && y <= kCrossBottom;
            const bool borderColumn = x == kCrossLeft - 1 || x == kCrossRight + 1;
            const bool borderRow = y == kCrossTop - 1 || y == kCrossBottom + 1;
            if (redColumn || redRow) {
                picture.at(x, y) = Red;
            } else if (borderColumn || borderRow) {
                picture.at(x, y) = White;
            }
        }
    }
}
} // namespace en
} // namespace

Flag englishFlag() {
    using namespace en;
    Flag flag = makeFlag(
        {
            {rgb(0x000000), Lift::Field}, // Black, used by no pixel
            {kUnionDarkBlue, Lift::Outline},
            {kUnionBlue, Lift::Field},
            {kUnionMidBlue, Lift::Outline},
            {kDarkRed, Lift::Outline},
            {kGrey, Lift::Outline},
            {kUnionPale, Lift::Field},
            {kRed, Lift::Field},
            {kUnionLightRed, Lift::Field},
            {kWhite, Lift::Field},
            {kClearColour, Lift::Transparent},
        },
        White, Clear);
    IndexedImage& picture = flag.picture;

    const int flyLeft = kRight - kQuarterWidth + 1;
    const int lowerTop = kBottom - kQuarterHeight + 1;
    drawQuarter(picture, kHoistTop, kLeft, kTop, false);
    drawQuarter(picture, kFlyTop, flyLeft, kTop, false);
    drawQuarter(picture, kHoistTop, flyLeft, lowerTop, true);
    drawQuarter(picture, kFlyTop, kLeft, lowerTop, true);
    drawCross(picture);

    for (int y = kTop; y <= kBottom; ++y) {
        for (int x = kLeft; x <= kRight; ++x) {
            if (isFlagCorner(x, y)) {
                picture.at(x, y) = Grey;
            } else if (onRing(x, y)) {
                picture.at(x, y) = ringTone(picture.at(x, y));
            }
        }
    }
    return flag;
}

FlagImage pixelsOf(const Flag& flag) {
    const IndexedImage& picture = flag.picture;
    FlagImage image{RgbImage(picture.width, picture.height, kWhite),
                    std::vector<Lift>(picture.pixels.size())};
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        image.colours.pixels[i] = picture.palette[picture.pixels[i]];
        image.lift[i] = flag.lift[picture.pixels[i]];
    }
    return image;
}

} // namespace zintar::pictures
