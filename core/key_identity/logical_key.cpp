#include "core/key_identity/logical_key.h"

#include <array>

#include "core/common/hex_text.h"
#include "core/key_history/character_text.h"
#include "core/key_identity/key_names.h"

namespace zintar {

namespace {

struct LogicalNames {
    uint8_t virtualKey;
    std::wstring_view winForms; // System.Windows.Forms.Keys member
    std::wstring_view wpf;      // System.Windows.Input.Key member
    std::wstring_view dom;      // KeyboardEvent.key of a key that types nothing
    std::wstring_view ahk;      // AutoHotkey key name
};

// From the .NET Keys and WPF Key enumerations (where a code has two members, the one that
// says what the key is: Enter over Return, PageUp over Prior, CapsLock over Capital), the
// W3C UI Events KeyboardEvent key values and AutoHotkey's key list. WPF has no member for
// the side-neutral Shift, Ctrl and Alt codes; KeyInterop gives the left keys, so do these.
// Letters, digits and the punctuation keys type characters, so their DOM value is empty here.
constexpr LogicalNames kNames[] = {
    {0x03, L"Cancel", L"Cancel", L"Cancel", L"CtrlBreak"},
    {0x08, L"Back", L"Back", L"Backspace", L"Backspace"},
    {0x09, L"Tab", L"Tab", L"Tab", L"Tab"},
    {0x0C, L"Clear", L"Clear", L"Clear", L"NumpadClear"},
    {0x0D, L"Enter", L"Enter", L"Enter", L"Enter"},
    {0x10, L"ShiftKey", L"LeftShift", L"Shift", L"Shift"},
    {0x11, L"ControlKey", L"LeftCtrl", L"Control", L"Ctrl"},
    {0x12, L"Menu", L"LeftAlt", L"Alt", L"Alt"},
    {0x13, L"Pause", L"Pause", L"Pause", L"Pause"},
    {0x14, L"CapsLock", L"CapsLock", L"CapsLock", L"CapsLock"},
    {0x15, L"KanaMode", L"KanaMode", L"KanaMode", L""},
    {0x17, L"JunjaMode", L"JunjaMode", L"JunjaMode", L""},
    {0x18, L"FinalMode", L"FinalMode", L"FinalMode", L""},
    {0x19, L"HanjaMode", L"HanjaMode", L"HanjaMode", L""},
    {0x1B, L"Escape", L"Escape", L"Escape", L"Escape"},
    {0x1C, L"IMEConvert", L"ImeConvert", L"Convert", L""},
    {0x1D, L"IMENonconvert", L"ImeNonConvert", L"NonConvert", L""},
    {0x1E, L"IMEAccept", L"ImeAccept", L"Accept", L""},
    {0x1F, L"IMEModeChange", L"ImeModeChange", L"ModeChange", L""},
    {0x20, L"Space", L"Space", L" ", L"Space"},
    {0x21, L"PageUp", L"PageUp", L"PageUp", L"PgUp"},
    {0x22, L"PageDown", L"PageDown", L"PageDown", L"PgDn"},
    {0x23, L"End", L"End", L"End", L"End"},
    {0x24, L"Home", L"Home", L"Home", L"Home"},
    {0x25, L"Left", L"Left", L"ArrowLeft", L"Left"},
    {0x26, L"Up", L"Up", L"ArrowUp", L"Up"},
    {0x27, L"Right", L"Right", L"ArrowRight", L"Right"},
    {0x28, L"Down", L"Down", L"ArrowDown", L"Down"},
    {0x29, L"Select", L"Select", L"Select", L""},
    {0x2A, L"Print", L"Print", L"Print", L""},
    {0x2B, L"Execute", L"Execute", L"Execute", L""},
    {0x2C, L"PrintScreen", L"PrintScreen", L"PrintScreen", L"PrintScreen"},
    {0x2D, L"Insert", L"Insert", L"Insert", L"Insert"},
    {0x2E, L"Delete", L"Delete", L"Delete", L"Delete"},
    {0x2F, L"Help", L"Help", L"Help", L"Help"},
    {0x30, L"D0", L"D0", L"", L"0"},
    {0x31, L"D1", L"D1", L"", L"1"},
    {0x32, L"D2", L"D2", L"", L"2"},
    {0x33, L"D3", L"D3", L"", L"3"},
    {0x34, L"D4", L"D4", L"", L"4"},
    {0x35, L"D5", L"D5", L"", L"5"},
    {0x36, L"D6", L"D6", L"", L"6"},
    {0x37, L"D7", L"D7", L"", L"7"},
    {0x38, L"D8", L"D8", L"", L"8"},
    {0x39, L"D9", L"D9", L"", L"9"},
    {0x41, L"A", L"A", L"", L"a"},
    {0x42, L"B", L"B", L"", L"b"},
    {0x43, L"C", L"C", L"", L"c"},
    {0x44, L"D", L"D", L"", L"d"},
    {0x45, L"E", L"E", L"", L"e"},
    {0x46, L"F", L"F", L"", L"f"},
    {0x47, L"G", L"G", L"", L"g"},
    {0x48, L"H", L"H", L"", L"h"},
    {0x49, L"I", L"I", L"", L"i"},
    {0x4A, L"J", L"J", L"", L"j"},
    {0x4B, L"K", L"K", L"", L"k"},
    {0x4C, L"L", L"L", L"", L"l"},
    {0x4D, L"M", L"M", L"", L"m"},
    {0x4E, L"N", L"N", L"", L"n"},
    {0x4F, L"O", L"O", L"", L"o"},
    {0x50, L"P", L"P", L"", L"p"},
    {0x51, L"Q", L"Q", L"", L"q"},
    {0x52, L"R", L"R", L"", L"r"},
    {0x53, L"S", L"S", L"", L"s"},
    {0x54, L"T", L"T", L"", L"t"},
    {0x55, L"U", L"U", L"", L"u"},
    {0x56, L"V", L"V", L"", L"v"},
    {0x57, L"W", L"W", L"", L"w"},
    {0x58, L"X", L"X", L"", L"x"},
    {0x59, L"Y", L"Y", L"", L"y"},
    {0x5A, L"Z", L"Z", L"", L"z"},
    {0x5B, L"LWin", L"LWin", L"Meta", L"LWin"},
    {0x5C, L"RWin", L"RWin", L"Meta", L"RWin"},
    {0x5D, L"Apps", L"Apps", L"ContextMenu", L"AppsKey"},
    {0x5F, L"Sleep", L"Sleep", L"Standby", L"Sleep"},
    {0x60, L"NumPad0", L"NumPad0", L"", L"Numpad0"},
    {0x61, L"NumPad1", L"NumPad1", L"", L"Numpad1"},
    {0x62, L"NumPad2", L"NumPad2", L"", L"Numpad2"},
    {0x63, L"NumPad3", L"NumPad3", L"", L"Numpad3"},
    {0x64, L"NumPad4", L"NumPad4", L"", L"Numpad4"},
    {0x65, L"NumPad5", L"NumPad5", L"", L"Numpad5"},
    {0x66, L"NumPad6", L"NumPad6", L"", L"Numpad6"},
    {0x67, L"NumPad7", L"NumPad7", L"", L"Numpad7"},
    {0x68, L"NumPad8", L"NumPad8", L"", L"Numpad8"},
    {0x69, L"NumPad9", L"NumPad9", L"", L"Numpad9"},
    {0x6A, L"Multiply", L"Multiply", L"", L"NumpadMult"},
    {0x6B, L"Add", L"Add", L"", L"NumpadAdd"},
    {0x6C, L"Separator", L"Separator", L"", L""},
    {0x6D, L"Subtract", L"Subtract", L"", L"NumpadSub"},
    {0x6E, L"Decimal", L"Decimal", L"", L"NumpadDot"},
    {0x6F, L"Divide", L"Divide", L"", L"NumpadDiv"},
    {0x70, L"F1", L"F1", L"F1", L"F1"},
    {0x71, L"F2", L"F2", L"F2", L"F2"},
    {0x72, L"F3", L"F3", L"F3", L"F3"},
    {0x73, L"F4", L"F4", L"F4", L"F4"},
    {0x74, L"F5", L"F5", L"F5", L"F5"},
    {0x75, L"F6", L"F6", L"F6", L"F6"},
    {0x76, L"F7", L"F7", L"F7", L"F7"},
    {0x77, L"F8", L"F8", L"F8", L"F8"},
    {0x78, L"F9", L"F9", L"F9", L"F9"},
    {0x79, L"F10", L"F10", L"F10", L"F10"},
    {0x7A, L"F11", L"F11", L"F11", L"F11"},
    {0x7B, L"F12", L"F12", L"F12", L"F12"},
    {0x7C, L"F13", L"F13", L"F13", L"F13"},
    {0x7D, L"F14", L"F14", L"F14", L"F14"},
    {0x7E, L"F15", L"F15", L"F15", L"F15"},
    {0x7F, L"F16", L"F16", L"F16", L"F16"},
    {0x80, L"F17", L"F17", L"F17", L"F17"},
    {0x81, L"F18", L"F18", L"F18", L"F18"},
    {0x82, L"F19", L"F19", L"F19", L"F19"},
    {0x83, L"F20", L"F20", L"F20", L"F20"},
    {0x84, L"F21", L"F21", L"F21", L"F21"},
    {0x85, L"F22", L"F22", L"F22", L"F22"},
    {0x86, L"F23", L"F23", L"F23", L"F23"},
    {0x87, L"F24", L"F24", L"F24", L"F24"},
    {0x90, L"NumLock", L"NumLock", L"NumLock", L"NumLock"},
    {0x91, L"Scroll", L"Scroll", L"ScrollLock", L"ScrollLock"},
    {0xA0, L"LShiftKey", L"LeftShift", L"Shift", L"LShift"},
    {0xA1, L"RShiftKey", L"RightShift", L"Shift", L"RShift"},
    {0xA2, L"LControlKey", L"LeftCtrl", L"Control", L"LCtrl"},
    {0xA3, L"RControlKey", L"RightCtrl", L"Control", L"RCtrl"},
    {0xA4, L"LMenu", L"LeftAlt", L"Alt", L"LAlt"},
    {0xA5, L"RMenu", L"RightAlt", L"Alt", L"RAlt"},
    {0xA6, L"BrowserBack", L"BrowserBack", L"BrowserBack", L"Browser_Back"},
    {0xA7, L"BrowserForward", L"BrowserForward", L"BrowserForward", L"Browser_Forward"},
    {0xA8, L"BrowserRefresh", L"BrowserRefresh", L"BrowserRefresh", L"Browser_Refresh"},
    {0xA9, L"BrowserStop", L"BrowserStop", L"BrowserStop", L"Browser_Stop"},
    {0xAA, L"BrowserSearch", L"BrowserSearch", L"BrowserSearch", L"Browser_Search"},
    {0xAB, L"BrowserFavorites", L"BrowserFavorites", L"BrowserFavorites", L"Browser_Favorites"},
    {0xAC, L"BrowserHome", L"BrowserHome", L"BrowserHome", L"Browser_Home"},
    {0xAD, L"VolumeMute", L"VolumeMute", L"AudioVolumeMute", L"Volume_Mute"},
    {0xAE, L"VolumeDown", L"VolumeDown", L"AudioVolumeDown", L"Volume_Down"},
    {0xAF, L"VolumeUp", L"VolumeUp", L"AudioVolumeUp", L"Volume_Up"},
    {0xB0, L"MediaNextTrack", L"MediaNextTrack", L"MediaTrackNext", L"Media_Next"},
    {0xB1, L"MediaPreviousTrack", L"MediaPreviousTrack", L"MediaTrackPrevious", L"Media_Prev"},
    {0xB2, L"MediaStop", L"MediaStop", L"MediaStop", L"Media_Stop"},
    {0xB3, L"MediaPlayPause", L"MediaPlayPause", L"MediaPlayPause", L"Media_Play_Pause"},
    {0xB4, L"LaunchMail", L"LaunchMail", L"LaunchMail", L"Launch_Mail"},
    {0xB5, L"SelectMedia", L"SelectMedia", L"LaunchMediaPlayer", L"Launch_Media"},
    {0xB6, L"LaunchApplication1", L"LaunchApplication1", L"LaunchApplication1", L"Launch_App1"},
    {0xB7, L"LaunchApplication2", L"LaunchApplication2", L"LaunchApplication2", L"Launch_App2"},
    {0xBA, L"OemSemicolon", L"OemSemicolon", L"", L""},
    {0xBB, L"Oemplus", L"OemPlus", L"", L""},
    {0xBC, L"Oemcomma", L"OemComma", L"", L""},
    {0xBD, L"OemMinus", L"OemMinus", L"", L""},
    {0xBE, L"OemPeriod", L"OemPeriod", L"", L""},
    {0xBF, L"OemQuestion", L"OemQuestion", L"", L""},
    {0xC0, L"Oemtilde", L"OemTilde", L"", L""},
    {0xC1, L"", L"AbntC1", L"", L""},
    {0xC2, L"", L"AbntC2", L"", L""},
    {0xDB, L"OemOpenBrackets", L"OemOpenBrackets", L"", L""},
    {0xDC, L"OemPipe", L"OemPipe", L"", L""},
    {0xDD, L"OemCloseBrackets", L"OemCloseBrackets", L"", L""},
    {0xDE, L"OemQuotes", L"OemQuotes", L"", L""},
    {0xDF, L"Oem8", L"Oem8", L"", L""},
    {0xE2, L"OemBackslash", L"OemBackslash", L"", L""},
    {0xE5, L"ProcessKey", L"ImeProcessed", L"Process", L""},
    {0xE7, L"Packet", L"", L"", L""},
    {0xF6, L"Attn", L"Attn", L"Attn", L""},
    {0xF7, L"Crsel", L"CrSel", L"CrSel", L""},
    {0xF8, L"Exsel", L"ExSel", L"ExSel", L""},
    {0xF9, L"EraseEof", L"EraseEof", L"EraseEof", L""},
    {0xFA, L"Play", L"Play", L"Play", L""},
    {0xFB, L"Zoom", L"Zoom", L"ZoomToggle", L""},
    {0xFC, L"NoName", L"NoName", L"", L""},
    {0xFD, L"Pa1", L"Pa1", L"", L""},
    {0xFE, L"OemClear", L"OemClear", L"Clear", L""},
};

constexpr uint8_t kAbsent = 0xFF;
static_assert(std::size(kNames) < kAbsent);

constexpr std::array<uint8_t, kKeyCodeCount> kIndex = [] {
    std::array<uint8_t, kKeyCodeCount> index{};
    index.fill(kAbsent);
    for (size_t i = 0; i < std::size(kNames); ++i)
        index[kNames[i].virtualKey] = static_cast<uint8_t>(i);
    return index;
}();

const LogicalNames* Find(int virtualKey) {
    if (virtualKey < 0 || virtualKey >= kKeyCodeCount)
        return nullptr;
    const uint8_t i = kIndex[static_cast<size_t>(virtualKey)];
    return i == kAbsent ? nullptr : &kNames[i];
}

constexpr char32_t kBackspace = 0x08, kTab = 0x09, kCarriageReturn = 0x0D, kEscape = 0x1B;

} // namespace

std::wstring_view WinFormsKeyName(int virtualKey) {
    const LogicalNames* names = Find(virtualKey);
    return names ? names->winForms : std::wstring_view();
}

std::wstring WinFormsKeysExpression(int virtualKey, uint8_t modifiers) {
    std::wstring text;
    const auto add = [&](std::wstring_view part) {
        if (!text.empty())
            text += L" | ";
        text += part;
    };
    if (modifiers & kModifierCtrl)
        add(L"Keys.Control");
    if (modifiers & kModifierShift)
        add(L"Keys.Shift");
    if (modifiers & kModifierAlt)
        add(L"Keys.Alt");
    const std::wstring_view name = WinFormsKeyName(virtualKey);
    add(name.empty() ? L"(Keys)" + std::to_wstring(virtualKey & 0xFF)
                     : L"Keys." + std::wstring(name));
    return text;
}

std::wstring WpfKeyMember(int virtualKey) {
    const LogicalNames* names = Find(virtualKey);
    if (!names || names->wpf.empty())
        return {};
    return L"Key." + std::wstring(names->wpf);
}

std::wstring_view DomNamedKey(int virtualKey) {
    const LogicalNames* names = Find(virtualKey);
    return names ? names->dom : std::wstring_view();
}

std::wstring DomKeyOfCharacter(char32_t c, bool dead) {
    if (dead)
        return L"Dead";
    switch (c) {
    case kBackspace:
        return L"Backspace";
    case kTab:
        return L"Tab";
    case kCarriageReturn:
        return L"Enter";
    case kEscape:
        return L"Escape";
    default:
        break;
    }
    return IsControlCharacter(c) ? std::wstring() : Utf16Text(c);
}

std::wstring AutoHotkeyKeyName(int virtualKey) {
    const LogicalNames* names = Find(virtualKey);
    if (names && !names->ahk.empty())
        return std::wstring(names->ahk);
    return L"vk" + HexText(static_cast<uint32_t>(virtualKey) & 0xFF, kByteDigits);
}

} // namespace zintar
