#include "core/keyboard_layout/standard_scan_codes.h"

#include <array>

namespace zintar {

namespace {

constexpr uint16_t kNo = kNoVirtualKey;
constexpr uint16_t kExt = kScanFlagExtended, kMulti = kScanFlagMultiVk;
constexpr uint16_t kPad = kScanFlagSpecial | kScanFlagNumpad; // number-pad keys with Num Lock

// Scan codes 0x00 to 0x7F, from Microsoft's keyboard scan-code table and the virtual-key
// codes of winuser.h.
// clang-format off
constexpr std::array<uint16_t, 0x80> kPlain{
    kNo,         0x1B,        '1',         '2',         '3',         '4',         '5',         '6',         // 00 Esc 1-6
    '7',         '8',         '9',         '0',         0xBD,        0xBB,        0x08,        0x09,        // 08 - = Backspace Tab
    'Q',         'W',         'E',         'R',         'T',         'Y',         'U',         'I',         // 10
    'O',         'P',         0xDB,        0xDD,        0x0D,        0xA2,        'A',         'S',         // 18 [ ] Enter LCtrl
    'D',         'F',         'G',         'H',         'J',         'K',         'L',         0xBA,        // 20 ;
    0xDE,        0xC0,        0xA0,        0xDC,        'Z',         'X',         'C',         'V',         // 28 ' ` LShift backslash
    'B',         'N',         'M',         0xBC,        0xBE,        0xBF,        0xA1 | kExt, 0x6A | kMulti, // 30 , . / RShift *
    0xA4,        0x20,        0x14,        0x70,        0x71,        0x72,        0x73,        0x74,        // 38 LAlt Space Caps F1-F5
    0x75,        0x76,        0x77,        0x78,        0x79,        0x90 | kExt | kMulti, 0x91 | kMulti, 0x24 | kPad, // 40 F6-F10 NumLock Scroll Home
    0x26 | kPad, 0x21 | kPad, 0x6D,        0x25 | kPad, 0x0C | kPad, 0x27 | kPad, 0x6B,        0x23 | kPad, // 48 number pad
    0x28 | kPad, 0x22 | kPad, 0x2D | kPad, 0x2E | kPad, 0x2C,        kNo,         0xE2,        0x7A,        // 50 SysRq OEM_102 F11
    0x7B,        0x0C,        0xEE,        0xF1,        0xEA,        0xF9,        0xF5,        0xF3,        // 58 F12 Clear, OEM keys
    kNo,         kNo,         0xFB,        0x2F,        0x7C,        0x7D,        0x7E,        0x7F,        // 60 Zoom Help F13-F16
    0x80,        0x81,        0x82,        0x83,        0x84,        0x85,        0x86,        0xED,        // 68 F17-F23 PA3
    kNo,         0xE9,        kNo,         0xC1,        kNo,         kNo,         0x87,        kNo,         // 70 Reset ABNT_C1 F24
    kNo,         kNo,         kNo,         0xEB,        0x09,        kNo,         0xC2,        0xEC,        // 78 PA1 Tab ABNT_C2 PA2
};
// clang-format on

constexpr PrefixedScanCode kE0[] = {
    {0x10, 0xB1 | kExt}, {0x19, 0xB0 | kExt}, {0x1C, 0x0D | kExt}, {0x1D, 0xA3 | kExt},
    {0x20, 0xAD | kExt}, {0x21, 0xB7 | kExt}, {0x22, 0xB3 | kExt}, {0x24, 0xB2 | kExt},
    {0x2E, 0xAE | kExt}, {0x30, 0xAF | kExt}, {0x32, 0xAC | kExt}, {0x35, 0x6F | kExt},
    {0x37, 0x2C | kExt}, {0x38, 0xA5 | kExt}, {0x46, 0x03 | kExt}, {0x47, 0x24 | kExt},
    {0x48, 0x26 | kExt}, {0x49, 0x21 | kExt}, {0x4B, 0x25 | kExt}, {0x4D, 0x27 | kExt},
    {0x4F, 0x23 | kExt}, {0x50, 0x28 | kExt}, {0x51, 0x22 | kExt}, {0x52, 0x2D | kExt},
    {0x53, 0x2E | kExt}, {0x5B, 0x5B | kExt}, {0x5C, 0x5C | kExt}, {0x5D, 0x5D | kExt},
    {0x5F, 0x5F | kExt}, {0x65, 0xAA | kExt}, {0x66, 0xAB | kExt}, {0x67, 0xA8 | kExt},
    {0x68, 0xA9 | kExt}, {0x69, 0xA7 | kExt}, {0x6A, 0xA6 | kExt}, {0x6B, 0xB6 | kExt},
    {0x6C, 0xB4 | kExt}, {0x6D, 0xB5 | kExt},
};

// Pause sends E1 1D 45.
constexpr PrefixedScanCode kE1[] = {{0x1D, 0x13}};

constexpr ModifierKey kModifierKeys[] = {
    {0x10, kModifierBitShift}, {0x11, kModifierBitCtrl}, {0x12, kModifierBitAlt}};

} // namespace

KeyboardLayoutTables StandardScanCodes() {
    KeyboardLayoutTables tables;
    tables.scanCodes.assign(kPlain.begin(), kPlain.end());
    tables.scanCodesE0.assign(std::begin(kE0), std::end(kE0));
    tables.scanCodesE1.assign(std::begin(kE1), std::end(kE1));
    tables.modifierKeys.assign(std::begin(kModifierKeys), std::end(kModifierKeys));
    return tables;
}

} // namespace zintar
