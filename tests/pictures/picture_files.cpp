#include "picture_files.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace pictures_test {

Bytes readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + file.string());
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes readResource(const std::string& name) {
    return readFile(std::filesystem::path(ZINTAR_RESOURCES_DIR) / name);
}

std::uint32_t le(const Bytes& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | bytes.at(at + i);
    }
    return value;
}

namespace {

Picture decodeBmp(const Bytes& file, int bitsPerPixel) {
    const auto fault = [](const char* what) { throw std::runtime_error(what); };
    const int bytesPerPixel = bitsPerPixel / 8;
    if (file.size() < 54 || file[0] != 'B' || file[1] != 'M' || le(file, 2, 4) != file.size()) {
        fault("no bitmap file header of the right size");
    }
    if (le(file, 10, 4) != 54 || le(file, 14, 4) != 40) {
        fault("pixels do not follow a 40-byte info header");
    }
    if (le(file, 26, 2) != 1 || le(file, 28, 2) != std::uint32_t(bitsPerPixel) ||
        le(file, 30, 4) != 0) {
        fault("not uncompressed at the expected bits per pixel");
    }
    if (le(file, 46, 4) != 0) {
        fault("carries a colour table");
    }
    const auto width = static_cast<std::int32_t>(le(file, 18, 4));
    const auto height = static_cast<std::int32_t>(le(file, 22, 4));
    if (width <= 0 || height <= 0) {
        fault("not a bottom-up bitmap");
    }
    const std::size_t stride = (std::size_t(width) * bytesPerPixel + 3) / 4 * 4;
    if (file.size() != 54 + stride * height || le(file, 34, 4) != stride * height) {
        fault("rows are not padded to four bytes");
    }
    Picture picture{width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
    for (int y = 0; y < height; ++y) {
        const std::size_t row = 54 + stride * (height - 1 - y);
        const std::size_t used = std::size_t(width) * bytesPerPixel;
        for (std::size_t pad = row + used; pad < row + stride; ++pad) {
            if (file[pad] != 0) {
                fault("row padding is not zero");
            }
        }
        for (int x = 0; x < width; ++x) {
            picture.pixels[std::size_t(y) * width + x] =
                le(file, row + std::size_t(bytesPerPixel) * x, bytesPerPixel);
        }
    }
    return picture;
}

} // namespace

Picture decodeBmp32(const Bytes& file) {
    return decodeBmp(file, 32);
}

Picture decodeBmp24(const Bytes& file) {
    return decodeBmp(file, 24);
}

void GifCloser::operator()(GifFileType* gif) const {
    int ignored = 0;
    DGifCloseFile(gif, &ignored);
}

Gif slurpGif(const std::string& resourceName) {
    const std::string path = std::string(ZINTAR_RESOURCES_DIR) + "/" + resourceName;
    int error = 0;
    Gif gif{std::unique_ptr<GifFileType, GifCloser>(DGifOpenFileName(path.c_str(), &error))};
    if (!gif.file || DGifSlurp(gif.file.get()) != GIF_OK || gif.file->ImageCount != 1 ||
        !gif.file->SColorMap) {
        throw std::runtime_error("cannot decode " + path + " as one image with a palette");
    }
    return gif;
}

int Gif::index(int x, int y) const {
    const SavedImage& image = file->SavedImages[0];
    return image.RasterBits[std::size_t(y) * image.ImageDesc.Width + x];
}

std::uint32_t Gif::colour(int i) const {
    const GifColorType& c = file->SColorMap->Colors[i];
    return std::uint32_t(c.Red) << 16 | std::uint32_t(c.Green) << 8 | c.Blue;
}

int run(const std::string& commandLine) {
    const int status = std::system(commandLine.c_str());
    return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace pictures_test
