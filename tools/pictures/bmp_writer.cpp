#include "bmp_writer.h"

#include "le_writer.h"

namespace zintar::pictures {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::int32_t kPixelsPerMetreAt96Dpi = 3780;

} // namespace

std::vector<std::uint8_t> encodeBmp24(const RgbImage& picture) {
    const std::size_t stride = paddedRowBytes(picture.width, 24);
    const auto imageBytes = static_cast<std::uint32_t>(stride * picture.height);
    const std::uint32_t pixelOffset = kFileHeaderBytes + kInfoHeaderBytes;

    LittleEndianWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(pixelOffset + imageBytes);
    out.u32(0); // two reserved words
    out.u32(pixelOffset);

    out.u32(kInfoHeaderBytes);
    out.i32(picture.width);
    out.i32(picture.height); // positive: bottom-up
    out.u16(1);              // planes
    out.u16(24);
    out.u32(0); // BI_RGB, uncompressed
    out.u32(imageBytes);
    out.i32(kPixelsPerMetreAt96Dpi);
    out.i32(kPixelsPerMetreAt96Dpi);
    out.u32(0); // no colour table
    out.u32(0);

    const std::size_t padding = stride - std::size_t(picture.width) * 3;
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

} // namespace zintar::pictures
