// Draws the program's icon and pictures and writes them into the directory given on the
// command line. The output depends on nothing but this code, so running it again gives the
// same bytes and the committed resource files can be checked against a fresh run.
//
//   zintar_pictures <directory>           the icon and the 100 % pictures kept under resources/
//   zintar_pictures --scaled <directory>  the pictures for 125, 150 and 200 %, which the build
//                                         draws for the resource compiler
#include "bmp_writer.h"
#include "emblem_art.h"
#include "file_output.h"
#include "flag_art.h"
#include "gif_writer.h"
#include "highlight.h"
#include "ico_writer.h"
#include "key_icon_art.h"
#include "scales.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;
using namespace zintar::pictures;

namespace {

void writeFlag(const fs::path& dir, const char* name, const Flag& flag) {
    const fs::path gif = dir / (std::string(name) + ".gif");
    writeGif(gif, flag.picture, flag.transparentIndex);
    // giflib creates its files readable by the owner only; make them like the others.
    fs::permissions(gif, fs::perms::group_read | fs::perms::others_read, fs::perm_options::add);
    writeFileReplacing(dir / (std::string(name) + "_hl.bmp"), encodeBmp24(highlightOf(flag)));
}

void writeDesign(const fs::path& dir) {
    fs::create_directories(dir);
    writeFlag(dir, "imgLangEng", englishFlag());
    writeFlag(dir, "imgLangHUN", hungarianFlag());
    writeFileReplacing(dir / "Image2.bmp", encodeBmp24(emblem()));
    std::vector<IconImage> icon;
    for (const int size : kIconSizes) {
        icon.push_back(keyCapImage(size));
    }
    writeFileReplacing(dir / "frmZintar.ico", encodeIco32(icon));
}

// <name>_<dpi>.bmp: the flag as the window draws it, and its highlight <name>_hl_<dpi>.bmp.
void writeScaledFlag(const fs::path& dir, const std::string& name, const FlagImage& flag, int dpi) {
    const std::string suffix = "_" + std::to_string(dpi) + ".bmp";
    writeFileReplacing(dir / (name + suffix), encodeBmp32(alphaPictureOf(flag)));
    writeFileReplacing(dir / (name + "_hl" + suffix), encodeBmp24(highlightOf(flag)));
}

void writeScaled(const fs::path& dir) {
    fs::create_directories(dir);
    for (const int dpi : kLargerDpis) {
        const int w = scaledSide(kFlagPictureWidth, dpi);
        const int h = scaledSide(kFlagPictureHeight, dpi);
        writeScaledFlag(dir, "imgLangEng", englishFlagSized(w, h), dpi);
        writeScaledFlag(dir, "imgLangHUN", hungarianFlagSized(w, h), dpi);
        writeFileReplacing(dir / ("Image2_" + std::to_string(dpi) + ".bmp"),
                           encodeBmp24(emblem(scaledSide(kEmblemSize, dpi))));
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool scaled = argc == 3 && std::string_view(argv[1]) == "--scaled";
    if (argc != 2 && !scaled) {
        std::cerr << "usage: zintar_pictures [--scaled] <output directory>\n";
        return 2;
    }
    try {
        if (scaled) {
            writeScaled(argv[2]);
        } else {
            writeDesign(argv[1]);
        }
    } catch (const std::exception& e) {
        std::cerr << "zintar_pictures: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
