// The pictures the build draws for 125, 150 and 200 %: each at the size of its control, and
// each drawn at that size rather than resampled, which would blur its edges into blends.
#include "picture_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>

using namespace pictures_test;
namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kColour = 0x00FFFFFF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;

struct Scale {
    int dpi;
    int flagWidth; // 315 x 300 twips
    int flagHeight;
    int emblem; // 240 twips
};
constexpr Scale kScales[] = {{120, 26, 25, 20}, {144, 32, 30, 24}, {192, 42, 40, 32}};

class ScaledPictures : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new fs::path(
            fs::temp_directory_path() /
            ("zintar-scaled-" +
             std::to_string(std::chrono::steady_clock::now().time_since_epoch().count())));
        const std::string command =
            std::string("\"") + ZINTAR_PICTURES_TOOL + "\" --scaled \"" + dir_->string() + "\"";
        ASSERT_EQ(run(command), 0) << command;
    }
    static void TearDownTestSuite() {
        fs::remove_all(*dir_);
        delete dir_;
    }
    static Picture flag(const std::string& name, int dpi) {
        return decodeBmp32(readFile(*dir_ / (name + "_" + std::to_string(dpi) + ".bmp")));
    }
    static Picture highlight(const std::string& name, int dpi) {
        return decodeBmp24(readFile(*dir_ / (name + "_hl_" + std::to_string(dpi) + ".bmp")));
    }

    static fs::path* dir_;
};
fs::path* ScaledPictures::dir_ = nullptr;

TEST_F(ScaledPictures, EachScaleHasItsControlsSizeAndNothingElseIsWritten) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(*dir_)) {
        names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names.size(), 15u);
    for (const Scale& s : kScales) {
        for (const std::string name : {"imgLangEng", "imgLangHUN"}) {
            const Picture lit = highlight(name, s.dpi);
            const Picture drawn = flag(name, s.dpi);
            EXPECT_EQ(drawn.width, s.flagWidth) << name << " " << s.dpi;
            EXPECT_EQ(drawn.height, s.flagHeight) << name << " " << s.dpi;
            EXPECT_EQ(lit.width, s.flagWidth) << name << " " << s.dpi;
            EXPECT_EQ(lit.height, s.flagHeight) << name << " " << s.dpi;
            // Only the margin's corners are see-through; the header band shows there.
            for (const auto& [x, y] : {std::pair{0, 0}, {s.flagWidth - 1, s.flagHeight - 1}}) {
                EXPECT_EQ(drawn.at(x, y), 0u) << name << " " << s.dpi;
            }
            EXPECT_EQ(drawn.at(1, 0), 0xFF000000 | kWhite) << name << " " << s.dpi;
        }
        const Picture emblem =
            decodeBmp24(readFile(*dir_ / ("Image2_" + std::to_string(s.dpi) + ".bmp")));
        EXPECT_EQ(emblem.width, s.emblem) << s.dpi;
        EXPECT_EQ(emblem.height, s.emblem) << s.dpi;
        // The ball leaves the corners white and is red at its centre.
        EXPECT_EQ(emblem.at(0, 0), kWhite) << s.dpi;
        EXPECT_GT(emblem.at(s.emblem / 2, s.emblem / 2) >> 16 & 0xFF, 0xA0u) << s.dpi;
        EXPECT_LT(emblem.at(s.emblem / 2, s.emblem / 2) & 0xFF, 0x60u) << s.dpi;
    }
}

// Bands of whole rows in pure colours: a resampled flag has a row of blends between bands.
TEST_F(ScaledPictures, HungarianBandsAreWholeRowsOfOneColourEach) {
    const std::set<std::uint32_t> palette = {kWhite, kRed, 0x840000, 0xC6C6C6, 0x00FF00, 0x008400};
    for (const Scale& s : kScales) {
        const Picture drawn = flag("imgLangHUN", s.dpi);
        std::vector<int> bandRows;
        std::uint32_t previous = 0;
        for (int y = 1; y < s.flagHeight - 1; ++y) {
            const std::uint32_t fill = drawn.at(s.flagWidth / 2, y) & kColour;
            for (int x = 2; x < s.flagWidth - 2; ++x) {
                EXPECT_EQ(drawn.at(x, y) & kColour, fill) << s.dpi << ": " << x << "," << y;
            }
            for (int x = 0; x < s.flagWidth; ++x) {
                if (drawn.at(x, y) >> 24 != 0) {
                    EXPECT_TRUE(palette.count(drawn.at(x, y) & kColour)) << x << "," << y;
                }
            }
            if (y == 1 || fill != previous) {
                bandRows.push_back(0);
            }
            ++bandRows.back();
            previous = fill;
        }
        // Edge row, the bands, edge row: the top and bottom edges are darker rows of their
        // band, so the red and green rows count one less here.
        ASSERT_EQ(bandRows.size(), 5u) << s.dpi;
        const int flagRows = s.flagHeight - 2;
        EXPECT_EQ(bandRows[0], 1);
        EXPECT_EQ(bandRows[4], 1);
        EXPECT_LE(std::abs(bandRows[1] + 1 - flagRows / 3), 1) << s.dpi;
        EXPECT_LE(std::abs(bandRows[2] - flagRows / 3), 1) << s.dpi;
        EXPECT_EQ(bandRows[1] + bandRows[2] + bandRows[3] + 2, flagRows) << s.dpi;
    }
}

// The highlight keeps the flag's one-pixel darker edge at every size: the edge lifted by a
// quarter, the field inside it by a half, the margin white.
TEST_F(ScaledPictures, HighlightBorderIsOnePixelWideAtEachSize) {
    constexpr std::uint32_t kLitRedEdge = 0xA34040; // 840000 a quarter towards white
    constexpr std::uint32_t kLitRed = 0xFF8080;     // FF0000 half way
    for (const Scale& s : kScales) {
        const Picture lit = highlight("imgLangHUN", s.dpi);
        const int row = 3;
        EXPECT_EQ(lit.at(0, row), kWhite) << s.dpi;
        EXPECT_EQ(lit.at(1, row), kLitRedEdge) << s.dpi;
        EXPECT_EQ(lit.at(2, row), kLitRed) << s.dpi;
        EXPECT_EQ(lit.at(s.flagWidth - 2, row), kLitRedEdge) << s.dpi;
        EXPECT_EQ(lit.at(s.flagWidth - 3, row), kLitRed) << s.dpi;
        EXPECT_EQ(lit.at(s.flagWidth / 2, 1), kLitRedEdge) << s.dpi;
        EXPECT_EQ(lit.at(s.flagWidth / 2, 2), kLitRed) << s.dpi;
    }
}

// The Union Flag's upright cross: pure red bars with pure white beside them, centred.
TEST_F(ScaledPictures, UnionFlagCrossEdgesFallOnWholePixels) {
    for (const Scale& s : kScales) {
        const Picture drawn = flag("imgLangEng", s.dpi);
        const auto colour = [&](int x, int y) { return drawn.at(x, y) & kColour; };
        const auto redRun = [&](bool across, int line, int length) {
            int first = -1;
            int last = -1;
            for (int i = 2; i < length - 2; ++i) {
                if ((across ? colour(i, line) : colour(line, i)) == kRed) {
                    first = first < 0 ? i : first;
                    last = i;
                }
            }
            ASSERT_GT(first, 0) << s.dpi;
            for (int i = first; i <= last; ++i) {
                EXPECT_EQ(across ? colour(i, line) : colour(line, i), kRed) << s.dpi << " " << i;
            }
            EXPECT_EQ(across ? colour(first - 1, line) : colour(line, first - 1), kWhite) << s.dpi;
            EXPECT_EQ(across ? colour(last + 1, line) : colour(line, last + 1), kWhite) << s.dpi;
            EXPECT_EQ(first - 1, length - 2 - last) << "centred, " << s.dpi;
        };
        redRun(true, 2, s.flagWidth);   // the upright bar, along a row near the top
        redRun(false, 2, s.flagHeight); // the level bar, down a column near the hoist
    }
}

} // namespace
