// Draws the program's icon and pictures and writes them into the directory given on the
// command line. The output depends on nothing but this code, so running it again gives the
// same bytes and the committed resource files can be checked against a fresh run.
#include "bmp_writer.h"
#include "emblem_art.h"
#include "file_output.h"
#include "flag_art.h"
#include "gif_writer.h"
#include "highlight.h"
#include "ico_writer.h"
#include "key_icon_art.h"

#include <array>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <span>
#include <stdexcept>
#include <string>
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

void writeAll(const fs::path& dir) {
    fs::create_directories(dir);
    writeFlag(dir, "imgLangEng", englishFlag());
    writeFlag(dir, "imgLangHUN", hungarianFlag());
    writeFileReplacing(dir / "Image2.bmp", encodeBmp24(emblem()));
    const std::array<MaskedImage, 2> icon = {keyCapIcon(16), keyCapIcon(32)};
    writeFileReplacing(dir / "frmZintar.ico", encodeIco4(icon));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zintar_pictures <output directory>\n";
        return 2;
    }
    try {
        writeAll(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "zintar_pictures: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
