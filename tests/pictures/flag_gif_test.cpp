// The two flag GIFs: file structure, palettes, transparency and the flags' layouts.
#include "picture_files.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

using namespace pictures_test;

namespace {

// 21 x 20 pictures; the flag proper fills columns 1..19 and rows 1..18, and its outer ring
// is those edges.
constexpr int kW = 21;
constexpr int kH = 20;
bool onRing(int x, int y) {
    return x == 1 || x == 19 || y == 1 || y == 18;
}
bool flagCorner(int x, int y) {
    return (x == 1 || x == 19) && (y == 1 || y == 18);
}

struct FlagFile {
    std::string name;
    std::vector<std::uint32_t> palette; // the rest of the 16 entries black
    int transparent;                    // stored as white, the colour of the header band
};
void PrintTo(const FlagFile& file, std::ostream* os) {
    *os << file.name;
}

const FlagFile kHungarian = {
    "imgLangHUN.gif",
    {0x000000, 0x008400, 0x00FF00, 0x840000, 0xC6C6C6, 0xFF0000, 0xFFFFFF, 0xFFFFFF},
    7};
const FlagFile kEnglish = {"imgLangEng.gif",
                           {0x000000, 0x080818, 0x292984, 0x736BAD, 0x840000, 0xC6C6C6, 0xD6D6E7,
                            0xFF0000, 0xFF5A5A, 0xFFFFFF, 0xFFFFFF},
                           10};

class FlagGif : public testing::TestWithParam<FlagFile> {};

TEST_P(FlagGif, IsAStillGif89aWithTheExactPalette) {
    const FlagFile& expected = GetParam();
    const Bytes bytes = readResource(expected.name);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a");

    const Gif gif = slurpGif(expected.name);
    const GifImageDesc& desc = gif.file->SavedImages[0].ImageDesc;
    EXPECT_EQ((std::array{gif.file->SWidth, gif.file->SHeight}), (std::array{kW, kH}));
    EXPECT_EQ((std::array{desc.Left, desc.Top, desc.Width, desc.Height}),
              (std::array{0, 0, kW, kH}));
    EXPECT_EQ(desc.ColorMap, nullptr) << "the image must use the global palette";

    ASSERT_EQ(gif.file->SColorMap->ColorCount, 16);
    std::set<int> used;
    for (int i = 0; i < 16; ++i) {
        const auto size = static_cast<int>(expected.palette.size());
        EXPECT_EQ(gif.colour(i), i < size ? expected.palette[i] : 0) << "entry " << i;
    }
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            used.insert(gif.index(x, y));
        }
    }
    // Every listed entry but the leading black is used, and nothing past them.
    EXPECT_EQ(used.size(), expected.palette.size() - 1);
    EXPECT_EQ(*used.begin(), 1);
    EXPECT_EQ(*used.rbegin(), expected.transparent);
}

TEST_P(FlagGif, LoopsForeverAndMarksTheTransparentIndex) {
    const Gif gif = slurpGif(GetParam().name);
    GraphicsControlBlock control{};
    ASSERT_EQ(DGifSavedExtensionToGCB(gif.file.get(), 0, &control), GIF_OK);
    EXPECT_EQ(control.DisposalMode, DISPOSE_DO_NOT);
    EXPECT_EQ(control.DelayTime, 0);
    // The decoder reports NO_TRANSPARENT_COLOR when the transparency flag is clear.
    EXPECT_EQ(control.TransparentColor, GetParam().transparent);

    const SavedImage& image = gif.file->SavedImages[0];
    std::vector<std::string> blocks;
    for (int i = 0; i < image.ExtensionBlockCount; ++i) {
        const ExtensionBlock& b = image.ExtensionBlocks[i];
        if (b.Function != GRAPHICS_EXT_FUNC_CODE) {
            blocks.push_back(std::to_string(b.Function) + ":" +
                             std::string(b.Bytes, b.Bytes + b.ByteCount));
        }
    }
    // The application block and its sub-block 1 holding loop count 0.
    EXPECT_EQ(blocks, (std::vector<std::string>{"255:NETSCAPE2.0", std::string("0:\1\0\0", 5)}));
}

TEST_P(FlagGif, MarginIsWhiteWithTransparentCornersAndFlagCornersAreGrey) {
    const Gif gif = slurpGif(GetParam().name);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const bool marginX = x == 0 || x == kW - 1;
            const bool marginY = y == 0 || y == kH - 1;
            if (marginX && marginY) {
                EXPECT_EQ(gif.index(x, y), GetParam().transparent) << x << "," << y;
            } else if (marginX || marginY) {
                EXPECT_NE(gif.index(x, y), GetParam().transparent) << x << "," << y;
                EXPECT_EQ(gif.at(x, y), 0xFFFFFFu) << x << "," << y;
            } else if (flagCorner(x, y)) {
                EXPECT_EQ(gif.at(x, y), 0xC6C6C6u) << x << "," << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Flags, FlagGif, testing::Values(kHungarian, kEnglish),
                         [](const auto& info) { return info.param.name.substr(7, 3); });

TEST(HungarianFlag, HasThreeBandsOfSixRowsWithDarkerEdges) {
    const Gif gif = slurpGif(kHungarian.name);
    const std::array<std::array<std::uint32_t, 2>, 3> bands = {
        {{0xFF0000, 0x840000}, {0xFFFFFF, 0xC6C6C6}, {0x00FF00, 0x008400}}}; // fill, edge
    for (int y = 1; y <= 18; ++y) {
        for (int x = 1; x <= 19; ++x) {
            if (!flagCorner(x, y)) {
                EXPECT_EQ(gif.at(x, y), bands[(y - 1) / 6][onRing(x, y)]) << x << "," << y;
            }
        }
    }
}

constexpr std::uint32_t kRed = 0xFF0000, kDarkRed = 0x840000, kWhite = 0xFFFFFF, kGrey = 0xC6C6C6,
                        kBlue = 0x292984, kDarkBlue = 0x080818;

TEST(EnglishFlag, UprightCrossLiesOnTheGivenRowsAndColumns) {
    const Gif gif = slurpGif(kEnglish.name);
    for (int y = 1; y <= 18; ++y) {
        for (int x = 1; x <= 19; ++x) {
            if ((x >= 9 && x <= 11) || (y >= 8 && y <= 11)) {
                EXPECT_EQ(gif.at(x, y), onRing(x, y) ? kDarkRed : kRed) << x << "," << y;
            } else if (x == 8 || x == 12 || y == 7 || y == 12) {
                EXPECT_EQ(gif.at(x, y), onRing(x, y) ? kGrey : kWhite) << x << "," << y;
            }
        }
    }
}

TEST(EnglishFlag, SaltireCrossesEveryBlueQuarterAndTheRingDarkensTheFields) {
    const Gif gif = slurpGif(kEnglish.name);
    for (const auto& [left, top] : std::array<std::array<int, 2>, 4>{
             {{2, 2}, {13, 2}, {2, 13}, {13, 13}}}) { // inside ring and cross
        std::set<std::uint32_t> colours;
        for (int y = top; y < top + 5; ++y) {
            for (int x = left; x < left + 6; ++x) {
                colours.insert(gif.at(x, y));
            }
        }
        EXPECT_EQ(colours, (std::set<std::uint32_t>{kBlue, kWhite, 0xFF5A5A, 0xD6D6E7}))
            << "quarter at " << left << "," << top;
    }
    const std::set<std::uint32_t> edgeTones = {kDarkBlue, kDarkRed, kGrey, 0x736BAD};
    for (int y = 1; y <= 18; ++y) {
        for (int x = 1; x <= 19; ++x) {
            if (onRing(x, y)) {
                EXPECT_TRUE(edgeTones.contains(gif.at(x, y))) << x << "," << y;
                // The pixel straight inwards.
                const int ix = x == 1 ? 2 : x == 19 ? 18 : x;
                const int iy = y == 1 ? 2 : y == 18 ? 17 : y;
                if (gif.at(ix, iy) == kBlue) {
                    EXPECT_EQ(gif.at(x, y), kDarkBlue) << x << "," << y;
                }
            }
        }
    }
}

} // namespace
