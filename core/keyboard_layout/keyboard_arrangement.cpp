#include "core/keyboard_layout/keyboard_arrangement.h"

#include <algorithm>
#include <array>

#include "core/keyboard_layout/layout_typing.h"

namespace zintar {

namespace {

constexpr uint8_t kIsoKey = 0x56, kIsoNeighbour = 0x2B;
constexpr uint8_t kAbntKey = 0x73, kAbntNumpadKey = 0x7E;

// A key of one row; x and width in quarter keys.
constexpr KeyCap K(uint8_t scan, uint8_t row, int x, int width = kQuartersPerKey) {
    return {scan,
            false,
            row,
            1,
            static_cast<int16_t>(x),
            static_cast<int16_t>(width),
            KeyCapShape::Rectangle};
}
constexpr KeyCap E(uint8_t scan, uint8_t row, int x, int width = kQuartersPerKey) {
    KeyCap key = K(scan, row, x, width);
    key.extended = true;
    return key;
}
constexpr KeyCap Tall(KeyCap key) {
    key.rows = 2;
    return key;
}
constexpr KeyCap LEnter(int x) {
    KeyCap key = Tall(K(0x1C, 2, x, 6));
    key.shape = KeyCapShape::LShapedEnter;
    return key;
}

template <size_t... N> constexpr auto Join(const std::array<KeyCap, N>&... parts) {
    std::array<KeyCap, (N + ...)> all{};
    size_t i = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + i), i += N), ...);
    return all;
}

// The main block is 15 keys wide; the navigation keys start a quarter key after it, the
// number pad a quarter after them.
constexpr std::array<KeyCap, 16> kFunctionRow{
    K(0x01, 0, 0),  K(0x3B, 0, 8),  K(0x3C, 0, 12), K(0x3D, 0, 16), K(0x3E, 0, 20), K(0x3F, 0, 26),
    K(0x40, 0, 30), K(0x41, 0, 34), K(0x42, 0, 38), K(0x43, 0, 44), K(0x44, 0, 48), K(0x57, 0, 52),
    K(0x58, 0, 56), E(0x37, 0, 61), K(0x46, 0, 65), K(0x45, 0, 69),
};

constexpr std::array<KeyCap, 10> kNavigation{
    E(0x52, 1, 61), E(0x47, 1, 65), E(0x49, 1, 69), E(0x53, 2, 61), E(0x4F, 2, 65),
    E(0x51, 2, 69), E(0x48, 4, 65), E(0x4B, 5, 61), E(0x50, 5, 65), E(0x4D, 5, 69),
};

constexpr std::array<KeyCap, 16> kNumberPad{
    E(0x45, 1, 74), E(0x35, 1, 78),       K(0x37, 1, 82),    K(0x4A, 1, 86),
    K(0x47, 2, 74), K(0x48, 2, 78),       K(0x49, 2, 82),    K(0x4B, 3, 74),
    K(0x4C, 3, 78), K(0x4D, 3, 82),       K(0x4F, 4, 74),    K(0x50, 4, 78),
    K(0x51, 4, 82), Tall(E(0x1C, 4, 86)), K(0x52, 5, 74, 8), K(0x53, 5, 82),
};
constexpr std::array<KeyCap, 1> kTallPlus{Tall(K(0x4E, 2, 86))};
// ABNT splits the + key: + above, the pad's own "." (0x7E) below.
constexpr std::array<KeyCap, 2> kAbntPlus{K(0x4E, 2, 86), K(kAbntNumpadKey, 3, 86)};

// The keys every arrangement has in the same place.
constexpr std::array<KeyCap, 48> kAlphanumeric{
    K(0x29, 1, 0),    K(0x02, 1, 4),  K(0x03, 1, 8),  K(0x04, 1, 12), K(0x05, 1, 16),
    K(0x06, 1, 20),   K(0x07, 1, 24), K(0x08, 1, 28), K(0x09, 1, 32), K(0x0A, 1, 36),
    K(0x0B, 1, 40),   K(0x0C, 1, 44), K(0x0D, 1, 48), //
    K(0x0F, 2, 0, 6), K(0x10, 2, 6),  K(0x11, 2, 10), K(0x12, 2, 14), K(0x13, 2, 18),
    K(0x14, 2, 22),   K(0x15, 2, 26), K(0x16, 2, 30), K(0x17, 2, 34), K(0x18, 2, 38),
    K(0x19, 2, 42),   K(0x1A, 2, 46), K(0x1B, 2, 50), //
    K(0x3A, 3, 0, 7), K(0x1E, 3, 7),  K(0x1F, 3, 11), K(0x20, 3, 15), K(0x21, 3, 19),
    K(0x22, 3, 23),   K(0x23, 3, 27), K(0x24, 3, 31), K(0x25, 3, 35), K(0x26, 3, 39),
    K(0x27, 3, 43),   K(0x28, 3, 47), //
    K(0x2C, 4, 9),    K(0x2D, 4, 13), K(0x2E, 4, 17), K(0x2F, 4, 21), K(0x30, 4, 25),
    K(0x31, 4, 29),   K(0x32, 4, 33), K(0x33, 4, 37), K(0x34, 4, 41), K(0x35, 4, 45),
};

constexpr std::array<KeyCap, 8> kBottomRow{
    K(0x1D, 5, 0, 5),  E(0x5B, 5, 5, 5),  K(0x38, 5, 10, 5), K(0x39, 5, 15, 25),
    E(0x38, 5, 40, 5), E(0x5C, 5, 45, 5), E(0x5D, 5, 50, 5), E(0x1D, 5, 55, 5),
};
// JIS: a shorter space bar between the conversion keys.
constexpr std::array<KeyCap, 11> kJisBottomRow{
    K(0x1D, 5, 0, 5),   E(0x5B, 5, 5, 5),  K(0x38, 5, 10, 5), K(0x7B, 5, 15, 5),
    K(0x39, 5, 20, 10), K(0x79, 5, 30, 5), K(0x70, 5, 35, 5), E(0x38, 5, 40, 5),
    E(0x5C, 5, 45, 5),  E(0x5D, 5, 50, 5), E(0x1D, 5, 55, 5),
};

constexpr std::array<KeyCap, 5> kAnsiMain{
    K(0x0E, 1, 52, 8), K(0x2B, 2, 54, 6), K(0x1C, 3, 51, 9), K(0x2A, 4, 0, 9), K(0x36, 4, 49, 11),
};
constexpr std::array<KeyCap, 6> kIsoMain{
    K(0x0E, 1, 52, 8), LEnter(54),       K(0x2B, 3, 51),
    K(0x2A, 4, 0, 5),  K(kIsoKey, 4, 5), K(0x36, 4, 49, 11),
};
constexpr std::array<KeyCap, 7> kAbntMain{
    K(0x0E, 1, 52, 8), LEnter(54),         K(0x2B, 3, 51),    K(0x2A, 4, 0, 5),
    K(kIsoKey, 4, 5),  K(kAbntKey, 4, 49), K(0x36, 4, 53, 7),
};
constexpr std::array<KeyCap, 7> kJisMain{
    K(0x7D, 1, 52),   K(0x0E, 1, 56),     LEnter(54),        K(0x2B, 3, 51),
    K(0x2A, 4, 0, 9), K(kAbntKey, 4, 49), K(0x36, 4, 53, 7),
};

constexpr auto kAnsi =
    Join(kFunctionRow, kAlphanumeric, kAnsiMain, kBottomRow, kNavigation, kNumberPad, kTallPlus);
constexpr auto kIso =
    Join(kFunctionRow, kAlphanumeric, kIsoMain, kBottomRow, kNavigation, kNumberPad, kTallPlus);
constexpr auto kAbnt =
    Join(kFunctionRow, kAlphanumeric, kAbntMain, kBottomRow, kNavigation, kNumberPad, kAbntPlus);
constexpr auto kJis =
    Join(kFunctionRow, kAlphanumeric, kJisMain, kJisBottomRow, kNavigation, kNumberPad, kTallPlus);

struct Arrangement {
    std::wstring_view name; // the same in both languages
    std::span<const KeyCap> keys;
};

// In the order of KeyboardArrangement.
constexpr Arrangement kArrangements[] = {
    {L"ANSI 104", kAnsi},
    {L"ISO 105", kIso},
    {L"ABNT 107", kAbnt},
    {L"JIS 109", kJis},
};

bool TypesText(const KeyboardLayoutTables& layout, uint8_t scanCode) {
    const uint8_t vk = VirtualKeyAt(layout, {scanCode, ScanPrefix::None});
    return vk != 0 &&
           TypedByVirtualKey(layout, vk, TypingState::Plain).kind != Typed::Kind::Nothing;
}

// Whether the ISO key types, plain, something that no key of the main block types plain.
bool IsoKeyIsItsOwn(const KeyboardLayoutTables& layout) {
    if (!TypesText(layout, kIsoKey))
        return false;
    const Typed iso = TypedByVirtualKey(layout, VirtualKeyAt(layout, {kIsoKey, ScanPrefix::None}),
                                        TypingState::Plain);
    for (const KeyCap& key : kAlphanumeric) {
        const uint8_t vk = VirtualKeyAt(layout, {key.scanCode, ScanPrefix::None});
        if (vk != 0 && TypedByVirtualKey(layout, vk, TypingState::Plain) == iso)
            return false;
    }
    const uint8_t neighbour = VirtualKeyAt(layout, {kIsoNeighbour, ScanPrefix::None});
    return neighbour == 0 || TypedByVirtualKey(layout, neighbour, TypingState::Plain) != iso;
}

} // namespace

std::wstring_view ArrangementName(KeyboardArrangement arrangement) {
    const auto i = static_cast<size_t>(arrangement);
    return i < std::size(kArrangements) ? kArrangements[i].name : std::wstring_view();
}

KeyboardArrangement ArrangementOf(const KeyboardLayoutTables& layout) {
    if (layout.keyboardType == kKeyboardTypeJapanese)
        return KeyboardArrangement::Jis109;
    if (TypesText(layout, kAbntKey) &&
        VirtualKeyAt(layout, {kAbntNumpadKey, ScanPrefix::None}) != 0)
        return KeyboardArrangement::Abnt107;
    if (IsoKeyIsItsOwn(layout))
        return KeyboardArrangement::Iso105;
    return KeyboardArrangement::Ansi104;
}

std::span<const KeyCap> ArrangementKeys(KeyboardArrangement arrangement) {
    const auto i = static_cast<size_t>(arrangement);
    return i < std::size(kArrangements) ? kArrangements[i].keys : std::span<const KeyCap>();
}

} // namespace zintar
