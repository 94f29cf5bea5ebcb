/* The layout-table structure that a keyboard layout DLL's KbdLayerDescriptor returns, as the
   test layouts declare it: 64-bit pointers, the system's field order and row shapes. The
   generated layouts (layout_dll_source) and the hand-made faulty ones include it. Rows whose
   length varies (a key's characters, the modification numbers, a ligature) are declared by
   each file at its own length. */
#ifndef ZINTAR_KBD_TABLES_H
#define ZINTAR_KBD_TABLES_H

#include <stddef.h>
#include <stdint.h>

typedef struct {
    uint8_t virtualKey;
    uint8_t modifierBits;
} KbdVkToBit;

typedef struct {
    const void* rows;
    uint8_t modifications;
    uint8_t rowSize;
} KbdCharacterTable;

typedef struct {
    uint32_t baseAndAccent; /* base in the low half, accent in the high half */
    uint16_t composed;
    uint16_t flags; /* 1: the composed character is a further dead key */
} KbdDeadKey;

typedef struct {
    uint8_t scanCode;
    const uint16_t* name;
} KbdKeyName;

typedef struct {
    uint8_t scanCode;
    uint16_t virtualKey;
} KbdScanCode;

typedef struct {
    const void* charModifiers;
    const KbdCharacterTable* characterTables;
    const KbdDeadKey* deadKeys;
    const KbdKeyName* keyNames;
    const KbdKeyName* keyNamesExtended;
    const uint16_t* const* deadKeyNames;
    const uint16_t* scanCodes;
    uint8_t scanCodeCount;
    const KbdScanCode* scanCodesE0;
    const KbdScanCode* scanCodesE1;
    uint32_t localeFlags;
    uint8_t ligatureLength;
    uint8_t ligatureRowSize;
    const void* ligatures;
    uint32_t keyboardType;
    uint32_t keyboardSubtype;
} KbdTables;

_Static_assert(sizeof(void*) == 8, "layout tables with 64-bit pointers");
_Static_assert(offsetof(KbdTables, scanCodeCount) == 56, "KBDTABLES field order");
_Static_assert(offsetof(KbdTables, localeFlags) == 80, "KBDTABLES field order");
_Static_assert(offsetof(KbdTables, ligatures) == 88, "KBDTABLES field order");
_Static_assert(sizeof(KbdTables) == 104, "KBDTABLES size");
_Static_assert(sizeof(KbdKeyName) == 16 && sizeof(KbdScanCode) == 4, "row sizes");
_Static_assert(sizeof(KbdCharacterTable) == 16 && sizeof(KbdDeadKey) == 8, "row sizes");

/* A layout DLL needs no C runtime: its entry point only says yes. */
#define KBD_DLL_ENTRY                                                                              \
    int __stdcall LayoutDllEntry(void* module, unsigned long reason, void* reserved) {             \
        (void)module;                                                                              \
        (void)reason;                                                                              \
        (void)reserved;                                                                            \
        return 1;                                                                                  \
    }

#define KBD_EXPORT __declspec(dllexport)

#endif
