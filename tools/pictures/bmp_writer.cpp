#include "bmp_writer.h"

#include "le_writer.h"

namespace zintar::pictures {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::int32_t kPixelsPerMetreAt96Dpi = 3780;

// Both headers of a bottom-up, uncompressed bitmap without a colour table; the pixel rows
// follow. Nothing in them depends on the time or the machine, so the files reproduce.
LittleEndianWriter headers(int width, int height, int bitsPerPixel) {
    const auto imageBytes =
        static_cast<std::uint32_t>(paddedRowBytes(width, bitsPerPixel) * height);
    const std::uint32_t pixelOffset = kFileHeaderBytes + kInfoHeaderBytes;

    LittleEndianWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(pixelOffset + imageBytes);
    out.u32(0); // two reserved words
    out.u32(pixelOffset);

    out.u32(kInfoHeaderBytes);
    out.i32(width);
    out.i32(height); // positive: bottom-up
    out.u16(1);      // planes
    out.u16(static_cast<std::uint16_t>(bitsPerPixel));
    out.u32(0); // BI_RGB, uncompressed
    out.u32(imageBytes);
    out.i32(kPixelsPerMetreAt96Dpi);
    out.i32(kPixelsPerMetreAt96Dpi);
    out.u32(0); // no colour table
    out.u32(0);
    return out;
}

} // namespace

std::vector<std::uint8_t> encodeBmp24(const RgbImage& picture) {
    LittleEndianWriter out = headers(picture.width, picture.height, 24);
    const std::size_t padding = paddedRowBytes(picture.width, 24) - std::size_t(picture.width) * 3;
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& c = picture.at(x, y);
            out.u8(c.b);
            out.u8(c.g);
            out.u8(c.r);
        }
        out.zeros(padding);
    }
    return out.take();
}

std::vector<std::uint8_t> encodeBmp32(const RgbaImage& picture) {
    LittleEndianWriter out = headers(picture.width, picture.height, 32);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const PremultipliedRgba& c = picture.at(x, y);
            out.u8(c.b);
            out.u8(c.g);
            out.u8(c.r);
            out.u8(c.a);
        }
    }
    return out.take();
}

} // namespace zintar::pictures
