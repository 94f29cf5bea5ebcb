#pragma once
// The key details pane of the key history window: which record it shows and its rows, each a
// caption and a value, one descriptor row each (core/key_history/detail_rows.cpp). The pane's
// control writes the rows as they come; what the platform reads (the layout, what the key
// types, the shortcut's probe) comes in as facts, so every text is decided here.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/common/bilingual.h"
#include "core/common/hotkey.h"
#include "core/common/language.h"
#include "core/key_history/key_event.h"
#include "core/key_history/key_rows.h"
#include "core/key_identity/copy_as_code.h"
#include "core/key_state/key_repeat.h"
#include "core/keyboard_layout/typed_by_layout.h"

namespace zintar {

// The rows in the order the pane shows them; the table checks at compile time that its rows
// follow this order.
enum class DetailRow : uint8_t {
    VirtualKey, // "116 0x74 VK_F5"
    ScanCode,   // "3F", "E0 1C"
    UsbUsage,
    DomCode,
    LinuxEvdev,
    Xkb,
    MacKeyCode,
    SdlScancode,
    WinFormsKeys, // the whole expression with the modifiers
    WpfKey,
    DomKey,
    Layout,    // "0000040E Hungarian"
    CodePages, // "ANSI 1250, OEM 852"
    TypesPlain,
    TypesShift,
    TypesAltGr,
    TypesShiftAltGr,
    TypesCapsLock,
    DeadKey,     // "no", or the states in which it is dead and what it composes
    Shortcut,    // free, taken by another program, reserved by Windows
    RepeatDelay, // measured before the first repeat, beside the setting
    RepeatRate,  // measured repeats a second, beside the setting
};
constexpr int kDetailRowCount = static_cast<int>(DetailRow::RepeatRate) + 1;

// The layout as the platform read it.
struct LayoutFacts {
    std::wstring klid;
    std::wstring name;
    unsigned ansiCodePage = 0;
    unsigned oemCodePage = 0;
};

// What the key types on the layout, one answer per shift state, and per dead state what it
// composes.
struct TypedFacts {
    std::array<TypedText, kShiftStateCount> states;
    std::vector<std::pair<ShiftState, std::vector<Composition>>> compositions;
};

// Everything the pane knows of one key row. Each fact the platform has not read yet stays
// empty and its row says so. Facts of the key's route can join here.
struct KeyDetailsFacts {
    KeyEventRecord record;
    std::optional<LayoutFacts> layout;
    std::optional<TypedFacts> typed;
    std::optional<HotkeyAnswer> shortcut;
    std::wstring_view reservedBecause; // what Windows does with a reserved shortcut
    // The latest measured auto-repeat, of whichever key repeated, and the keyboard settings;
    // the rows show it for the key that repeated only.
    RepeatMeasurement repeat{};
    std::optional<RepeatSetting> repeatSetting{};
};

// A row's value; empty while the facts it needs are not read.
using DetailValueOf = std::wstring (*)(const KeyDetailsFacts& facts, Language language);

struct DetailRowInfo {
    DetailRow id;
    Bilingual caption;
    DetailValueOf value;
};

// Every row, in the order of DetailRow.
std::span<const DetailRowInfo> DetailRows();

// Empty for a value outside the enumeration.
std::wstring_view DetailCaption(DetailRow row, Language language);

struct DetailLine {
    std::wstring_view caption;
    std::wstring value;
};
using DetailLines = std::array<DetailLine, kDetailRowCount>;

DetailLines KeyDetailLines(const KeyDetailsFacts& facts, Language language);

// What the pane shows of a row: the record (for a key that went elsewhere, the one its key
// message would have made), where the row stands, and what its route already tells of the
// shortcut (another program's hotkey, Windows' own shortcut), which no probe needs to ask.
struct DetailsSubject {
    KeyEventRecord record;
    KeyRows::Place place;
    std::optional<HotkeyAnswer> knownAnswer;
};

// The row the pane shows: the selected one if it is a key row, else the nearest key row
// before it (the key that typed a character); with nothing selected the newest key-down,
// which still carries the modifiers of its combination. The rows of keys that went
// elsewhere are key rows too: a hotkey's key-down that another program took is the newest
// key-down, not the modifier pressed before it. None when no key row is there.
std::optional<DetailsSubject> DetailsSubjectOf(const KeyRows& rows,
                                               std::optional<size_t> selectedRow);

// The shortcut that a key row makes with its modifiers; none for a modifier key itself,
// which makes no shortcut of its own, and for sent text, which is no key.
std::optional<Shortcut> ShortcutOfRecord(const KeyEventRecord& record);

// The key with its modifiers as copy as code takes it.
KeyCombination CombinationOfRecord(const KeyEventRecord& record);

// Every API's line for the key, each after its API's name and a tab, lines ended by "\r\n"
// but the last.
std::wstring AllCodeLines(const KeyCombination& key);

} // namespace zintar
