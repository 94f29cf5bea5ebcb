#pragma once
// Whether a keyboard shortcut, defined as a virtual key with Shift, Ctrl and Alt as programs
// define it, still works on a layout, judged against US, where shortcuts are usually chosen:
// which physical key gives the virtual key there and whether it moved, what that key types
// (a browser's KeyboardEvent.key), whether Ctrl+Alt types a character there (AltGr), whether
// no key gives the virtual key, or the key is a dead key. One verdict per layout, in order of
// how badly it breaks the shortcut: missing, AltGr collision, dead key, moved, works.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/language.h"
#include "core/keyboard_layout/layout_tables.h"
#include "core/keyboard_layout/layout_typing.h"

namespace zintar {

// A shortcut as a program binds it: a virtual key with the mask kModifierShift |
// kModifierCtrl | kModifierAlt (core/key_identity/key_names.h), as the main window captures
// it. Not core/common/hotkey.h's Shortcut, whose bits are RegisterHotKey's (Alt 1, Shift 4):
// one name for both would swap Shift and Alt wherever the two headers met.
struct ProgramShortcut {
    uint8_t virtualKey = 0;
    uint8_t modifiers = 0;
};

enum class ShortcutVerdict : uint8_t { Works, Moved, AltGrCollision, Missing, DeadKey };

struct ShortcutOnLayout {
    ProgramShortcut shortcut;
    std::optional<KeyPlace> place;   // the key that gives the virtual key on this layout
    std::optional<KeyPlace> usPlace; // and on US
    std::wstring_view domCode;       // of place; empty where the key is missing or unknown
    bool moved = false;              // place differs from US's
    Typed plain, shifted;            // what the key types plain and with Shift
    Typed inShortcut;                // what it types with the shortcut's modifiers held
    bool altGrCollision = false;     // AltGr layout, Ctrl+Alt held, and that types text
    bool dead = false;               // dead plain or with the shortcut's modifiers
    ShortcutVerdict verdict = ShortcutVerdict::Works;
};

ShortcutOnLayout JudgeShortcut(const KeyboardLayoutTables& layout, const KeyboardLayoutTables& us,
                               ProgramShortcut shortcut);

// The shortcuts an editor or a browser usually binds, for a first table.
std::span<const ProgramShortcut> CommonShortcuts();

// One line of the shortcut table: layout, shortcut, key, types, verdict.
enum class ShortcutColumn : uint8_t { Layout, Shortcut, Key, Types, Verdict };
inline constexpr int kShortcutColumnCount = static_cast<int>(ShortcutColumn::Verdict) + 1;

struct NamedLayout {
    std::wstring_view name;
    const KeyboardLayoutTables* tables = nullptr;
};

// Each shortcut on each layout, in rows of texts: key "KeyY (15)", types "z Z", verdict with
// its detail ("AltGr collision: [", "moved from KeyZ").
std::vector<std::vector<std::wstring>> ShortcutTable(std::span<const NamedLayout> layouts,
                                                     const KeyboardLayoutTables& us,
                                                     std::span<const ProgramShortcut> shortcuts,
                                                     Language language);

// The table as tab-separated text under a title line.
std::wstring ShortcutTableCopyText(std::span<const std::vector<std::wstring>> rows,
                                   Language language);

} // namespace zintar
