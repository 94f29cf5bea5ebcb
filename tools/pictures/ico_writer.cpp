#include "ico_writer.h"

#include "le_writer.h"

#include <stdexcept>

namespace zintar::pictures {
namespace {

constexpr std::uint32_t kDirectoryHeaderBytes = 6;
constexpr std::uint32_t kDirectoryEntryBytes = 16;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr int kColours = 16;

std::uint32_t imageBytes(const MaskedImage& image) {
    const int size = image.colours.width;
    const std::size_t colourRows = paddedRowBytes(size, 4) * size;
    const std::size_t maskRows = paddedRowBytes(size, 1) * size;
    return static_cast<std::uint32_t>(kInfoHeaderBytes + 4 * kColours + colourRows + maskRows);
}

void check(const MaskedImage& image) {
    const int size = image.colours.width;
    if (size != image.colours.height || size < 1 || size > 255) {
        throw std::invalid_argument("icon images must be square and at most 255 pixels");
    }
    if (image.colours.palette.size() != kColours) {
        throw std::invalid_argument("4-bit icon images need a 16-colour palette");
    }
}

// The image inside the icon file is a bitmap of twice the height: the colour rows, then the
// mask rows, both bottom-up. Where a mask bit is set the screen shows through, XORed with the
// colour, so masked-out pixels must be colour 0 (black) to leave the screen untouched.
void writeImage(LittleEndianWriter& out, const MaskedImage& image) {
    const IndexedImage& colours = image.colours;
    const int size = colours.width;

    out.u32(kInfoHeaderBytes);
    out.i32(size);
    out.i32(2 * size);
    out.u16(1); // planes
    out.u16(4);
    out.u32(0); // BI_RGB
    out.u32(imageBytes(image) - kInfoHeaderBytes - 4 * kColours);
    out.i32(0);
    out.i32(0);
    out.u32(0); // all 16 palette entries
    out.u32(0);

    for (const Rgb& c : colours.palette) {
        out.u8(c.b);
        out.u8(c.g);
        out.u8(c.r);
        out.u8(0);
    }

    const std::size_t colourStride = paddedRowBytes(size, 4);
    for (int y = size - 1; y >= 0; --y) {
        std::size_t written = 0;
        for (int x = 0; x < size; x += 2) {
            const auto pixel = [&](int px) -> std::uint8_t {
                if (px >= size || !image.isOpaque(px, y)) {
                    return 0;
                }
                return colours.at(px, y) & 0x0F;
            };
            out.u8(static_cast<std::uint8_t>(pixel(x) << 4 | pixel(x + 1)));
            ++written;
        }
        out.zeros(colourStride - written);
    }

    const std::size_t maskStride = paddedRowBytes(size, 1);
    for (int y = size - 1; y >= 0; --y) {
        std::size_t written = 0;
        for (int x = 0; x < size; x += 8) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int px = x + bit;
                if (px < size && !image.isOpaque(px, y)) {
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

std::vector<std::uint8_t> encodeIco4(std::span<const MaskedImage> images) {
    for (const MaskedImage& image : images) {
        check(image);
    }

    LittleEndianWriter out;
    out.u16(0); // reserved
    out.u16(1); // icon, not cursor
    out.u16(static_cast<std::uint16_t>(images.size()));

    std::uint32_t offset =
        kDirectoryHeaderBytes + kDirectoryEntryBytes * static_cast<std::uint32_t>(images.size());
    for (const MaskedImage& image : images) {
        const auto size = static_cast<std::uint8_t>(image.colours.width);
        out.u8(size);
        out.u8(size);
        out.u8(kColours);
        out.u8(0);  // reserved
        out.u16(1); // planes
        out.u16(4); // bits per pixel
        out.u32(imageBytes(image));
        out.u32(offset);
        offset += imageBytes(image);
    }
    for (const MaskedImage& image : images) {
        writeImage(out, image);
    }
    return out.take();
}

} // namespace zintar::pictures
