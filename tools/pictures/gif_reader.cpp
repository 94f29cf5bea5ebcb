#include "gif_reader.h"

#include <gif_lib.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace zintar::pictures {
namespace {

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int ignored = 0;
        DGifCloseFile(gif, &ignored);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

[[noreturn]] void fail(const std::filesystem::path& file, const std::string& what) {
    throw std::runtime_error(file.string() + ": " + what);
}

std::string giflibReason(int error) {
    const char* reason = GifErrorString(error);
    return reason ? reason : "unknown giflib error";
}

constexpr std::uint8_t kOpaque = 255;

} // namespace

StillGif readStillGif(const std::filesystem::path& file) {
    int error = 0;
    GifHandle gif(DGifOpenFileName(file.string().c_str(), &error));
    if (!gif) {
        fail(file, "cannot open as GIF: " + giflibReason(error));
    }
    if (DGifSlurp(gif.get()) != GIF_OK) {
        fail(file, "cannot decode: " + giflibReason(gif->Error));
    }
    if (gif->ImageCount != 1) {
        fail(file, "holds " + std::to_string(gif->ImageCount) + " images, not one");
    }
    const SavedImage& image = gif->SavedImages[0];
    const GifImageDesc& desc = image.ImageDesc;
    if (desc.Left != 0 || desc.Top != 0 || desc.Width != gif->SWidth ||
        desc.Height != gif->SHeight) {
        fail(file, "the image does not cover the whole screen");
    }
    if (desc.Width <= 0 || desc.Height <= 0 || desc.Width > kLargestGifSide ||
        desc.Height > kLargestGifSide) {
        fail(file, "size out of range");
    }
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map || map->ColorCount <= 0) {
        fail(file, "no palette");
    }

    std::vector<Rgb> palette;
    for (int i = 0; i < map->ColorCount; ++i) {
        const GifColorType& c = map->Colors[i];
        palette.push_back({c.Red, c.Green, c.Blue});
    }
    StillGif still{IndexedImage(desc.Width, desc.Height, std::move(palette), 0), kNoTransparency};
    const std::size_t count = std::size_t(desc.Width) * std::size_t(desc.Height);
    for (std::size_t i = 0; i < count; ++i) {
        const GifByteType index = image.RasterBits[i];
        if (index >= map->ColorCount) {
            fail(file, "a pixel lies outside the palette");
        }
        still.picture.pixels[i] = index;
    }

    // Without a graphic control block giflib answers GIF_ERROR and leaves the defaults,
    // which mean "nothing transparent": exactly what such a picture is.
    GraphicsControlBlock control{};
    if (DGifSavedExtensionToGCB(gif.get(), 0, &control) == GIF_OK &&
        control.TransparentColor != NO_TRANSPARENT_COLOR) {
        if (control.TransparentColor < 0 || control.TransparentColor >= map->ColorCount) {
            fail(file, "the transparent index lies outside the palette");
        }
        still.transparentIndex = control.TransparentColor;
    }
    return still;
}

RgbaImage premultipliedAlpha(const StillGif& gif) {
    const IndexedImage& in = gif.picture;
    RgbaImage out(in.width, in.height);
    for (std::size_t i = 0; i < in.pixels.size(); ++i) {
        const std::uint8_t index = in.pixels[i];
        if (index == gif.transparentIndex) {
            continue; // stays {0, 0, 0, 0}
        }
        const Rgb& c = in.palette.at(index);
        out.pixels[i] = {c.r, c.g, c.b, kOpaque}; // full alpha: premultiplying changes nothing
    }
    return out;
}

} // namespace zintar::pictures
