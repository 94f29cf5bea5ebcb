#include "key_icon_art.h"

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>

#include "key_cap_geometry.h"

namespace zintar::pictures {
namespace {

enum : std::uint8_t { Black = 0, Silver = 7, Grey = 8 };

// . outside the key, # black outline and lettering, o silver top and front,
// + grey right side, in shadow.
//
// The large key carries the lowercase letters k, e, y; at 16 pixels letters would smear
// into a blot, so the small key has a few marks of the same rhythm instead.
constexpr std::array<std::string_view, 32> kKey32 = {
    "................................", "................................",
    "....####################........", "...##oooooooooooooooooo##.......",
    "..#o#oooooooooooooooooo#+#......", ".#oo#oooooooooooooooooo#++#.....",
    ".#oo#oooooooooooooooooo#+++#....", ".#oo#oooooooooooooooooo#++++#...",
    ".#oo#oo#ooooooooooooooo#+++++#..", ".#oo#oo#ooooooooooooooo#++++++#.",
    ".#oo#oo#oo#oo##oo#oo#oo#++++++#.", ".#oo#oo#o#oo#oo#o#oo#oo#++++++#.",
    ".#oo#oo##ooo####o#oo#oo#++++++#.", ".#oo#oo#o#oo#oooo#oo#oo#++++++#.",
    ".#oo#oo#oo#oo###oo###oo#++++++#.", ".#oo#ooooooooooooooo#oo#++++++#.",
    ".#oo#ooooooooooooo##ooo#++++++#.", ".#oo#oooooooooooooooooo#++++++#.",
    ".#oo#oooooooooooooooooo#++++++#.", ".#oo#oooooooooooooooooo#++++++#.",
    ".#oo#oooooooooooooooooo#++++++#.", ".#oo####################++++++#.",
    ".#o#oooooooooooooooooooo#+++++#.", ".##oooooooooooooooooooooo#++++#.",
    ".#oooooooooooooooooooooooo#+++#.", ".#ooooooooooooooooooooooooo#++#.",
    ".#oooooooooooooooooooooooooo#+#.", ".#ooooooooooooooooooooooooooo##.",
    ".#oooooooooooooooooooooooooooo#.", "..############################..",
    "................................", "................................",
};

constexpr std::array<std::string_view, 16> kKey16 = {
    "................", "..##########....", ".##oooooooo##...", "#o#oooooooo#+#..",
    "#o#o#oooooo#++#.", "#o#o#oooooo#+++#", "#o#o#+##o#o#+++#", "#o#o#o#+o#o#+++#",
    "#o#ooooo+#o#+++#", "#o#oooooooo#+++#", "#o##########+++#", "##oooooooooo#++#",
    "#oooooooooooo#+#", "#ooooooooooooo##", ".##############.", "................",
};

MaskedImage decode(std::span<const std::string_view> art) {
    const int size = static_cast<int>(art.size());
    MaskedImage icon{IndexedImage(size, size, standardPalette(), Black),
                     std::vector<bool>(std::size_t(size) * size, false)};
    for (int y = 0; y < size; ++y) {
        if (static_cast<int>(art[y].size()) != size) {
            throw std::logic_error("key cap art row has the wrong width");
        }
        for (int x = 0; x < size; ++x) {
            const char c = art[y][x];
            if (c == '.') {
                continue; // stays black under a clear mask bit, which leaves the screen as is
            }
            icon.opaque[std::size_t(y) * size + x] = true;
            switch (c) {
            case '#':
                icon.colours.at(x, y) = Black;
                break;
            case 'o':
                icon.colours.at(x, y) = Silver;
                break;
            case '+':
                icon.colours.at(x, y) = Grey;
                break;
            default:
                throw std::logic_error("unknown colour in the key cap art");
            }
        }
    }
    return icon;
}

} // namespace

std::vector<Rgb> standardPalette() {
    return {rgb(0x000000), rgb(0x800000), rgb(0x008000), rgb(0x808000),
            rgb(0x000080), rgb(0x800080), rgb(0x008080), rgb(0xC0C0C0),
            rgb(0x808080), rgb(0xFF0000), rgb(0x00FF00), rgb(0xFFFF00),
            rgb(0x0000FF), rgb(0xFF00FF), rgb(0x00FFFF), rgb(0xFFFFFF)};
}

MaskedImage keyCapIcon(int size) {
    switch (size) {
    case 16:
        return decode(kKey16);
    case 32:
        return decode(kKey32);
    default:
        throw std::invalid_argument("the key cap is placed by hand at 16 and 32 pixels only");
    }
}

IconImage keyCapImage(int size) {
    if (size == 16 || size == 32) {
        const MaskedImage art = keyCapIcon(size);
        IconImage image(size);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (art.isOpaque(x, y)) {
                    const Rgb c = art.colours.palette[art.colours.at(x, y)];
                    image.at(x, y) = {c.r, c.g, c.b, 255};
                }
            }
        }
        return image;
    }
    return drawnKeyCap(size);
}

} // namespace zintar::pictures
