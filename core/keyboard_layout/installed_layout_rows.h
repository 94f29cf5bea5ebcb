#pragma once
// The keyboard layouts window's list of installed layouts: each layout with what reading its
// DLL gave, the texts of its row (name with its marks, KLID, file or what went wrong), the
// layout the window opens on, and which layouts a shortcut is judged on and against.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/language.h"
#include "core/keyboard_layout/installed_layouts.h"
#include "core/keyboard_layout/layout_image.h"
#include "core/keyboard_layout/shortcut_verdict.h"

namespace zintar {

struct ReadLayout {
    InstalledLayout entry;
    std::optional<LayoutReadResult> read; // none where the registry names no file
    bool ok() const { return read && read->ok(); }
};

enum class InstalledColumn : uint8_t { Layout, Klid, LayoutFile };
inline constexpr int kInstalledColumnCount = static_cast<int>(InstalledColumn::LayoutFile) + 1;

// "Layout", "KLID", "Layout file"; empty for a value outside the enumeration.
std::wstring_view InstalledColumnTitle(InstalledColumn column, Language language);

// The name with its marks, "US (active)", "Japanese IME (IME, loaded)"; the KLID; the file,
// followed by what went wrong where it could not be read.
std::wstring InstalledLayoutCellText(const ReadLayout& layout, InstalledColumn column,
                                     Language language);

// What stands in place of the keyboard of a layout that could not be read; empty for one
// that was.
std::wstring UnreadableLayoutText(const ReadLayout& layout, Language language);

// The row the window opens on: the active layout, else the first one read, else the first.
std::optional<size_t> FirstShownLayout(std::span<const ReadLayout> layouts);

// The installed US layout (KLID 00000409) where it was read: the places a shortcut is judged
// against. Null where it is missing, and the caller takes the standard scan codes.
const KeyboardLayoutTables* InstalledUsLayout(std::span<const ReadLayout> layouts);

// Every layout that was read, by its name, in the list's order.
std::vector<NamedLayout> JudgedLayouts(std::span<const ReadLayout> layouts);

} // namespace zintar
