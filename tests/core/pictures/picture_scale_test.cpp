#include "core/pictures/picture_scale.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

constexpr uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kClear = 0;

TEST(PictureScale, KeepsFlatAreasAndTheCornersExact) {
    const PixelImage two{2, 1, {kRed, kBlue}};
    const PixelImage wide = ScalePicture(two, 4, 2);
    ASSERT_EQ(wide.pixels.size(), 8u);
    // The outer pixels lie beyond the source's centres: they keep the edge colours.
    EXPECT_EQ(wide.pixels[0], kRed);
    EXPECT_EQ(wide.pixels[3], kBlue);
    EXPECT_EQ(wide.pixels[4], kRed);
    // Between them a blend, 3/4 of the nearer colour: no step, no colour from elsewhere.
    EXPECT_EQ(wide.pixels[1], 0xFFBF0040u);
    EXPECT_EQ(wide.pixels[2], 0xFF4000BFu);
}

TEST(PictureScale, ATransparentNeighbourLendsNoColour) {
    // Premultiplied: beside a clear pixel the red only grows fainter, never darker or bluer.
    const PixelImage edge = ScalePicture({2, 1, {kRed, kClear}}, 4, 1);
    EXPECT_EQ(edge.pixels[1], 0xBFBF0000u);
    EXPECT_EQ(edge.pixels[3], kClear);
}

TEST(PictureScale, RefusesWhatItCannotScale) {
    EXPECT_TRUE(ScalePicture({2, 2, {kRed}}, 4, 4).pixels.empty()); // too few pixels
    EXPECT_TRUE(ScalePicture({1, 1, {kRed}}, 0, 4).pixels.empty());
    EXPECT_TRUE(ScalePicture({1, 1, {kRed}}, 100000, 4).pixels.empty());
    EXPECT_TRUE(ScalePicture({0, 0, {}}, 4, 4).pixels.empty());
    EXPECT_EQ(ScalePicture({1, 1, {kBlue}}, 3, 3).pixels, std::vector<uint32_t>(9, kBlue));
}

} // namespace
} // namespace zintar
