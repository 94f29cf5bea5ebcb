#pragma once
// The project's own text form of a keyboard layout, from which the test layouts are made:
// one line per key with what it types in each column, the dead keys' compositions, key
// names, and the scan codes where they differ from US's. The form, line by line:
//
//   # a comment                          (a line whose first visible character is #)
//   type 4 0                             keyboard type and subtype
//   flags altgr                          altgr, shiftlock, lrm_rlm
//   columns plain shift ctrl altgr shift+altgr
//                                        the modifier combinations, one modification number
//                                        each, in order: plain shift ctrl shift+ctrl alt
//                                        shift+alt altgr (Ctrl+Alt) shift+altgr
//   scan 15 Z                            scan code 0x15 gives VK_Z (scan e0 35 ... after E0);
//                                        flags may follow: ext multivk special numpad
//   key OEM_1 caplok é É - - -           virtual key (A, 1, OEM_1, SPACE, 0xE2...), the
//                                        attributes caplok sgcaps caplokaltgr kanalok, then
//                                        one cell per column, the ones left out typing nothing
//   caps Ü È                             the Caps Lock row of the sgcaps key just above
//   dead ´ a=á e=é space=´ ^=dead:ˆ      the compositions of one accent; dead: a chain
//   name 01 Esc                          a key's name (name-ext after E0, name-dead ´ ACUTE)
//
// A cell is one character (UTF-8), U+XXXX, "space", "-" for nothing, dead:X for a dead key
// whose accent is X, or lig:XY for the characters of a ligature.
#include <string>
#include <string_view>

#include "core/keyboard_layout/layout_tables.h"

namespace zintar {

struct LayoutDescription {
    KeyboardLayoutTables tables;
    std::string error; // "line 12: unknown virtual key OEM_9"; empty when the text was read
};

LayoutDescription ParseLayoutDescription(std::string_view text);

} // namespace zintar
