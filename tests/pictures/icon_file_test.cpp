// The committed icon: eight images of the sizes Windows asks for across the display scales,
// read here with a reader of this test's own (the directory, the bitmaps, the PNG through
// zlib), so a writer that breaks the format cannot pass by agreeing with itself.
#include "picture_files.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using namespace pictures_test;

namespace {

constexpr std::array<int, 8> kSizes = {16, 20, 24, 32, 40, 48, 64, 256};

struct Entry {
    int size;
    std::uint32_t bytes;
    std::uint32_t offset;
};

std::uint32_t be(const Bytes& b, std::size_t at) {
    return std::uint32_t(b.at(at)) << 24 | std::uint32_t(b.at(at + 1)) << 16 |
           std::uint32_t(b.at(at + 2)) << 8 | b.at(at + 3);
}

// Straight-alpha pixels 0xAARRGGBB, rows from the top.
Picture readBitmapEntry(const Bytes& file, const Entry& e) {
    const std::size_t at = e.offset;
    const int size = e.size;
    const std::size_t maskStride = (std::size_t(size) + 31) / 32 * 4;
    EXPECT_EQ(le(file, at, 4), 40u);
    EXPECT_EQ(le(file, at + 4, 4), std::uint32_t(size));
    EXPECT_EQ(le(file, at + 8, 4), std::uint32_t(2 * size)) << "colour rows and mask rows";
    EXPECT_EQ(le(file, at + 12, 2), 1u);
    EXPECT_EQ(le(file, at + 14, 2), 32u);
    EXPECT_EQ(le(file, at + 16, 4), 0u);
    EXPECT_EQ(e.bytes, 40 + 4u * size * size + maskStride * size);
    Picture picture{size, size, std::vector<std::uint32_t>(std::size_t(size) * size)};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::size_t row = at + 40 + 4 * std::size_t(size) * (size - 1 - y);
            const std::uint32_t pixel = le(file, row + 4 * std::size_t(x), 4);
            picture.pixels[std::size_t(y) * size + x] = pixel;
            const std::size_t maskRow =
                at + 40 + 4 * std::size_t(size) * size + maskStride * (size - 1 - y);
            const bool masked = file.at(maskRow + x / 8) >> (7 - x % 8) & 1;
            EXPECT_EQ(masked, pixel >> 24 == 0) << size << ": " << x << "," << y;
        }
    }
    return picture;
}

Picture readPngEntry(const Bytes& file, const Entry& e) {
    const Bytes png(file.begin() + e.offset, file.begin() + e.offset + e.bytes);
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(Bytes(png.begin(), png.begin() + 8) == signature);
    Bytes stream;
    std::size_t at = 8;
    std::string types;
    while (at + 12 <= png.size()) {
        const std::uint32_t length = be(png, at);
        const std::string type(png.begin() + at + 4, png.begin() + at + 8);
        EXPECT_LE(at + 12 + length, png.size());
        const auto crc = static_cast<std::uint32_t>(
            crc32(0, png.data() + at + 4, static_cast<uInt>(length + 4)));
        EXPECT_EQ(be(png, at + 8 + length), crc) << type;
        if (type == "IHDR") {
            EXPECT_EQ(be(png, at + 8), 256u);
            EXPECT_EQ(be(png, at + 12), 256u);
            EXPECT_EQ(png.at(at + 16), 8) << "bits per channel";
            EXPECT_EQ(png.at(at + 17), 6) << "RGBA";
        } else if (type == "IDAT") {
            stream.insert(stream.end(), png.begin() + at + 8, png.begin() + at + 8 + length);
        }
        types += type + " ";
        at += 12 + length;
    }
    EXPECT_EQ(types, "IHDR IDAT IEND ");
    constexpr std::size_t kRow = 1 + 4 * 256;
    Bytes rows(kRow * 256 + 1);
    uLongf size = static_cast<uLongf>(rows.size());
    EXPECT_EQ(uncompress(rows.data(), &size, stream.data(), static_cast<uLong>(stream.size())),
              Z_OK);
    EXPECT_EQ(size, kRow * 256);
    Picture picture{256, 256, std::vector<std::uint32_t>(256 * 256)};
    for (int y = 0; y < 256; ++y) {
        EXPECT_EQ(rows[kRow * y], 0) << "unfiltered row " << y;
        for (int x = 0; x < 256; ++x) {
            const std::uint8_t* p = &rows[kRow * y + 1 + 4 * std::size_t(x)];
            picture.pixels[std::size_t(y) * 256 + x] = std::uint32_t(p[3]) << 24 |
                                                       std::uint32_t(p[0]) << 16 |
                                                       std::uint32_t(p[1]) << 8 | p[2];
        }
    }
    return picture;
}

TEST(IconFile, HoldsEightSizesWithValidHeadersTheLargestAsPng) {
    const Bytes file = readResource("frmZintar.ico");
    ASSERT_GE(file.size(), 6u);
    EXPECT_EQ(le(file, 0, 2), 0u);
    EXPECT_EQ(le(file, 2, 2), 1u) << "an icon, not a cursor";
    ASSERT_EQ(le(file, 4, 2), kSizes.size());
    std::uint32_t next = 6 + 16 * kSizes.size();
    for (std::size_t i = 0; i < kSizes.size(); ++i) {
        const std::size_t d = 6 + 16 * i;
        const int side = file.at(d) == 0 ? 256 : file.at(d);
        const Entry e{side, le(file, d + 8, 4), le(file, d + 12, 4)};
        EXPECT_EQ(side, kSizes[i]);
        EXPECT_EQ(file.at(d + 1), file.at(d)) << "square";
        EXPECT_EQ(le(file, d + 4, 2), 1u) << "planes";
        EXPECT_EQ(le(file, d + 6, 2), 32u) << "bits per pixel";
        EXPECT_EQ(e.offset, next) << "images follow each other";
        next = e.offset + e.bytes;
        ASSERT_LE(next, file.size());

        const Picture image = side == 256 ? readPngEntry(file, e) : readBitmapEntry(file, e);
        // A key cap: clear in the corner, opaque on its face.
        EXPECT_EQ(image.at(0, 0) >> 24, 0u) << side;
        EXPECT_EQ(image.at(side / 2, side / 2) >> 24, 0xFFu) << side;
    }
    EXPECT_EQ(next, file.size());
    EXPECT_LT(file.size(), 64u * 1024) << "the 256-pixel image is compressed";
}

// Drawn at each size, not scaled: the left outline is as many whole pixels wide as the size
// is 32ths of 256 and 48 pixels (8 and 2, halves up), with clear and face pixels either side.
TEST(IconFile, LargeImagesHaveOutlinesOfWholePixels) {
    const Bytes file = readResource("frmZintar.ico");
    struct Case {
        std::size_t entry;
        int first; // the outline's first column
        int width;
    };
    for (const Case c : {Case{7, 8, 8}, Case{5, 2, 2}}) {
        const std::size_t d = 6 + 16 * c.entry;
        const int side = file.at(d) == 0 ? 256 : file.at(d);
        const Entry e{side, le(file, d + 8, 4), le(file, d + 12, 4)};
        const Picture image = side == 256 ? readPngEntry(file, e) : readBitmapEntry(file, e);
        const int y = side * 13 / 16; // beside the key's front face, below its corner
        EXPECT_EQ(image.at(c.first - 1, y) >> 24, 0u) << side;
        for (int x = c.first; x < c.first + c.width; ++x) {
            EXPECT_EQ(image.at(x, y), 0xFF000000u) << side << ": " << x;
        }
        EXPECT_EQ(image.at(c.first + c.width, y), 0xFFC0C0C0u) << side;
    }
}

} // namespace
