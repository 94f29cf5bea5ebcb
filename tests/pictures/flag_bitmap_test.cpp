// The build's flag converter: each flag GIF becomes a 32-bit premultiplied-alpha bitmap of
// the same pixels, and a damaged GIF fails the build instead of becoming a wrong picture.
#include "picture_files.h"

#include <gtest/gtest.h>

#include <gif_lib.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace pictures_test;
namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kOpaqueAlpha = 0xFF000000;

class FlagConverter : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("zintar-flag-bitmap-" +
                std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path path(const std::string& name) const { return dir_ / name; }

    static int convert(const std::vector<std::string>& args) {
        std::string command = std::string("\"") + ZINTAR_FLAG_BITMAP_TOOL + "\"";
        for (const std::string& arg : args) {
            command += " \"" + arg + "\"";
        }
        return run(command + " 2>/dev/null");
    }

  private:
    fs::path dir_;
};

TEST_F(FlagConverter, EveryPixelIsItsGifColourOpaqueButTheFourTransparentCorners) {
    const std::set<std::pair<int, int>> corners = {{0, 0}, {20, 0}, {0, 19}, {20, 19}};
    for (const std::string name : {"imgLangEng", "imgLangHUN"}) {
        const fs::path out = path(name + ".bmp");
        ASSERT_EQ(convert({std::string(ZINTAR_RESOURCES_DIR) + "/" + name + ".gif", out}), 0);
        const Gif gif = slurpGif(name + ".gif");
        GraphicsControlBlock control{};
        ASSERT_EQ(DGifSavedExtensionToGCB(gif.file.get(), 0, &control), GIF_OK);

        Picture bitmap;
        ASSERT_NO_THROW(bitmap = decodeBmp32(readFile(out))) << name;
        ASSERT_EQ((std::array{bitmap.width, bitmap.height}), (std::array{21, 20})) << name;
        std::set<std::pair<int, int>> clear;
        for (int y = 0; y < bitmap.height; ++y) {
            for (int x = 0; x < bitmap.width; ++x) {
                if (gif.index(x, y) == control.TransparentColor) {
                    clear.insert({x, y});
                    EXPECT_EQ(bitmap.at(x, y), 0u) << name << " " << x << "," << y;
                } else {
                    EXPECT_EQ(bitmap.at(x, y), kOpaqueAlpha | gif.at(x, y))
                        << name << " " << x << "," << y;
                }
            }
        }
        EXPECT_EQ(clear, corners) << name;
    }
}

TEST_F(FlagConverter, GivesTheSameBytesWhereverItWrites) {
    const std::string source = std::string(ZINTAR_RESOURCES_DIR) + "/imgLangHUN.gif";
    fs::create_directories(path("elsewhere"));
    ASSERT_EQ(convert({source, path("first.bmp")}), 0);
    ASSERT_EQ(convert({source, path("elsewhere/second.bmp")}), 0);
    EXPECT_TRUE(readFile(path("first.bmp")) == readFile(path("elsewhere/second.bmp")));
}

// A 4 x 3 GIF of a four-colour palette whose pixel (x, y) has index (x + y) % 4.
struct GifShape {
    int screenWidth = 4;
    int screenHeight = 3;
    int images = 1;
    int imageWidth = 4;
    int transparent = NO_TRANSPARENT_COLOR; // no graphic control block at all
};
constexpr std::array<GifColorType, 4> kColours = {
    {{0x10, 0x20, 0x30}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0x00, 0x00, 0xFF}}};

void writeGif(const fs::path& file, const GifShape& shape) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(file.c_str(), false, &error);
    ASSERT_NE(gif, nullptr);
    ColorMapObject* map = GifMakeMapObject(4, kColours.data());
    bool ok = EGifPutScreenDesc(gif, shape.screenWidth, shape.screenHeight, 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);
    for (int image = 0; ok && image < shape.images; ++image) {
        if (shape.transparent != NO_TRANSPARENT_COLOR) {
            GraphicsControlBlock control{};
            control.TransparentColor = shape.transparent;
            std::array<GifByteType, 4> block{};
            EGifGCBToExtension(&control, block.data());
            ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block.data()) == GIF_OK;
        }
        ok = ok && EGifPutImageDesc(gif, 0, 0, shape.imageWidth, shape.screenHeight, false,
                                    nullptr) == GIF_OK;
        for (int y = 0; ok && y < shape.screenHeight; ++y) {
            std::vector<GifPixelType> row(shape.imageWidth);
            for (int x = 0; x < shape.imageWidth; ++x) {
                row[x] = static_cast<GifPixelType>((x + y) % 4);
            }
            ok = EGifPutLine(gif, row.data(), shape.imageWidth) == GIF_OK;
        }
    }
    EXPECT_EQ(EGifCloseFile(gif, &error), GIF_OK);
    ASSERT_TRUE(ok);
}

TEST_F(FlagConverter, MarksOnlyTheGraphicControlBlocksIndexTransparent) {
    for (const int transparent : {NO_TRANSPARENT_COLOR, 0, 2}) {
        writeGif(path("in.gif"), {.transparent = transparent});
        ASSERT_EQ(convert({path("in.gif"), path("out.bmp")}), 0) << transparent;
        const Picture bitmap = decodeBmp32(readFile(path("out.bmp")));
        ASSERT_EQ((std::array{bitmap.width, bitmap.height}), (std::array{4, 3}));
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) {
                const int index = (x + y) % 4;
                const GifColorType& c = kColours[index];
                const std::uint32_t want = index == transparent
                                               ? 0u
                                               : kOpaqueAlpha | std::uint32_t(c.Red) << 16 |
                                                     std::uint32_t(c.Green) << 8 | c.Blue;
                EXPECT_EQ(bitmap.at(x, y), want) << transparent << ": " << x << "," << y;
            }
        }
    }
}

// Every refused input leaves the earlier output whole and no partial file beside it.
TEST_F(FlagConverter, RefusesWhatIsNoSingleFullScreenGifAndKeepsTheOldOutput) {
    const std::string flag = std::string(ZINTAR_RESOURCES_DIR) + "/imgLangEng.gif";
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
        int status;
    };
    const auto bytes = [](Bytes content) {
        return [content](const fs::path& file) {
            std::ofstream(file, std::ios::binary)
                .write(reinterpret_cast<const char*>(content.data()),
                       static_cast<std::streamsize>(content.size()));
        };
    };
    Bytes truncated = readFile(flag);
    truncated.resize(truncated.size() / 2);
    const std::vector<Case> cases = {
        {"missing", [](const fs::path&) {}, 1},
        {"empty", bytes({}), 1},
        {"a bitmap", bytes(readResource("Image2.bmp")), 1},
        {"cut in half", bytes(truncated), 1},
        {"two images", [](const fs::path& f) { writeGif(f, {.images = 2}); }, 1},
        {"narrower than its screen", [](const fs::path& f) { writeGif(f, {.imageWidth = 3}); }, 1},
    };
    const Bytes old = {'o', 'l', 'd'};
    for (const Case& c : cases) {
        fs::remove(path("in.gif"));
        c.make(path("in.gif"));
        bytes(old)(path("out.bmp"));
        EXPECT_EQ(convert({path("in.gif"), path("out.bmp")}), c.status) << c.what;
        EXPECT_TRUE(readFile(path("out.bmp")) == old) << c.what;
        EXPECT_FALSE(fs::exists(path("out.bmp.partial"))) << c.what;
    }
    EXPECT_EQ(convert({flag}), 2) << "one argument is a usage error";
}

} // namespace
