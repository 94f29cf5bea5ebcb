#pragma once
// Reading a layout DLL's KBDTABLES out of its loaded image, trusting nothing in it: every
// pointer is checked against the parts of the image that may be read before anything is read
// through it, every table is read up to its end marker within a bound, and every count is
// checked against what the structure can hold. A layout that fails a check gives the check
// that failed, never a crash, a hang or half the tables.
//
// The image is given as the readable parts of the DLL's memory, each at the address its own
// pointers use (64-bit pointers, as on 64-bit Windows), so the rules run without Windows.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/keyboard_layout/layout_tables.h"

namespace zintar {

// A readable stretch of the image: size bytes at bytes, which the DLL's pointers call address.
struct ImageRegion {
    uint64_t address = 0;
    const std::byte* bytes = nullptr;
    size_t size = 0;
};

enum class LayoutFault : uint8_t {
    InvalidFileName,    // not a plain file name of the system folder
    LoadFailed,         // the DLL would not load
    NotAnImage,         // its PE headers make no sense
    NoDescriptor,       // no KbdLayerDescriptor export
    NullPointer,        // a pointer that must be there is null
    OutsideImage,       // a pointer, or what it points to, lies outside the readable image
    NoTerminator,       // a table runs past its bound without its end row
    CountOutOfRange,    // a count or size the structure cannot have
    UnterminatedString, // a name runs past its bound without its end
    MissingRow,         // a dead key's accent row or a Caps Lock row is missing
};

// Which part of the tables a fault was found in: the structure's own field names.
enum class LayoutPart : uint8_t {
    File,
    Descriptor,     // KbdLayerDescriptor and the KBDTABLES it returns
    CharModifiers,  // pCharModifiers
    VkToBit,        // its pVkToBit rows
    VkToWcharTable, // pVkToWcharTable
    VkToWchars,     // the rows of one of its tables
    DeadKey,        // pDeadKey
    KeyNames,       // pKeyNames
    KeyNamesExt,    // pKeyNamesExt
    KeyNamesDead,   // pKeyNamesDead
    VscToVk,        // pusVSCtoVK, bMaxVSCtoVK
    VscToVkE0,      // pVSCtoVK_E0
    VscToVkE1,      // pVSCtoVK_E1
    Ligature,       // pLigature, nLgMax, cbLgEntry
};

struct LayoutProblem {
    LayoutFault fault = LayoutFault::LoadFailed;
    LayoutPart part = LayoutPart::File;
    uint32_t systemError = 0; // the system's error code, where a system call failed
    bool operator==(const LayoutProblem&) const = default;
};

struct LayoutReadResult {
    KeyboardLayoutTables tables;          // empty unless the whole layout was read
    std::optional<LayoutProblem> problem; // why not
    bool ok() const { return !problem; }
};

// The bounds the reader holds a layout to; each is well above what any real layout uses.
inline constexpr size_t kMaxTableRows = 256;      // key names, scan-code and modifier rows
inline constexpr size_t kMaxCharacterRows = 512;  // one table's rows, with continuation rows
inline constexpr size_t kMaxCharacterTables = 16; // tables of different widths
inline constexpr size_t kMaxDeadKeyRows = 4096;   // compositions of all dead keys
inline constexpr size_t kMaxNameLength = 64;      // characters of a key name
inline constexpr size_t kMaxModifications = 16;   // nModifications; 15 is the invalid mark
inline constexpr size_t kMaxLigatureLength = 16;  // nLgMax
inline constexpr size_t kMaxScanCodes = 0x80;     // bMaxVSCtoVK: scan codes are 7 bits

LayoutReadResult ReadLayoutTables(std::span<const ImageRegion> image, uint64_t tablesAddress);

// Whether a layout's file name, as the registry gives it, names a file of the system folder
// itself: no folder, drive, stream or "..", nothing but a name.
bool IsPlainLayoutFileName(std::wstring_view name);

} // namespace zintar
