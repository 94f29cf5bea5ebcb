/* Layout DLLs with one fault each, for the reader's checks; HOSTILE picks the fault. Apart
   from it the tables are a small valid layout: three keys, the standard modifiers, 48 scan
   codes.
     1 a pointer outside the image (pDeadKey)
     2 a table without its end row (300 rows after E0, none of them empty)
     3 a character table of 255 modifications, 255 bytes a row
     4 a scan-code count of 255 over a table of 48
     5 no KbdLayerDescriptor export
     6 KbdLayerDescriptor returns null
     7 no fault, but a dead key whose chain leads back to itself */
#include "kbd_tables.h"

#ifndef HOSTILE
#error "HOSTILE names the fault"
#endif

static const KbdVkToBit vkToBit[] = {{0x10, 1}, {0x11, 2}, {0x12, 4}, {0, 0}};
static const struct {
    const KbdVkToBit* vkToBit;
    uint16_t maxBits;
    uint8_t numbers[4];
} modifiers = {vkToBit, 3, {0, 1, 2, 15}};

typedef struct {
    uint8_t virtualKey;
    uint8_t attributes;
    uint16_t cells[2];
} Row2;
/* A, then Swiss German's ü key (SGCAPS: its Caps Lock row follows), then a dead key whose
   accent (x) is on the row after it. */
static const Row2 rows2[] = {{'A', 1, {'a', 'A'}},     {0xBA, 2, {0xFC, 0xE8}},
                             {0xFF, 0, {0xDC, 0xC8}},  {0xDE, 0, {0xF001, '"'}},
                             {0xFF, 0, {'x', 0xF000}}, {0, 0, {0, 0}}};

#if HOSTILE == 3
static const KbdCharacterTable characterTables[] = {{rows2, 255, 255}, {0, 0, 0}};
#else
static const KbdCharacterTable characterTables[] = {{rows2, 2, sizeof(Row2)}, {0, 0, 0}};
#endif

static const uint16_t scanCodes[48] = {0xFF, 0x1B, [0x1A] = 0xBA, [0x1E] = 'A', [0x28] = 0xDE};

#if HOSTILE == 2
#define ROW {0x01, 0x1B},
#define ROWS10 ROW ROW ROW ROW ROW ROW ROW ROW ROW ROW
#define ROWS100 ROWS10 ROWS10 ROWS10 ROWS10 ROWS10 ROWS10 ROWS10 ROWS10 ROWS10 ROWS10
static const KbdScanCode scanCodesE0[300] = {ROWS100 ROWS100 ROWS100};
#else
static const KbdScanCode scanCodesE0[] = {{0x1C, 0x10D}, {0, 0}};
#endif

#if HOSTILE == 1
#define DEAD_KEYS ((const KbdDeadKey*)(uintptr_t)0x10000)
#elif HOSTILE == 7
static const KbdDeadKey deadKeys[] = {
    {'x' << 16 | 'x', 'x', 1}, {'x' << 16 | ' ', 'x', 0}, {0, 0, 0}};
#define DEAD_KEYS deadKeys
#else
#define DEAD_KEYS 0
#endif

#if HOSTILE == 4
#define SCAN_CODE_COUNT 255
#else
#define SCAN_CODE_COUNT 48
#endif

static const KbdTables tables = {
    &modifiers, characterTables, DEAD_KEYS, 0, 0, 0, scanCodes, SCAN_CODE_COUNT, scanCodesE0,
    0,          0x10000,         0,         0, 0, 4, 0,
};

#if HOSTILE == 5
KBD_EXPORT const KbdTables* KbdLayerTables(void) {
    return &tables;
}
#elif HOSTILE == 6
KBD_EXPORT const KbdTables* KbdLayerDescriptor(void) {
    return 0;
}
const KbdTables* UnusedTables(void) {
    return &tables;
}
#else
KBD_EXPORT const KbdTables* KbdLayerDescriptor(void) {
    return &tables;
}
#endif

KBD_DLL_ENTRY
