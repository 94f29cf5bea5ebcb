#include "core/keyboard_layout/layout_image.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace zintar {

namespace {

// Offsets of KBDTABLES and its rows with 8-byte pointers.
namespace kbd {
constexpr size_t kTablesSize = 104;
constexpr size_t kCharModifiers = 0, kVkToWcharTable = 8, kDeadKey = 16, kKeyNames = 24,
                 kKeyNamesExt = 32, kKeyNamesDead = 40, kVscToVk = 48, kMaxVscToVk = 56,
                 kVscToVkE0 = 64, kVscToVkE1 = 72, kLocaleFlags = 80, kLgMax = 84, kLgEntry = 85,
                 kLigature = 88, kType = 96, kSubType = 100;
constexpr size_t kModifiersHead = 10;  // pVkToBit, wMaxModBits, then ModNumber[]
constexpr size_t kWcharTableSize = 16; // pVkToWchars, nModifications, cbSize, padding
constexpr size_t kDeadKeySize = 8;     // dwBoth, wchComposed, uFlags
constexpr size_t kKeyNameSize = 16;    // vsc, padding, pwsz
constexpr size_t kScanRowSize = 4;     // Vsc, padding, Vk
constexpr size_t kLigatureHead = 4;    // VirtualKey, padding, ModificationNumber
constexpr uint16_t kNone = 0xF000, kDead = 0xF001, kLigatureMark = 0xF002;
constexpr uint16_t kDeadFlagChained = 0x0001;
constexpr uint8_t kContinuationKey = 0xFF;
} // namespace kbd

class Failed {
  public:
    LayoutProblem problem;
};

// Reads the image through its regions; anything else is a fault of the part being read.
class ImageReader {
  public:
    explicit ImageReader(std::span<const ImageRegion> regions) : regions_(regions) {}

    void Bytes(uint64_t address, size_t size, void* out, LayoutPart part) const {
        if (address == 0)
            throw Failed{{LayoutFault::NullPointer, part}};
        for (const ImageRegion& r : regions_) {
            if (address >= r.address && address - r.address <= r.size &&
                size <= r.size - (address - r.address)) {
                std::memcpy(out, r.bytes + (address - r.address), size);
                return;
            }
        }
        throw Failed{{LayoutFault::OutsideImage, part}};
    }

    // An address further on; a table that would run past the end of the address space lies
    // outside any image.
    static uint64_t Advance(uint64_t address, uint64_t by, LayoutPart part) {
        if (by > UINT64_MAX - address)
            throw Failed{{LayoutFault::OutsideImage, part}};
        return address + by;
    }

    template <typename T> T Value(uint64_t address, LayoutPart part) const {
        T value{};
        Bytes(address, sizeof(T), &value, part);
        return value;
    }

    // Rows of rowSize bytes from address up to the one that isEnd finds, which is not kept.
    template <typename IsEnd>
    std::vector<std::vector<std::byte>> Rows(uint64_t address, size_t rowSize, size_t maxRows,
                                             LayoutPart part, IsEnd isEnd) const {
        std::vector<std::vector<std::byte>> rows;
        for (size_t i = 0;; ++i) {
            if (i > maxRows)
                throw Failed{{LayoutFault::NoTerminator, part}};
            std::vector<std::byte> row(rowSize);
            Bytes(Advance(address, i * rowSize, part), rowSize, row.data(), part);
            if (isEnd(row))
                return rows;
            rows.push_back(std::move(row));
        }
    }

    std::wstring String(uint64_t address, LayoutPart part) const {
        std::wstring text;
        for (size_t i = 0; i <= kMaxNameLength; ++i) {
            const auto c = Value<uint16_t>(Advance(address, 2 * i, part), part);
            if (c == 0)
                return text;
            text += static_cast<wchar_t>(c);
        }
        throw Failed{{LayoutFault::UnterminatedString, part}};
    }

  private:
    std::span<const ImageRegion> regions_;
};

template <typename T> T At(const std::vector<std::byte>& row, size_t offset) {
    T value{};
    std::memcpy(&value, row.data() + offset, sizeof(T));
    return value;
}

struct Head {
    std::array<std::byte, kbd::kTablesSize> bytes;
    template <typename T> T Get(size_t offset) const {
        T value{};
        std::memcpy(&value, bytes.data() + offset, sizeof(T));
        return value;
    }
};

void ReadModifiers(const ImageReader& image, uint64_t address, KeyboardLayoutTables& tables) {
    constexpr LayoutPart part = LayoutPart::CharModifiers;
    const auto vkToBit = image.Value<uint64_t>(address, part);
    const auto maxBits = image.Value<uint16_t>(ImageReader::Advance(address, 8, part), part);
    if (maxBits > 0xFF)
        throw Failed{{LayoutFault::CountOutOfRange, part}};
    tables.modificationOfBits.resize(maxBits + 1u);
    image.Bytes(ImageReader::Advance(address, kbd::kModifiersHead, part), maxBits + 1u,
                tables.modificationOfBits.data(), part);
    const auto rows = image.Rows(vkToBit, 2, kMaxTableRows, LayoutPart::VkToBit,
                                 [](const auto& row) { return At<uint8_t>(row, 0) == 0; });
    for (const auto& row : rows)
        tables.modifierKeys.push_back({At<uint8_t>(row, 0), At<uint8_t>(row, 1)});
}

struct CharacterRow {
    uint8_t virtualKey, attributes;
    std::vector<uint16_t> cells;
};

// A dead cell's accent is in the same column of the row after its own, as the system reads
// it; layouts give that row the virtual key 0xFF.
LayoutChar Cell(const std::vector<CharacterRow>& rows, size_t row, size_t column) {
    const uint16_t c = rows[row].cells[column];
    switch (c) {
    case kbd::kNone:
        return {};
    case kbd::kLigatureMark:
        return {LayoutCharKind::Ligature, 0};
    case kbd::kDead:
        if (row + 1 >= rows.size())
            throw Failed{{LayoutFault::MissingRow, LayoutPart::VkToWchars}};
        return {LayoutCharKind::Dead, static_cast<wchar_t>(rows[row + 1].cells[column])};
    default:
        return {LayoutCharKind::Character, static_cast<wchar_t>(c)};
    }
}

std::vector<LayoutChar> Cells(const std::vector<CharacterRow>& rows, size_t row) {
    std::vector<LayoutChar> cells;
    for (size_t column = 0; column < rows[row].cells.size(); ++column)
        cells.push_back(Cell(rows, row, column));
    return cells;
}

void ReadCharacterTable(const ImageReader& image, uint64_t address, uint8_t modifications,
                        uint8_t rowSize, KeyboardLayoutTables& tables) {
    constexpr LayoutPart part = LayoutPart::VkToWchars;
    if (modifications == 0 || modifications > kMaxModifications ||
        rowSize != 2u + 2u * modifications)
        throw Failed{{LayoutFault::CountOutOfRange, LayoutPart::VkToWcharTable}};
    const auto raw = image.Rows(address, rowSize, kMaxCharacterRows, part,
                                [](const auto& row) { return At<uint8_t>(row, 0) == 0; });
    std::vector<CharacterRow> rows;
    for (const auto& r : raw) {
        CharacterRow row{At<uint8_t>(r, 0), At<uint8_t>(r, 1), {}};
        for (size_t m = 0; m < modifications; ++m)
            row.cells.push_back(At<uint16_t>(r, 2 + 2 * m));
        rows.push_back(std::move(row));
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].virtualKey == kbd::kContinuationKey)
            continue; // an accent or Caps Lock row, read with its key
        KeyCharacters key{rows[i].virtualKey, rows[i].attributes, Cells(rows, i), {}};
        // The Caps Lock row of an SGCAPS key is the next one, as the system reads it.
        if (key.attributes & kAttributeSgCaps) {
            if (i + 1 >= rows.size())
                throw Failed{{LayoutFault::MissingRow, part}};
            key.capsLock = Cells(rows, i + 1);
        }
        tables.keys.push_back(std::move(key));
    }
}

void ReadCharacters(const ImageReader& image, uint64_t address, KeyboardLayoutTables& tables) {
    const auto entries =
        image.Rows(address, kbd::kWcharTableSize, kMaxCharacterTables, LayoutPart::VkToWcharTable,
                   [](const auto& row) { return At<uint64_t>(row, 0) == 0; });
    for (const auto& entry : entries)
        ReadCharacterTable(image, At<uint64_t>(entry, 0), At<uint8_t>(entry, 8),
                           At<uint8_t>(entry, 9), tables);
}

void ReadDeadKeys(const ImageReader& image, uint64_t address, KeyboardLayoutTables& tables) {
    if (address == 0)
        return;
    const auto rows = image.Rows(address, kbd::kDeadKeySize, kMaxDeadKeyRows, LayoutPart::DeadKey,
                                 [](const auto& row) { return At<uint32_t>(row, 0) == 0; });
    for (const auto& row : rows) {
        const auto both = At<uint32_t>(row, 0);
        tables.deadKeys.push_back({static_cast<wchar_t>(both >> 16),
                                   static_cast<wchar_t>(both & 0xFFFF),
                                   static_cast<wchar_t>(At<uint16_t>(row, 4)),
                                   (At<uint16_t>(row, 6) & kbd::kDeadFlagChained) != 0});
    }
}

// The rows of a table that a layout may leave out (a null pointer), up to the row whose
// first byte is 0, each made into a T.
template <typename T, typename Make>
std::vector<T> OptionalRows(const ImageReader& image, uint64_t address, size_t rowSize,
                            LayoutPart part, Make make) {
    std::vector<T> out;
    if (address == 0)
        return out;
    for (const auto& row : image.Rows(address, rowSize, kMaxTableRows, part,
                                      [](const auto& r) { return At<uint8_t>(r, 0) == 0; }))
        out.push_back(make(row));
    return out;
}

std::vector<LayoutKeyName> ReadKeyNames(const ImageReader& image, uint64_t address,
                                        LayoutPart part) {
    return OptionalRows<LayoutKeyName>(
        image, address, kbd::kKeyNameSize, part, [&](const auto& row) {
            return LayoutKeyName{At<uint8_t>(row, 0), image.String(At<uint64_t>(row, 8), part)};
        });
}

void ReadDeadKeyNames(const ImageReader& image, uint64_t address, KeyboardLayoutTables& tables) {
    if (address == 0)
        return;
    constexpr LayoutPart part = LayoutPart::KeyNamesDead;
    const auto rows = image.Rows(address, 8, kMaxTableRows, part,
                                 [](const auto& row) { return At<uint64_t>(row, 0) == 0; });
    for (const auto& row : rows) {
        // The accent, then its name, in one string.
        const std::wstring text = image.String(At<uint64_t>(row, 0), part);
        if (!text.empty())
            tables.deadKeyNames.push_back({text[0], text.substr(1)});
    }
}

void ReadScanCodes(const ImageReader& image, const Head& head, KeyboardLayoutTables& tables) {
    const auto count = head.Get<uint8_t>(kbd::kMaxVscToVk);
    if (count == 0 || count > kMaxScanCodes)
        throw Failed{{LayoutFault::CountOutOfRange, LayoutPart::VscToVk}};
    tables.scanCodes.resize(count);
    image.Bytes(head.Get<uint64_t>(kbd::kVscToVk), count * sizeof(uint16_t),
                tables.scanCodes.data(), LayoutPart::VscToVk);
}

std::vector<PrefixedScanCode> ReadPrefixed(const ImageReader& image, uint64_t address,
                                           LayoutPart part) {
    return OptionalRows<PrefixedScanCode>(
        image, address, kbd::kScanRowSize, part, [](const auto& row) {
            return PrefixedScanCode{At<uint8_t>(row, 0), At<uint16_t>(row, 2)};
        });
}

void ReadLigatures(const ImageReader& image, const Head& head, KeyboardLayoutTables& tables) {
    const auto address = head.Get<uint64_t>(kbd::kLigature);
    if (address == 0)
        return;
    constexpr LayoutPart part = LayoutPart::Ligature;
    const size_t length = head.Get<uint8_t>(kbd::kLgMax);
    const size_t rowSize = head.Get<uint8_t>(kbd::kLgEntry);
    if (length == 0 || length > kMaxLigatureLength || rowSize != kbd::kLigatureHead + 2 * length)
        throw Failed{{LayoutFault::CountOutOfRange, part}};
    const auto rows = image.Rows(address, rowSize, kMaxCharacterRows, part,
                                 [](const auto& row) { return At<uint8_t>(row, 0) == 0; });
    for (const auto& row : rows) {
        const auto modification = At<uint16_t>(row, 2);
        if (modification >= kMaxModifications)
            throw Failed{{LayoutFault::CountOutOfRange, part}};
        Ligature ligature{At<uint8_t>(row, 0), static_cast<uint8_t>(modification), {}};
        for (size_t i = 0; i < length; ++i) {
            const auto c = At<uint16_t>(row, kbd::kLigatureHead + 2 * i);
            if (c == kbd::kNone)
                break;
            ligature.text += static_cast<wchar_t>(c);
        }
        tables.ligatures.push_back(std::move(ligature));
    }
}

KeyboardLayoutTables Read(const ImageReader& image, uint64_t address) {
    Head head{};
    image.Bytes(address, head.bytes.size(), head.bytes.data(), LayoutPart::Descriptor);
    KeyboardLayoutTables tables;
    ReadModifiers(image, head.Get<uint64_t>(kbd::kCharModifiers), tables);
    ReadCharacters(image, head.Get<uint64_t>(kbd::kVkToWcharTable), tables);
    ReadDeadKeys(image, head.Get<uint64_t>(kbd::kDeadKey), tables);
    tables.keyNames = ReadKeyNames(image, head.Get<uint64_t>(kbd::kKeyNames), LayoutPart::KeyNames);
    tables.keyNamesExtended =
        ReadKeyNames(image, head.Get<uint64_t>(kbd::kKeyNamesExt), LayoutPart::KeyNamesExt);
    ReadDeadKeyNames(image, head.Get<uint64_t>(kbd::kKeyNamesDead), tables);
    ReadScanCodes(image, head, tables);
    tables.scanCodesE0 =
        ReadPrefixed(image, head.Get<uint64_t>(kbd::kVscToVkE0), LayoutPart::VscToVkE0);
    tables.scanCodesE1 =
        ReadPrefixed(image, head.Get<uint64_t>(kbd::kVscToVkE1), LayoutPart::VscToVkE1);
    ReadLigatures(image, head, tables);
    tables.localeFlags = head.Get<uint32_t>(kbd::kLocaleFlags);
    tables.keyboardType = head.Get<uint32_t>(kbd::kType);
    tables.keyboardSubtype = head.Get<uint32_t>(kbd::kSubType);
    return tables;
}

} // namespace

LayoutReadResult ReadLayoutTables(std::span<const ImageRegion> image, uint64_t tablesAddress) {
    LayoutReadResult result;
    try {
        result.tables = Read(ImageReader(image), tablesAddress);
    } catch (const Failed& failed) {
        result.problem = failed.problem;
    }
    return result;
}

bool IsPlainLayoutFileName(std::wstring_view name) {
    if (name.empty() || name.size() > 64 || name == L"." || name == L"..")
        return false;
    if (name.find(L"..") != std::wstring_view::npos)
        return false;
    for (wchar_t c : name) {
        if (c < 0x20 || c == L'\\' || c == L'/' || c == L':' || c == L'*' || c == L'?' ||
            c == L'"' || c == L'<' || c == L'>' || c == L'|')
            return false;
    }
    // A name that ends in a dot or blank is trimmed by the system to another name.
    return name.back() != L'.' && name.back() != L' ';
}

} // namespace zintar
