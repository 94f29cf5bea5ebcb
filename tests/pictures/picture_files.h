// Strict readers for the committed picture files, written apart from the generator so the
// tests judge the files themselves. They throw std::runtime_error naming any format fault.
// Colours are 0xRRGGBB.
#pragma once

#include <gif_lib.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace pictures_test {

using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::filesystem::path& file);
Bytes readResource(const std::string& name);
std::uint32_t le(const Bytes& bytes, std::size_t at, int size); // 1, 2 or 4 bytes

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // rows from the top

    std::uint32_t at(int x, int y) const { return pixels.at(std::size_t(y) * width + x); }
};

// Uncompressed 32 bits per pixel, bottom-up rows, pixels right after the two headers, file
// size exact; pixels are 0xAARRGGBB.
Picture decodeBmp32(const Bytes& file);
// The same at 24 bits per pixel; pixels are 0xRRGGBB.
Picture decodeBmp24(const Bytes& file);

struct GifCloser {
    void operator()(GifFileType* gif) const;
};
struct Gif {
    std::unique_ptr<GifFileType, GifCloser> file;
    int index(int x, int y) const;
    std::uint32_t colour(int index) const;
    std::uint32_t at(int x, int y) const { return colour(index(x, y)); }
};
Gif slurpGif(const std::string& resourceName); // DGifSlurp, one image expected

// Runs a command line through the shell and gives its exit status (-1 when none).
int run(const std::string& commandLine);

} // namespace pictures_test
