// zintar_layout_dll_source DESCRIPTION OUTPUT.c
// Reads a layout description (layout_description.h) and writes the C source of a keyboard
// layout DLL with those tables; the source includes kbd_tables.h from this folder.
#include <fstream>
#include <iostream>
#include <sstream>

#include "layout_description.h"
#include "layout_dll_source.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: zintar_layout_dll_source DESCRIPTION OUTPUT.c\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    const zintar::LayoutDescription description = zintar::ParseLayoutDescription(text.str());
    if (!description.error.empty()) {
        std::cerr << argv[1] << ": " << description.error << '\n';
        return 1;
    }
    const zintar::LayoutDllSource dll =
        zintar::WriteLayoutDllSource(description.tables, "kbd_tables.h");
    if (!dll.error.empty()) {
        std::cerr << argv[1] << ": " << dll.error << '\n';
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << dll.source;
    out.close();
    if (!out) {
        std::cerr << argv[2] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
