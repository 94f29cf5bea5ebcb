#pragma once
// The key history's columns: one descriptor row each (core/key_history/history_columns.cpp)
// with the column's titles, where its cells come from, the function that writes a cell and
// the cells that show how wide it must be. Adding a column is a value here, a row there and
// the row's cell function.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/bilingual.h"
#include "core/common/language.h"
#include "core/key_history/key_event.h"
#include "core/key_history/key_route.h"
#include "core/key_state/key_times.h"

namespace zintar {

// The columns in the order the list shows them; the table checks at compile time that its
// rows follow this order.
enum class HistoryColumn : uint8_t {
    Elapsed,     // milliseconds since the previous record
    Message,     // key down, key up, ... in the current language
    KeyCode,     // virtual-key code in decimal
    KeyCodeHex,  // the same, two upper-case hexadecimal digits
    Constant,    // VK_RETURN, 'A'
    ScanCode,    // "1C", or "E0 1C" for an extended key
    Extended,    // yes / no
    AutoRepeat,  // yes / no on key-downs and characters; empty on key-ups, where it is always set
    RepeatCount, // lParam bits 0-15
    Side,        // left / right for Shift, Ctrl, Alt and Windows
    SideKey,     // the side-specific code and its constant ("160 VK_LSHIFT")
    Modifiers,   // the mask 0 to 7
    Combination, // as the main window names it ("Ctrl + Shift + F5")
    Character,   // the character itself; control characters in caret notation ("^C")
    AnsiCode,    // the code in the ANSI code page, empty when it has none
    AnsiCodeHex, // the same in hexadecimal, at least two digits
    Unicode,     // U+0151, at least four digits
    Utf8,        // the UTF-8 bytes, "C5 91"; empty for half a surrogate pair
    DomCode,     // key rows: the physical key's KeyboardEvent.code ("NumpadEnter")
    UsbUsage,    // key rows: "0x070004"
    LinuxEvdev,  // key rows: "30 KEY_A"
    MacKeyCode,  // key rows: "0x00 kVK_ANSI_A", or "none"
    DomKey,      // KeyboardEvent.key: named keys on key rows, the character or "Dead" on
                 // character rows
    // The key's route: the record alone has none.
    Delivered, // yes, or no with the likely reason
    Injected,  // yes for a key that a program sent, else empty
    Device,    // the keyboard that sent it, "HID VID_845E PID_0002"
    SeenBy,    // window, hook, raw input
    // The key's times: key records of the window's own messages.
    Held,         // key-ups: ms since the key's own key-down
    SinceRelease, // key-downs that start a press: ms since the key last went up
    Chatter,      // yes where that was below the chatter threshold
    // What the other columns cannot say: one key that sent a chord, sent text, an unpaired
    // half, the input method's strings and states, an application command.
    Note,
};
constexpr int kHistoryColumnCount = static_cast<int>(HistoryColumn::Note) + 1;

// What a row of the list holds for its cells.
struct HistoryCell {
    // The record of a key message, or the one a key that went elsewhere would have made;
    // null for none.
    const KeyEventRecord* record = nullptr;
    // Null for a character, or a key whose route is still waiting.
    const KeyRoute* route = nullptr;
    std::wstring_view deviceName{}; // the system's name of the route's device, empty if unknown
    const RecordTexts::Texts* texts = nullptr; // the record's input method strings, if any
    // The times of the record; null for a character, or a key that went elsewhere.
    const KeyTiming* timing = nullptr;
    ChatterThreshold chatter{}; // the session's, not the row's: a new one judges every row
};

// Where a column's cells come from; a row without it has an empty cell there.
enum class CellSource : uint8_t {
    Record,          // every record
    KeyRecord,       // records of key messages
    CharacterRecord, // records of character messages
    Route,           // the route: a route column
    // Records of key and character messages, whose lParam is a keystroke's.
    Keystroke,
    // Records that carry a character: character messages and VK_PACKET key messages.
    Text,
    Timing, // the times of a key record
};

// Called only for a cell whose source the row has.
using CellTextOf = std::wstring (*)(const HistoryCell& cell, Language language);

struct HistoryColumnInfo {
    HistoryColumn id;
    Bilingual title;
    CellSource source;
    CellTextOf cellText;
    // Cells whose texts are as wide as the widest the column usually shows, in either
    // language.
    std::span<const HistoryCell> widthSamples;
};

// Every column, in the order of HistoryColumn.
std::span<const HistoryColumnInfo> HistoryColumns();

// Empty for a value outside the enumeration.
std::wstring_view HistoryColumnTitle(HistoryColumn column, Language language);

// The text of one cell; empty where its source is missing from the row.
std::wstring ColumnCellText(HistoryColumn column, const HistoryCell& cell, Language language);

// The texts a column must fit in the language: its title, then its width samples' cells.
std::vector<std::wstring> ColumnWidthTexts(HistoryColumn column, Language language);

} // namespace zintar
