// The window icon: directory, two 4-bit images with masks, the standard palette, and the
// three colours of the key cap.
#include "picture_files.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <stdexcept>
#include <vector>

using namespace pictures_test;

namespace {

struct IconImage {
    int size = 0;
    std::vector<int> colour;  // palette index, rows from the top
    std::vector<bool> opaque; // mask bit clear
    std::vector<std::uint32_t> palette;
};

// Throws on any fault of the directory or the image headers.
std::vector<IconImage> readIcon() {
    const Bytes file = readResource("frmZintar.ico");
    const auto fault = [](const char* what) { throw std::runtime_error(what); };
    if (le(file, 0, 2) != 0 || le(file, 2, 2) != 1 || le(file, 4, 2) != 2) {
        fault("not an icon directory of two images");
    }
    std::vector<IconImage> images;
    std::size_t end = 6 + 2 * 16;
    for (std::size_t entry = 6; entry < 6 + 2 * 16; entry += 16) {
        const int n = file[entry];
        const std::size_t at = le(file, entry + 12, 4);
        const std::size_t colourStride = (n / 2 + 3) / 4 * 4; // 4 bits per pixel
        const std::size_t maskStride = (n / 8 + 3) / 4 * 4;
        const std::size_t colourRows = at + 40 + 16 * 4;
        const std::size_t maskRows = colourRows + colourStride * n;
        if (file[entry + 1] != n || file[entry + 2] != 16 || le(file, entry + 4, 2) != 1 ||
            le(file, entry + 6, 2) != 4) {
            fault("directory entry is not a square 16-colour image");
        }
        if (at != end || le(file, entry + 8, 4) != maskRows + maskStride * n - at) {
            fault("image offset or size does not match its contents");
        }
        if (le(file, at, 4) != 40 || le(file, at + 4, 4) != std::uint32_t(n) ||
            le(file, at + 8, 4) != 2u * n || le(file, at + 12, 2) != 1 ||
            le(file, at + 14, 2) != 4 || le(file, at + 16, 4) != 0) {
            fault("image header is not an uncompressed 4-bit bitmap of twice the height");
        }
        IconImage image{n, std::vector<int>(n * n), std::vector<bool>(n * n), {}};
        for (int i = 0; i < 16; ++i) {
            image.palette.push_back(le(file, at + 40 + 4 * i, 3));
        }
        for (int y = 0; y < n; ++y) {
            const std::size_t stored = n - 1 - y; // bottom-up
            for (int x = 0; x < n; ++x) {
                const std::uint8_t two = file.at(colourRows + stored * colourStride + x / 2);
                const std::uint8_t bits = file.at(maskRows + stored * maskStride + x / 8);
                image.colour[y * n + x] = x % 2 == 0 ? two >> 4 : two & 0x0F;
                image.opaque[y * n + x] = (bits & (0x80 >> x % 8)) == 0;
            }
        }
        images.push_back(image);
        end = maskRows + maskStride * n;
    }
    if (end != file.size()) {
        fault("bytes after the last image");
    }
    return images;
}

TEST(Icon, KeyCapAt16And32PixelsUsesBlackSilverAndGreyInsideABlackOutline) {
    std::vector<IconImage> images;
    ASSERT_NO_THROW(images = readIcon());
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].size, 16);
    EXPECT_EQ(images[1].size, 32);
    const std::vector<std::uint32_t> standard = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    constexpr int kBlack = 0, kSilver = 7, kGrey = 8;

    for (const IconImage& image : images) {
        const int n = image.size;
        EXPECT_EQ(image.palette, standard) << n;
        const auto opaque = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < n && y < n && image.opaque[y * n + x];
        };
        std::set<int> used;
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                const int colour = image.colour[y * n + x];
                if (!opaque(x, y)) {
                    // Masked pixels XOR the screen with their colour: only 0 leaves it alone.
                    EXPECT_EQ(colour, kBlack) << n << "px " << x << "," << y;
                    continue;
                }
                used.insert(colour);
                if (!opaque(x - 1, y) || !opaque(x + 1, y) || !opaque(x, y - 1) ||
                    !opaque(x, y + 1)) {
                    EXPECT_EQ(colour, kBlack) << n << "px outline at " << x << "," << y;
                }
            }
        }
        EXPECT_EQ(used, (std::set<int>{kBlack, kSilver, kGrey})) << n;
        EXPECT_FALSE(opaque(0, 0) || opaque(n - 1, 0) || opaque(0, n - 1) || opaque(n - 1, n - 1))
            << n << "px corners must be transparent";
        EXPECT_TRUE(opaque(n / 2, n / 2)) << n;
    }
}

} // namespace
