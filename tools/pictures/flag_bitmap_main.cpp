// Turns a still GIF with a transparent index into the 32-bit premultiplied-alpha bitmap that
// the window draws with AlphaBlend, so the program decodes no GIF at run time. The build runs
// it for each flag; the output depends on the GIF's pixels alone (no time, no path), so
// every build embeds the same bytes.
#include "bmp_writer.h"
#include "file_output.h"
#include "gif_reader.h"

#include <exception>
#include <iostream>

using namespace zintar::pictures;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: zintar_flag_bitmap <picture.gif> <picture.bmp>\n";
        return 2;
    }
    try {
        writeFileReplacing(argv[2], encodeBmp32(premultipliedAlpha(readStillGif(argv[1]))));
    } catch (const std::exception& e) {
        std::cerr << "zintar_flag_bitmap: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
