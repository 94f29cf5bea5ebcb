// The three 24-bit bitmaps: file format, the highlight frames as exact lightenings of the
// flags, and the emblem's look.
#include "picture_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <tuple>

using namespace pictures_test;

namespace {

TEST(Bitmap, AreUncompressed24BitBottomUpOfTheirSizes) {
    for (const auto& [name, width, height] :
         {std::tuple{"imgLangEng_hl.bmp", 21, 20}, std::tuple{"imgLangHUN_hl.bmp", 21, 20},
          std::tuple{"Image2.bmp", 16, 16}}) {
        Picture picture;
        ASSERT_NO_THROW(picture = decodeBmp24(readResource(name))) << name;
        EXPECT_EQ(picture.width, width) << name;
        EXPECT_EQ(picture.height, height) << name;
    }
}

// Every flag colour and the highlight colour it must become.
const std::map<std::uint32_t, std::uint32_t> kLightened = {
    {0xFF0000, 0xFF8080}, {0x00FF00, 0x80FF80}, {0x292984, 0x9494C2}, {0xFF5A5A, 0xFFADAD},
    {0xD6D6E7, 0xEBEBF3}, {0x840000, 0xA34040}, {0x008400, 0x40A340}, {0x080818, 0x464652},
    {0x736BAD, 0x9690C2}, {0xC6C6C6, 0xD4D4D4}, {0xFFFFFF, 0xFFFFFF},
};

TEST(Highlight, EveryPixelIsTheLighteningOfItsFlagPixel) {
    std::set<std::uint32_t> seen;
    for (const std::string flagName : {"imgLangEng", "imgLangHUN"}) {
        const Gif flag = slurpGif(flagName + ".gif");
        const Picture lit = decodeBmp24(readResource(flagName + "_hl.bmp"));
        GraphicsControlBlock control{};
        ASSERT_EQ(DGifSavedExtensionToGCB(flag.file.get(), 0, &control), GIF_OK);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 21; ++x) {
                const std::uint32_t colour = flag.at(x, y);
                // Transparent corners turn white: bitmaps have no transparency.
                const bool clear = flag.index(x, y) == control.TransparentColor;
                ASSERT_TRUE(clear || kLightened.contains(colour)) << flagName << std::hex << colour;
                EXPECT_EQ(lit.at(x, y), clear ? 0xFFFFFF : kLightened.at(colour))
                    << flagName << " " << x << "," << y;
                if (!clear) {
                    seen.insert(colour);
                }
            }
        }
    }
    EXPECT_EQ(seen.size(), kLightened.size()) << "some listed flag colours occur in no flag";
}

int channel(std::uint32_t c, int shift) {
    return c >> shift & 0xFF;
}
int green(std::uint32_t c) {
    return channel(c, 8);
}

TEST(Emblem, IsARedDiscShadedPaleToDarkAndSmoothedIntoWhite) {
    const Picture emblem = decodeBmp24(readResource("Image2.bmp"));
    for (int corner : {0, 15}) {
        EXPECT_EQ(emblem.at(corner, 0), 0xFFFFFFu);
        EXPECT_EQ(emblem.at(corner, 15), 0xFFFFFFu);
    }
    int blendedDarkRim = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const std::uint32_t c = emblem.at(x, y);
            EXPECT_TRUE(channel(c, 16) >= green(c) && channel(c, 16) >= channel(c, 0))
                << std::hex << c << " is not a shade of red";
            // Far to the lower right the ball is dark red, green near 0; only smoothing puts
            // colours between it and the white background.
            blendedDarkRim += x + y >= 22 && green(c) > 40 && green(c) < 224;
        }
    }
    EXPECT_GE(blendedDarkRim, 4);
    for (int i = 4; i < 12; ++i) { // down the diagonal the shade never brightens
        EXPECT_GE(green(emblem.at(i, i)), green(emblem.at(i + 1, i + 1))) << i;
    }
    EXPECT_GT(green(emblem.at(4, 4)), 160) << "upper left should be pale pink";
    EXPECT_LT(channel(emblem.at(12, 12), 16), 192) << "lower right should be dark red";
}

} // namespace
