#include "gif_writer.h"

#include <gif_lib.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace zintar::pictures {
namespace {

[[noreturn]] void fail(const std::string& what, int error) {
    const char* reason = GifErrorString(error);
    throw std::runtime_error(what + ": " + (reason ? reason : "unknown giflib error"));
}

// EGifCloseFile writes the trailer and frees the handle even when it fails, so the handle
// must be closed exactly once: by close() on success, by the deleter on an error path.
struct GifCloser {
    void operator()(GifFileType* gif) const {
        int ignored = 0;
        EGifCloseFile(gif, &ignored);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

void check(GifHandle& gif, int status, const char* what) {
    if (status == GIF_ERROR) {
        fail(what, gif->Error);
    }
}

void putLooping(GifHandle& gif) {
    static constexpr char kApplication[] = "NETSCAPE2.0";
    // Sub-block 1 carries the loop count, little-endian; 0 means forever.
    static constexpr std::array<GifByteType, 3> kLoopForever = {1, 0, 0};
    check(gif, EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE), "looping block");
    check(gif, EGifPutExtensionBlock(gif.get(), sizeof kApplication - 1, kApplication),
          "looping block");
    check(gif, EGifPutExtensionBlock(gif.get(), kLoopForever.size(), kLoopForever.data()),
          "looping block");
    check(gif, EGifPutExtensionTrailer(gif.get()), "looping block");
}

void putGraphicControl(GifHandle& gif, int transparentIndex) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = 0;
    control.TransparentColor = transparentIndex;
    std::array<GifByteType, 4> block{};
    const auto length = EGifGCBToExtension(&control, block.data());
    check(
        gif,
        EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), block.data()),
        "graphic control block");
}

} // namespace

void writeGif(const std::filesystem::path& file, const IndexedImage& picture,
              int transparentIndex) {
    const int colours = static_cast<int>(picture.palette.size());
    if (colours < 2 || colours > 256 || (colours & (colours - 1)) != 0) {
        throw std::invalid_argument("GIF palettes have 2, 4, 8, ... 256 entries");
    }
    if (transparentIndex < 0 || transparentIndex >= colours) {
        throw std::invalid_argument("transparent index outside the palette");
    }

    std::vector<GifColorType> entries;
    for (const Rgb& c : picture.palette) {
        entries.push_back({c.r, c.g, c.b});
    }
    const std::unique_ptr<ColorMapObject, MapDeleter> map(
        GifMakeMapObject(colours, entries.data()));
    if (!map) {
        throw std::runtime_error("out of memory for the GIF palette");
    }

    int error = 0;
    GifHandle gif(EGifOpenFileName(file.string().c_str(), false, &error));
    if (!gif) {
        fail("cannot create " + file.string(), error);
    }
    // The extension blocks below belong to GIF89a; giflib writes GIF87a unless told.
    EGifSetGifVersion(gif.get(), true);
    // Colour resolution 8: the palette was chosen from 8-bit components. The background is
    // the transparent entry, though with one full-size image it never shows.
    check(
        gif,
        EGifPutScreenDesc(gif.get(), picture.width, picture.height, 8, transparentIndex, map.get()),
        "screen descriptor");
    putLooping(gif);
    putGraphicControl(gif, transparentIndex);
    check(gif, EGifPutImageDesc(gif.get(), 0, 0, picture.width, picture.height, false, nullptr),
          "image descriptor");

    std::vector<GifPixelType> row(picture.width);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            row[x] = picture.at(x, y);
        }
        check(gif, EGifPutLine(gif.get(), row.data(), picture.width), "image data");
    }

    int closeError = 0;
    if (EGifCloseFile(gif.release(), &closeError) == GIF_ERROR) {
        fail("cannot finish " + file.string(), closeError);
    }
}

} // namespace zintar::pictures
