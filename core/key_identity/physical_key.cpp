#include "core/key_identity/physical_key.h"

#include <array>

#include "core/common/hex_text.h"

namespace zintar {

namespace {

constexpr bool E0 = true, NoE0 = false;
constexpr int16_t kNone = kNoMacKeyCode;

// Written from the public standards, one row per key of the standard 104/105-key PC
// keyboard, the Japanese, Korean and Brazilian extras, F13-F24 and the media and browser
// keys that send a scan code:
//   Microsoft's keyboard scan code tables (set 1 make codes, as WM_KEYDOWN reports them);
//   the USB HID Usage Tables (keyboard/keypad page 0x07, consumer page 0x0C, generic desktop
//   page 0x01 for the system power keys); the W3C UI Events KeyboardEvent code values;
//   Linux include/uapi/linux/input-event-codes.h; the XKB evdev keycode set (xkeyboard-config
//   keycodes/evdev, keycode = evdev code + 8); Apple's HIToolbox Events.h virtual key codes;
//   SDL's SDL_scancode.h (SDL 2).
// The editing keys of some keyboards (Undo E0 08, Paste E0 0A, Cut E0 17, Copy E0 18, Help
// E0 3B) are the keyboard page's usages 0x7A-0x7D and 0x75, and Eject (E0 2C) the consumer
// page's 0xB8, as Microsoft's scan code table pairs them; Linux names Eject KEY_EJECTCD, which
// is what an eject key of a keyboard sends there. Apple's Events.h names none of the six: its
// kVK_Help is the key in Insert's place on Apple keyboards, whose row it stays on. The mute key
// is SDL_SCANCODE_MUTE (127), as SDL 2 reports it on Windows, Linux and macOS, beside volume
// up and down (128, 129); SDL_SCANCODE_AUDIOMUTE is another key of the consumer page.
// Windows reports Num Lock as 0x45 with the extended flag and Pause as 0x45 without it (the
// driver folds Pause's E1 1D 45 sequence into a plain 0x45). Scan code 0x76 is F24 here, as
// Microsoft's table lists it and as Windows maps it (VK_F24); the Japanese Lang5
// (Zenkaku/Hankaku) key, which USB gives the same scan code, reaches Windows as 0x29 on a
// Japanese keyboard, so the row of the grave key already stands for it.
// The DOM names the ISO key left of Enter "Backslash" like the ANSI key above Enter, since
// both send 0x2B; the row gives the ANSI key's usage 0x31. On Apple keyboards the Num Lock
// position holds the keypad Clear key, which the DOM also calls "NumLock".
constexpr PhysicalKey kKeys[] = {
    {0x01, NoE0, 0x070029, L"Escape", 1, L"ESC", 9, L"ESC", 0x35, L"kVK_Escape", 41, L"ESCAPE"},
    {0x02, NoE0, 0x07001E, L"Digit1", 2, L"1", 10, L"AE01", 0x12, L"kVK_ANSI_1", 30, L"1"},
    {0x03, NoE0, 0x07001F, L"Digit2", 3, L"2", 11, L"AE02", 0x13, L"kVK_ANSI_2", 31, L"2"},
    {0x04, NoE0, 0x070020, L"Digit3", 4, L"3", 12, L"AE03", 0x14, L"kVK_ANSI_3", 32, L"3"},
    {0x05, NoE0, 0x070021, L"Digit4", 5, L"4", 13, L"AE04", 0x15, L"kVK_ANSI_4", 33, L"4"},
    {0x06, NoE0, 0x070022, L"Digit5", 6, L"5", 14, L"AE05", 0x17, L"kVK_ANSI_5", 34, L"5"},
    {0x07, NoE0, 0x070023, L"Digit6", 7, L"6", 15, L"AE06", 0x16, L"kVK_ANSI_6", 35, L"6"},
    {0x08, NoE0, 0x070024, L"Digit7", 8, L"7", 16, L"AE07", 0x1A, L"kVK_ANSI_7", 36, L"7"},
    {0x08, E0, 0x07007A, L"Undo", 131, L"UNDO", 139, L"UNDO", kNone, L"", 122, L"UNDO"},
    {0x09, NoE0, 0x070025, L"Digit8", 9, L"8", 17, L"AE08", 0x1C, L"kVK_ANSI_8", 37, L"8"},
    {0x0A, NoE0, 0x070026, L"Digit9", 10, L"9", 18, L"AE09", 0x19, L"kVK_ANSI_9", 38, L"9"},
    {0x0A, E0, 0x07007D, L"Paste", 135, L"PASTE", 143, L"PAST", kNone, L"", 125, L"PASTE"},
    {0x0B, NoE0, 0x070027, L"Digit0", 11, L"0", 19, L"AE10", 0x1D, L"kVK_ANSI_0", 39, L"0"},
    {0x0C, NoE0, 0x07002D, L"Minus", 12, L"MINUS", 20, L"AE11", 0x1B, L"kVK_ANSI_Minus", 45,
     L"MINUS"},
    {0x0D, NoE0, 0x07002E, L"Equal", 13, L"EQUAL", 21, L"AE12", 0x18, L"kVK_ANSI_Equal", 46,
     L"EQUALS"},
    {0x0E, NoE0, 0x07002A, L"Backspace", 14, L"BACKSPACE", 22, L"BKSP", 0x33, L"kVK_Delete", 42,
     L"BACKSPACE"},
    {0x0F, NoE0, 0x07002B, L"Tab", 15, L"TAB", 23, L"TAB", 0x30, L"kVK_Tab", 43, L"TAB"},
    {0x10, NoE0, 0x070014, L"KeyQ", 16, L"Q", 24, L"AD01", 0x0C, L"kVK_ANSI_Q", 20, L"Q"},
    {0x10, E0, 0x0C00B6, L"MediaTrackPrevious", 165, L"PREVIOUSSONG", 173, L"I173", kNone, L"", 259,
     L"AUDIOPREV"},
    {0x11, NoE0, 0x07001A, L"KeyW", 17, L"W", 25, L"AD02", 0x0D, L"kVK_ANSI_W", 26, L"W"},
    {0x12, NoE0, 0x070008, L"KeyE", 18, L"E", 26, L"AD03", 0x0E, L"kVK_ANSI_E", 8, L"E"},
    {0x13, NoE0, 0x070015, L"KeyR", 19, L"R", 27, L"AD04", 0x0F, L"kVK_ANSI_R", 21, L"R"},
    {0x14, NoE0, 0x070017, L"KeyT", 20, L"T", 28, L"AD05", 0x11, L"kVK_ANSI_T", 23, L"T"},
    {0x15, NoE0, 0x07001C, L"KeyY", 21, L"Y", 29, L"AD06", 0x10, L"kVK_ANSI_Y", 28, L"Y"},
    {0x16, NoE0, 0x070018, L"KeyU", 22, L"U", 30, L"AD07", 0x20, L"kVK_ANSI_U", 24, L"U"},
    {0x17, NoE0, 0x07000C, L"KeyI", 23, L"I", 31, L"AD08", 0x22, L"kVK_ANSI_I", 12, L"I"},
    {0x17, E0, 0x07007B, L"Cut", 137, L"CUT", 145, L"CUT", kNone, L"", 123, L"CUT"},
    {0x18, NoE0, 0x070012, L"KeyO", 24, L"O", 32, L"AD09", 0x1F, L"kVK_ANSI_O", 18, L"O"},
    {0x18, E0, 0x07007C, L"Copy", 133, L"COPY", 141, L"COPY", kNone, L"", 124, L"COPY"},
    {0x19, NoE0, 0x070013, L"KeyP", 25, L"P", 33, L"AD10", 0x23, L"kVK_ANSI_P", 19, L"P"},
    {0x19, E0, 0x0C00B5, L"MediaTrackNext", 163, L"NEXTSONG", 171, L"I171", kNone, L"", 258,
     L"AUDIONEXT"},
    {0x1A, NoE0, 0x07002F, L"BracketLeft", 26, L"LEFTBRACE", 34, L"AD11", 0x21,
     L"kVK_ANSI_LeftBracket", 47, L"LEFTBRACKET"},
    {0x1B, NoE0, 0x070030, L"BracketRight", 27, L"RIGHTBRACE", 35, L"AD12", 0x1E,
     L"kVK_ANSI_RightBracket", 48, L"RIGHTBRACKET"},
    {0x1C, NoE0, 0x070028, L"Enter", 28, L"ENTER", 36, L"RTRN", 0x24, L"kVK_Return", 40, L"RETURN"},
    {0x1C, E0, 0x070058, L"NumpadEnter", 96, L"KPENTER", 104, L"KPEN", 0x4C,
     L"kVK_ANSI_KeypadEnter", 88, L"KP_ENTER"},
    {0x1D, NoE0, 0x0700E0, L"ControlLeft", 29, L"LEFTCTRL", 37, L"LCTL", 0x3B, L"kVK_Control", 224,
     L"LCTRL"},
    {0x1D, E0, 0x0700E4, L"ControlRight", 97, L"RIGHTCTRL", 105, L"RCTL", 0x3E, L"kVK_RightControl",
     228, L"RCTRL"},
    {0x1E, NoE0, 0x070004, L"KeyA", 30, L"A", 38, L"AC01", 0x00, L"kVK_ANSI_A", 4, L"A"},
    {0x1F, NoE0, 0x070016, L"KeyS", 31, L"S", 39, L"AC02", 0x01, L"kVK_ANSI_S", 22, L"S"},
    {0x20, NoE0, 0x070007, L"KeyD", 32, L"D", 40, L"AC03", 0x02, L"kVK_ANSI_D", 7, L"D"},
    {0x20, E0, 0x0C00E2, L"AudioVolumeMute", 113, L"MUTE", 121, L"MUTE", 0x4A, L"kVK_Mute", 127,
     L"MUTE"},
    {0x21, NoE0, 0x070009, L"KeyF", 33, L"F", 41, L"AC04", 0x03, L"kVK_ANSI_F", 9, L"F"},
    {0x21, E0, 0x0C0192, L"LaunchApp2", 140, L"CALC", 148, L"I148", kNone, L"", 266, L"CALCULATOR"},
    {0x22, NoE0, 0x07000A, L"KeyG", 34, L"G", 42, L"AC05", 0x05, L"kVK_ANSI_G", 10, L"G"},
    {0x22, E0, 0x0C00CD, L"MediaPlayPause", 164, L"PLAYPAUSE", 172, L"I172", kNone, L"", 261,
     L"AUDIOPLAY"},
    {0x23, NoE0, 0x07000B, L"KeyH", 35, L"H", 43, L"AC06", 0x04, L"kVK_ANSI_H", 11, L"H"},
    {0x24, NoE0, 0x07000D, L"KeyJ", 36, L"J", 44, L"AC07", 0x26, L"kVK_ANSI_J", 13, L"J"},
    {0x24, E0, 0x0C00B7, L"MediaStop", 166, L"STOPCD", 174, L"I174", kNone, L"", 260, L"AUDIOSTOP"},
    {0x25, NoE0, 0x07000E, L"KeyK", 37, L"K", 45, L"AC08", 0x28, L"kVK_ANSI_K", 14, L"K"},
    {0x26, NoE0, 0x07000F, L"KeyL", 38, L"L", 46, L"AC09", 0x25, L"kVK_ANSI_L", 15, L"L"},
    {0x27, NoE0, 0x070033, L"Semicolon", 39, L"SEMICOLON", 47, L"AC10", 0x29, L"kVK_ANSI_Semicolon",
     51, L"SEMICOLON"},
    {0x28, NoE0, 0x070034, L"Quote", 40, L"APOSTROPHE", 48, L"AC11", 0x27, L"kVK_ANSI_Quote", 52,
     L"APOSTROPHE"},
    {0x29, NoE0, 0x070035, L"Backquote", 41, L"GRAVE", 49, L"TLDE", 0x32, L"kVK_ANSI_Grave", 53,
     L"GRAVE"},
    {0x2A, NoE0, 0x0700E1, L"ShiftLeft", 42, L"LEFTSHIFT", 50, L"LFSH", 0x38, L"kVK_Shift", 225,
     L"LSHIFT"},
    {0x2B, NoE0, 0x070031, L"Backslash", 43, L"BACKSLASH", 51, L"BKSL", 0x2A, L"kVK_ANSI_Backslash",
     49, L"BACKSLASH"},
    {0x2C, NoE0, 0x07001D, L"KeyZ", 44, L"Z", 52, L"AB01", 0x06, L"kVK_ANSI_Z", 29, L"Z"},
    {0x2C, E0, 0x0C00B8, L"Eject", 161, L"EJECTCD", 169, L"I169", kNone, L"", 281, L"EJECT"},
    {0x2D, NoE0, 0x07001B, L"KeyX", 45, L"X", 53, L"AB02", 0x07, L"kVK_ANSI_X", 27, L"X"},
    {0x2E, NoE0, 0x070006, L"KeyC", 46, L"C", 54, L"AB03", 0x08, L"kVK_ANSI_C", 6, L"C"},
    {0x2E, E0, 0x0C00EA, L"AudioVolumeDown", 114, L"VOLUMEDOWN", 122, L"VOL-", 0x49,
     L"kVK_VolumeDown", 129, L"VOLUMEDOWN"},
    {0x2F, NoE0, 0x070019, L"KeyV", 47, L"V", 55, L"AB04", 0x09, L"kVK_ANSI_V", 25, L"V"},
    {0x30, NoE0, 0x070005, L"KeyB", 48, L"B", 56, L"AB05", 0x0B, L"kVK_ANSI_B", 5, L"B"},
    {0x30, E0, 0x0C00E9, L"AudioVolumeUp", 115, L"VOLUMEUP", 123, L"VOL+", 0x48, L"kVK_VolumeUp",
     128, L"VOLUMEUP"},
    {0x31, NoE0, 0x070011, L"KeyN", 49, L"N", 57, L"AB06", 0x2D, L"kVK_ANSI_N", 17, L"N"},
    {0x32, NoE0, 0x070010, L"KeyM", 50, L"M", 58, L"AB07", 0x2E, L"kVK_ANSI_M", 16, L"M"},
    {0x32, E0, 0x0C0223, L"BrowserHome", 172, L"HOMEPAGE", 180, L"I180", kNone, L"", 269,
     L"AC_HOME"},
    {0x33, NoE0, 0x070036, L"Comma", 51, L"COMMA", 59, L"AB08", 0x2B, L"kVK_ANSI_Comma", 54,
     L"COMMA"},
    {0x34, NoE0, 0x070037, L"Period", 52, L"DOT", 60, L"AB09", 0x2F, L"kVK_ANSI_Period", 55,
     L"PERIOD"},
    {0x35, NoE0, 0x070038, L"Slash", 53, L"SLASH", 61, L"AB10", 0x2C, L"kVK_ANSI_Slash", 56,
     L"SLASH"},
    {0x35, E0, 0x070054, L"NumpadDivide", 98, L"KPSLASH", 106, L"KPDV", 0x4B,
     L"kVK_ANSI_KeypadDivide", 84, L"KP_DIVIDE"},
    {0x36, NoE0, 0x0700E5, L"ShiftRight", 54, L"RIGHTSHIFT", 62, L"RTSH", 0x3C, L"kVK_RightShift",
     229, L"RSHIFT"},
    {0x37, NoE0, 0x070055, L"NumpadMultiply", 55, L"KPASTERISK", 63, L"KPMU", 0x43,
     L"kVK_ANSI_KeypadMultiply", 85, L"KP_MULTIPLY"},
    {0x37, E0, 0x070046, L"PrintScreen", 99, L"SYSRQ", 107, L"PRSC", kNone, L"", 70,
     L"PRINTSCREEN"},
    {0x38, NoE0, 0x0700E2, L"AltLeft", 56, L"LEFTALT", 64, L"LALT", 0x3A, L"kVK_Option", 226,
     L"LALT"},
    {0x38, E0, 0x0700E6, L"AltRight", 100, L"RIGHTALT", 108, L"RALT", 0x3D, L"kVK_RightOption", 230,
     L"RALT"},
    {0x39, NoE0, 0x07002C, L"Space", 57, L"SPACE", 65, L"SPCE", 0x31, L"kVK_Space", 44, L"SPACE"},
    {0x3A, NoE0, 0x070039, L"CapsLock", 58, L"CAPSLOCK", 66, L"CAPS", 0x39, L"kVK_CapsLock", 57,
     L"CAPSLOCK"},
    {0x3B, NoE0, 0x07003A, L"F1", 59, L"F1", 67, L"FK01", 0x7A, L"kVK_F1", 58, L"F1"},
    {0x3B, E0, 0x070075, L"Help", 138, L"HELP", 146, L"HELP", kNone, L"", 117, L"HELP"},
    {0x3C, NoE0, 0x07003B, L"F2", 60, L"F2", 68, L"FK02", 0x78, L"kVK_F2", 59, L"F2"},
    {0x3D, NoE0, 0x07003C, L"F3", 61, L"F3", 69, L"FK03", 0x63, L"kVK_F3", 60, L"F3"},
    {0x3E, NoE0, 0x07003D, L"F4", 62, L"F4", 70, L"FK04", 0x76, L"kVK_F4", 61, L"F4"},
    {0x3F, NoE0, 0x07003E, L"F5", 63, L"F5", 71, L"FK05", 0x60, L"kVK_F5", 62, L"F5"},
    {0x40, NoE0, 0x07003F, L"F6", 64, L"F6", 72, L"FK06", 0x61, L"kVK_F6", 63, L"F6"},
    {0x41, NoE0, 0x070040, L"F7", 65, L"F7", 73, L"FK07", 0x62, L"kVK_F7", 64, L"F7"},
    {0x42, NoE0, 0x070041, L"F8", 66, L"F8", 74, L"FK08", 0x64, L"kVK_F8", 65, L"F8"},
    {0x43, NoE0, 0x070042, L"F9", 67, L"F9", 75, L"FK09", 0x65, L"kVK_F9", 66, L"F9"},
    {0x44, NoE0, 0x070043, L"F10", 68, L"F10", 76, L"FK10", 0x6D, L"kVK_F10", 67, L"F10"},
    {0x45, NoE0, 0x070048, L"Pause", 119, L"PAUSE", 127, L"PAUS", kNone, L"", 72, L"PAUSE"},
    {0x45, E0, 0x070053, L"NumLock", 69, L"NUMLOCK", 77, L"NMLK", 0x47, L"kVK_ANSI_KeypadClear", 83,
     L"NUMLOCKCLEAR"},
    {0x46, NoE0, 0x070047, L"ScrollLock", 70, L"SCROLLLOCK", 78, L"SCLK", kNone, L"", 71,
     L"SCROLLLOCK"},
    {0x47, NoE0, 0x07005F, L"Numpad7", 71, L"KP7", 79, L"KP7", 0x59, L"kVK_ANSI_Keypad7", 95,
     L"KP_7"},
    {0x47, E0, 0x07004A, L"Home", 102, L"HOME", 110, L"HOME", 0x73, L"kVK_Home", 74, L"HOME"},
    {0x48, NoE0, 0x070060, L"Numpad8", 72, L"KP8", 80, L"KP8", 0x5B, L"kVK_ANSI_Keypad8", 96,
     L"KP_8"},
    {0x48, E0, 0x070052, L"ArrowUp", 103, L"UP", 111, L"UP", 0x7E, L"kVK_UpArrow", 82, L"UP"},
    {0x49, NoE0, 0x070061, L"Numpad9", 73, L"KP9", 81, L"KP9", 0x5C, L"kVK_ANSI_Keypad9", 97,
     L"KP_9"},
    {0x49, E0, 0x07004B, L"PageUp", 104, L"PAGEUP", 112, L"PGUP", 0x74, L"kVK_PageUp", 75,
     L"PAGEUP"},
    {0x4A, NoE0, 0x070056, L"NumpadSubtract", 74, L"KPMINUS", 82, L"KPSU", 0x4E,
     L"kVK_ANSI_KeypadMinus", 86, L"KP_MINUS"},
    {0x4B, NoE0, 0x07005C, L"Numpad4", 75, L"KP4", 83, L"KP4", 0x56, L"kVK_ANSI_Keypad4", 92,
     L"KP_4"},
    {0x4B, E0, 0x070050, L"ArrowLeft", 105, L"LEFT", 113, L"LEFT", 0x7B, L"kVK_LeftArrow", 80,
     L"LEFT"},
    {0x4C, NoE0, 0x07005D, L"Numpad5", 76, L"KP5", 84, L"KP5", 0x57, L"kVK_ANSI_Keypad5", 93,
     L"KP_5"},
    {0x4D, NoE0, 0x07005E, L"Numpad6", 77, L"KP6", 85, L"KP6", 0x58, L"kVK_ANSI_Keypad6", 94,
     L"KP_6"},
    {0x4D, E0, 0x07004F, L"ArrowRight", 106, L"RIGHT", 114, L"RGHT", 0x7C, L"kVK_RightArrow", 79,
     L"RIGHT"},
    {0x4E, NoE0, 0x070057, L"NumpadAdd", 78, L"KPPLUS", 86, L"KPAD", 0x45, L"kVK_ANSI_KeypadPlus",
     87, L"KP_PLUS"},
    {0x4F, NoE0, 0x070059, L"Numpad1", 79, L"KP1", 87, L"KP1", 0x53, L"kVK_ANSI_Keypad1", 89,
     L"KP_1"},
    {0x4F, E0, 0x07004D, L"End", 107, L"END", 115, L"END", 0x77, L"kVK_End", 77, L"END"},
    {0x50, NoE0, 0x07005A, L"Numpad2", 80, L"KP2", 88, L"KP2", 0x54, L"kVK_ANSI_Keypad2", 90,
     L"KP_2"},
    {0x50, E0, 0x070051, L"ArrowDown", 108, L"DOWN", 116, L"DOWN", 0x7D, L"kVK_DownArrow", 81,
     L"DOWN"},
    {0x51, NoE0, 0x07005B, L"Numpad3", 81, L"KP3", 89, L"KP3", 0x55, L"kVK_ANSI_Keypad3", 91,
     L"KP_3"},
    {0x51, E0, 0x07004E, L"PageDown", 109, L"PAGEDOWN", 117, L"PGDN", 0x79, L"kVK_PageDown", 78,
     L"PAGEDOWN"},
    {0x52, NoE0, 0x070062, L"Numpad0", 82, L"KP0", 90, L"KP0", 0x52, L"kVK_ANSI_Keypad0", 98,
     L"KP_0"},
    {0x52, E0, 0x070049, L"Insert", 110, L"INSERT", 118, L"INS", 0x72, L"kVK_Help", 73, L"INSERT"},
    {0x53, NoE0, 0x070063, L"NumpadDecimal", 83, L"KPDOT", 91, L"KPDL", 0x41,
     L"kVK_ANSI_KeypadDecimal", 99, L"KP_PERIOD"},
    {0x53, E0, 0x07004C, L"Delete", 111, L"DELETE", 119, L"DELE", 0x75, L"kVK_ForwardDelete", 76,
     L"DELETE"},
    {0x56, NoE0, 0x070064, L"IntlBackslash", 86, L"102ND", 94, L"LSGT", 0x0A, L"kVK_ISO_Section",
     100, L"NONUSBACKSLASH"},
    {0x57, NoE0, 0x070044, L"F11", 87, L"F11", 95, L"FK11", 0x67, L"kVK_F11", 68, L"F11"},
    {0x58, NoE0, 0x070045, L"F12", 88, L"F12", 96, L"FK12", 0x6F, L"kVK_F12", 69, L"F12"},
    {0x59, NoE0, 0x070067, L"NumpadEqual", 117, L"KPEQUAL", 125, L"KPEQ", 0x51,
     L"kVK_ANSI_KeypadEquals", 103, L"KP_EQUALS"},
    {0x5B, E0, 0x0700E3, L"MetaLeft", 125, L"LEFTMETA", 133, L"LWIN", 0x37, L"kVK_Command", 227,
     L"LGUI"},
    {0x5C, E0, 0x0700E7, L"MetaRight", 126, L"RIGHTMETA", 134, L"RWIN", 0x36, L"kVK_RightCommand",
     231, L"RGUI"},
    {0x5D, E0, 0x070065, L"ContextMenu", 127, L"COMPOSE", 135, L"COMP", 0x6E, L"kVK_ContextualMenu",
     101, L"APPLICATION"},
    {0x5E, E0, 0x070066, L"Power", 116, L"POWER", 124, L"POWR", kNone, L"", 102, L"POWER"},
    {0x5F, E0, 0x010082, L"Sleep", 142, L"SLEEP", 150, L"I150", kNone, L"", 282, L"SLEEP"},
    {0x63, E0, 0x010083, L"WakeUp", 143, L"WAKEUP", 151, L"I151", kNone, L"", 0, L""},
    {0x64, NoE0, 0x070068, L"F13", 183, L"F13", 191, L"FK13", 0x69, L"kVK_F13", 104, L"F13"},
    {0x65, NoE0, 0x070069, L"F14", 184, L"F14", 192, L"FK14", 0x6B, L"kVK_F14", 105, L"F14"},
    {0x65, E0, 0x0C0221, L"BrowserSearch", 217, L"SEARCH", 225, L"I225", kNone, L"", 268,
     L"AC_SEARCH"},
    {0x66, NoE0, 0x07006A, L"F15", 185, L"F15", 193, L"FK15", 0x71, L"kVK_F15", 106, L"F15"},
    {0x66, E0, 0x0C022A, L"BrowserFavorites", 156, L"BOOKMARKS", 164, L"I164", kNone, L"", 274,
     L"AC_BOOKMARKS"},
    {0x67, NoE0, 0x07006B, L"F16", 186, L"F16", 194, L"FK16", 0x6A, L"kVK_F16", 107, L"F16"},
    {0x67, E0, 0x0C0227, L"BrowserRefresh", 173, L"REFRESH", 181, L"I181", kNone, L"", 273,
     L"AC_REFRESH"},
    {0x68, NoE0, 0x07006C, L"F17", 187, L"F17", 195, L"FK17", 0x40, L"kVK_F17", 108, L"F17"},
    {0x68, E0, 0x0C0226, L"BrowserStop", 128, L"STOP", 136, L"STOP", kNone, L"", 272, L"AC_STOP"},
    {0x69, NoE0, 0x07006D, L"F18", 188, L"F18", 196, L"FK18", 0x4F, L"kVK_F18", 109, L"F18"},
    {0x69, E0, 0x0C0225, L"BrowserForward", 159, L"FORWARD", 167, L"I167", kNone, L"", 271,
     L"AC_FORWARD"},
    {0x6A, NoE0, 0x07006E, L"F19", 189, L"F19", 197, L"FK19", 0x50, L"kVK_F19", 110, L"F19"},
    {0x6A, E0, 0x0C0224, L"BrowserBack", 158, L"BACK", 166, L"I166", kNone, L"", 270, L"AC_BACK"},
    {0x6B, NoE0, 0x07006F, L"F20", 190, L"F20", 198, L"FK20", 0x5A, L"kVK_F20", 111, L"F20"},
    {0x6B, E0, 0x0C0194, L"LaunchApp1", 144, L"FILE", 152, L"I152", kNone, L"", 267, L"COMPUTER"},
    {0x6C, NoE0, 0x070070, L"F21", 191, L"F21", 199, L"FK21", kNone, L"", 112, L"F21"},
    {0x6C, E0, 0x0C018A, L"LaunchMail", 155, L"MAIL", 163, L"I163", kNone, L"", 265, L"MAIL"},
    {0x6D, NoE0, 0x070071, L"F22", 192, L"F22", 200, L"FK22", kNone, L"", 113, L"F22"},
    {0x6D, E0, 0x0C0183, L"MediaSelect", 171, L"CONFIG", 179, L"I179", kNone, L"", 263,
     L"MEDIASELECT"},
    {0x6E, NoE0, 0x070072, L"F23", 193, L"F23", 201, L"FK23", kNone, L"", 114, L"F23"},
    {0x70, NoE0, 0x070088, L"KanaMode", 93, L"KATAKANAHIRAGANA", 101, L"HKTG", kNone, L"", 136,
     L"INTERNATIONAL2"},
    {0x71, NoE0, 0x070091, L"Lang2", 123, L"HANJA", 131, L"HJCV", 0x66, L"kVK_JIS_Eisu", 145,
     L"LANG2"},
    {0x72, NoE0, 0x070090, L"Lang1", 122, L"HANGEUL", 130, L"HNGL", 0x68, L"kVK_JIS_Kana", 144,
     L"LANG1"},
    {0x73, NoE0, 0x070087, L"IntlRo", 89, L"RO", 97, L"AB11", 0x5E, L"kVK_JIS_Underscore", 135,
     L"INTERNATIONAL1"},
    {0x76, NoE0, 0x070073, L"F24", 194, L"F24", 202, L"FK24", kNone, L"", 115, L"F24"},
    {0x77, NoE0, 0x070093, L"Lang4", 91, L"HIRAGANA", 99, L"HIRA", kNone, L"", 147, L"LANG4"},
    {0x78, NoE0, 0x070092, L"Lang3", 90, L"KATAKANA", 98, L"KATA", kNone, L"", 146, L"LANG3"},
    {0x79, NoE0, 0x07008A, L"Convert", 92, L"HENKAN", 100, L"HENK", kNone, L"", 138,
     L"INTERNATIONAL4"},
    {0x7B, NoE0, 0x07008B, L"NonConvert", 94, L"MUHENKAN", 102, L"MUHE", kNone, L"", 139,
     L"INTERNATIONAL5"},
    {0x7D, NoE0, 0x070089, L"IntlYen", 124, L"YEN", 132, L"AE13", 0x5D, L"kVK_JIS_Yen", 137,
     L"INTERNATIONAL3"},
    {0x7E, NoE0, 0x070085, L"NumpadComma", 121, L"KPCOMMA", 129, L"I129", 0x5F,
     L"kVK_JIS_KeypadComma", 133, L"KP_COMMA"},
};

// Index by scan code and flag, so a lookup per shown cell costs one array read.
constexpr uint8_t kAbsent = 0xFF;
static_assert(std::size(kKeys) < kAbsent);

constexpr std::array<std::array<uint8_t, 256>, 2> kIndex = [] {
    std::array<std::array<uint8_t, 256>, 2> index{};
    for (auto& half : index)
        half.fill(kAbsent);
    for (size_t i = 0; i < std::size(kKeys); ++i)
        index[kKeys[i].extended ? 1 : 0][kKeys[i].scanCode] = static_cast<uint8_t>(i);
    return index;
}();

} // namespace

const PhysicalKey* FindPhysicalKey(uint8_t scanCode, bool extended) {
    const uint8_t i = kIndex[extended ? 1 : 0][scanCode];
    return i == kAbsent ? nullptr : &kKeys[i];
}

std::span<const PhysicalKey> PhysicalKeys() {
    return kKeys;
}

std::wstring UsbUsageText(const PhysicalKey& key) {
    return key.usbUsage == 0 ? std::wstring() : L"0x" + HexText(key.usbUsage, 6);
}

std::wstring EvdevText(const PhysicalKey& key) {
    if (key.evdevCode == 0)
        return {};
    return std::to_wstring(key.evdevCode) + L" KEY_" + std::wstring(key.evdevName);
}

std::wstring XkbText(const PhysicalKey& key) {
    if (key.xkbKeyCode == 0)
        return {};
    return std::to_wstring(key.xkbKeyCode) + L" " + std::wstring(key.xkbName);
}

std::wstring MacKeyText(const PhysicalKey& key) {
    if (key.macKeyCode < 0)
        return L"none";
    return L"0x" + HexText(static_cast<uint32_t>(key.macKeyCode), 2) + L" " +
           std::wstring(key.macName);
}

std::wstring SdlConstant(const PhysicalKey& key) {
    return key.sdlScancode == 0 ? std::wstring() : L"SDL_SCANCODE_" + std::wstring(key.sdlName);
}

std::wstring SdlText(const PhysicalKey& key) {
    if (key.sdlScancode == 0)
        return {};
    return std::to_wstring(key.sdlScancode) + L" " + SdlConstant(key);
}

} // namespace zintar
