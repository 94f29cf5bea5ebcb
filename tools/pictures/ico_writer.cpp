#include "ico_writer.h"

#include "le_writer.h"
#include "png_writer.h"

#include <stdexcept>

namespace zintar::pictures {
namespace {

constexpr std::uint32_t kDirectoryHeaderBytes = 6;
constexpr std::uint32_t kDirectoryEntryBytes = 16;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr int kLargestIcon = 256;

std::uint32_t pixelBytes(const IconImage& image) {
    const std::size_t colourRows = paddedRowBytes(image.size, 32) * image.size;
    const std::size_t maskRows = paddedRowBytes(image.size, 1) * image.size;
    return static_cast<std::uint32_t>(colourRows + maskRows);
}

// The 256-pixel image goes in as a PNG, which Windows (Vista and later) reads inside an icon;
// it would take a quarter of a megabyte as a bitmap. The smaller ones stay bitmaps, which
// every system reads.
bool storedAsPng(const IconImage& image) {
    return image.size == kLargestIcon;
}

// The image inside the icon file is a bitmap of twice the height: the colour rows, then the
// mask rows, both bottom-up. Systems that read the alpha ignore the mask; older ones show the
// screen where a mask bit is set, XORed with the colour, so those pixels are written black.
void writeBitmap(LittleEndianWriter& out, const IconImage& image) {
    const int size = image.size;
    out.u32(kInfoHeaderBytes);
    out.i32(size);
    out.i32(2 * size);
    out.u16(1); // planes
    out.u16(32);
    out.u32(0); // BI_RGB
    out.u32(pixelBytes(image));
    out.i32(0);
    out.i32(0);
    out.u32(0);
    out.u32(0);

    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const Rgba& c = image.at(x, y);
            const bool clear = c.a == 0;
            out.u8(clear ? 0 : c.b);
            out.u8(clear ? 0 : c.g);
            out.u8(clear ? 0 : c.r);
            out.u8(c.a);
        }
    }
    const std::size_t maskStride = paddedRowBytes(size, 1);
    for (int y = size - 1; y >= 0; --y) {
        std::size_t written = 0;
        for (int x = 0; x < size; x += 8) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int px = x + bit;
                if (px < size && image.at(px, y).a == 0) {
                    bits |= static_cast<std::uint8_t>(0x80 >> bit);
                }
            }
            out.u8(bits);
            ++written;
        }
        out.zeros(maskStride - written);
    }
}

} // namespace

std::vector<std::uint8_t> encodeIco32(std::span<const IconImage> images) {
    for (const IconImage& image : images) {
        if (image.size < 1 || image.size > kLargestIcon ||
            image.pixels.size() != std::size_t(image.size) * image.size) {
            throw std::invalid_argument("icon images must be square, 1 to 256 pixels");
        }
    }

    std::vector<std::vector<std::uint8_t>> encoded;
    for (const IconImage& image : images) {
        LittleEndianWriter bytes;
        if (storedAsPng(image)) {
            for (const std::uint8_t b : encodePng(image)) {
                bytes.u8(b);
            }
        } else {
            writeBitmap(bytes, image);
        }
        encoded.push_back(bytes.take());
    }

    LittleEndianWriter out;
    out.u16(0); // reserved
    out.u16(1); // icon, not cursor
    out.u16(static_cast<std::uint16_t>(images.size()));

    std::uint32_t offset =
        kDirectoryHeaderBytes + kDirectoryEntryBytes * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        // A side of 256 does not fit the byte; the format writes it as 0.
        const int size = images[i].size;
        const auto side = static_cast<std::uint8_t>(size == kLargestIcon ? 0 : size);
        const auto bytes = static_cast<std::uint32_t>(encoded[i].size());
        out.u8(side);
        out.u8(side);
        out.u8(0);  // no palette
        out.u8(0);  // reserved
        out.u16(1); // planes
        out.u16(32);
        out.u32(bytes);
        out.u32(offset);
        offset += bytes;
    }
    std::vector<std::uint8_t> file = out.take();
    for (const std::vector<std::uint8_t>& image : encoded) {
        file.insert(file.end(), image.begin(), image.end());
    }
    return file;
}

} // namespace zintar::pictures
