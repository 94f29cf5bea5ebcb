#pragma once
// The key history's columns, for its texts (core/key_history/key_history_text.h) and their titles
// (core/converter/captions.h).
#include <cstdint>

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
    DomCode,     // key rows: the physical key's KeyboardEvent.code ("NumpadEnter")
    UsbUsage,    // key rows: "0x070004"
    LinuxEvdev,  // key rows: "30 KEY_A"
    MacKeyCode,  // key rows: "0x00 kVK_ANSI_A", or "none"
    DomKey,      // KeyboardEvent.key: named keys on key rows, the character or "Dead" on
                 // character rows
    // The key's route (core/key_history/key_route_text.h writes these cells; the record alone has
    // none).
    Delivered, // yes, or no with the likely reason
    Injected,  // yes for a key that a program sent, else empty
    Device,    // the keyboard that sent it, "HID VID_845E PID_0002"
    SeenBy,    // window, hook, raw input
};
constexpr int kHistoryColumnCount = static_cast<int>(HistoryColumn::SeenBy) + 1;

} // namespace zintar
