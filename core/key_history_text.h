#pragma once
// The texts of the key history: column titles and cells in either language, and the
// tab-separated copy of selected rows. Texts are made only when a cell is shown or copied;
// the history itself keeps numbers.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/key_event.h"
#include "core/language.h"

namespace zintar {

// The columns in the order the list shows them.
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
    // The key's route (core/key_route_text.h writes these cells; here they are empty).
    Delivered, // yes, or no with the likely reason
    Injected,  // yes for a key that a program sent, else empty
    Device,    // the keyboard that sent it, "HID VID_845E PID_0002"
    SeenBy,    // window, hook, raw input
};
constexpr int kHistoryColumnCount = static_cast<int>(HistoryColumn::SeenBy) + 1;

// Empty for a value outside the enumeration.
std::wstring_view HistoryColumnTitle(HistoryColumn column, Language language);

// Key columns are empty on character rows and character columns on key rows.
std::wstring HistoryCellText(const KeyEventRecord& record, HistoryColumn column, Language language);

// A header line of the column titles, then one line per row index in the order given, cells
// separated by tabs and lines by "\r\n", without a line end after the last. Indexes outside
// the history are left out.
std::wstring HistoryCopyText(const KeyHistory& history, const std::vector<size_t>& rows,
                             Language language);

} // namespace zintar
