// Prints the core's line of code for each of a fixed set of key combinations, one a line, in
// the language named by the argument (win32, winforms, wpf, javascript, sdl, autohotkey).
// check_code_lines.sh puts them into handlers of each API and compiles or runs them.
#include <cstdio>
#include <cstring>
#include <string>

#include "core/key_identity/copy_as_code.h"

namespace {

using zintar::CodeLanguage;
using zintar::KeyCombination;

// The order is part of the checker's expectations: it numbers the lines from 1.
constexpr KeyCombination kCombinations[] = {
    {0x74, 0x3F, false, 3}, // 1 Ctrl+Shift+F5
    {0x41, 0x1E, false, 0}, // 2 A
    {0x0D, 0x1C, true, 4},  // 3 Alt+Numpad Enter
    {0x25, 0x4B, true, 1},  // 4 Shift+Left
    {0xBA, 0x27, false, 2}, // 5 Ctrl+; (VK_OEM_1)
    {0x13, 0x45, false, 0}, // 6 Pause
    {0x2E, 0x53, true, 6},  // 7 Ctrl+Alt+Delete
    {0x11, 0x1D, true, 2},  // 8 right Ctrl alone
    {0xB3, 0x22, true, 0},  // 9 Play/Pause media key
    {0xE8, 0x00, false, 7}, // 10 Ctrl+Shift+Alt and a code no table names
};

struct Named {
    const char* name;
    CodeLanguage language;
};
constexpr Named kLanguages[] = {
    {"win32", CodeLanguage::Win32}, {"winforms", CodeLanguage::WinForms},
    {"wpf", CodeLanguage::Wpf},     {"javascript", CodeLanguage::JavaScript},
    {"sdl", CodeLanguage::Sdl},     {"autohotkey", CodeLanguage::AutoHotkey},
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s win32|winforms|wpf|javascript|sdl|autohotkey\n", argv[0]);
        return 2;
    }
    for (const Named& named : kLanguages) {
        if (std::strcmp(argv[1], named.name) != 0)
            continue;
        for (const KeyCombination& k : kCombinations) {
            std::string line;
            for (wchar_t c : zintar::CodeLine(named.language, k)) {
                if (c < 0x20 || c > 0x7E) {
                    std::fprintf(stderr, "non-ASCII character in a code line\n");
                    return 1;
                }
                line += static_cast<char>(c);
            }
            std::printf("%s\n", line.c_str());
        }
        return 0;
    }
    std::fprintf(stderr, "unknown language %s\n", argv[1]);
    return 2;
}
