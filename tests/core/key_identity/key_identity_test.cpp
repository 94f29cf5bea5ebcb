// The physical and logical identity of keys. Expected values are written out by hand from
// the standards (USB HID Usage Tables, W3C UI Events code/key values, Linux
// input-event-codes.h, the XKB evdev keycodes, Apple's Events.h, SDL_scancode.h, the .NET
// Keys and WPF Key enumerations), not read from the tables under test.
#include "core/key_identity/logical_key.h"
#include "core/key_identity/physical_key.h"

#include <gtest/gtest.h>

#include <set>

namespace zintar {
namespace {

struct Expected {
    uint8_t scan;
    bool e0;
    const wchar_t *usb, *code, *evdev, *xkb, *mac, *sdl;
};

constexpr Expected kHandPicked[] = {
    {0x1E, false, L"0x070004", L"KeyA", L"30 KEY_A", L"38 AC01", L"0x00 kVK_ANSI_A",
     L"4 SDL_SCANCODE_A"},
    {0x1C, false, L"0x070028", L"Enter", L"28 KEY_ENTER", L"36 RTRN", L"0x24 kVK_Return",
     L"40 SDL_SCANCODE_RETURN"},
    {0x1C, true, L"0x070058", L"NumpadEnter", L"96 KEY_KPENTER", L"104 KPEN",
     L"0x4C kVK_ANSI_KeypadEnter", L"88 SDL_SCANCODE_KP_ENTER"},
    {0x1D, true, L"0x0700E4", L"ControlRight", L"97 KEY_RIGHTCTRL", L"105 RCTL",
     L"0x3E kVK_RightControl", L"228 SDL_SCANCODE_RCTRL"},
    {0x38, true, L"0x0700E6", L"AltRight", L"100 KEY_RIGHTALT", L"108 RALT",
     L"0x3D kVK_RightOption", L"230 SDL_SCANCODE_RALT"},
    {0x45, false, L"0x070048", L"Pause", L"119 KEY_PAUSE", L"127 PAUS", L"none",
     L"72 SDL_SCANCODE_PAUSE"},
    {0x45, true, L"0x070053", L"NumLock", L"69 KEY_NUMLOCK", L"77 NMLK",
     L"0x47 kVK_ANSI_KeypadClear", L"83 SDL_SCANCODE_NUMLOCKCLEAR"},
    {0x37, true, L"0x070046", L"PrintScreen", L"99 KEY_SYSRQ", L"107 PRSC", L"none",
     L"70 SDL_SCANCODE_PRINTSCREEN"},
    {0x5D, true, L"0x070065", L"ContextMenu", L"127 KEY_COMPOSE", L"135 COMP",
     L"0x6E kVK_ContextualMenu", L"101 SDL_SCANCODE_APPLICATION"},
    {0x56, false, L"0x070064", L"IntlBackslash", L"86 KEY_102ND", L"94 LSGT",
     L"0x0A kVK_ISO_Section", L"100 SDL_SCANCODE_NONUSBACKSLASH"},
    {0x48, true, L"0x070052", L"ArrowUp", L"103 KEY_UP", L"111 UP", L"0x7E kVK_UpArrow",
     L"82 SDL_SCANCODE_UP"},
    {0x50, true, L"0x070051", L"ArrowDown", L"108 KEY_DOWN", L"116 DOWN", L"0x7D kVK_DownArrow",
     L"81 SDL_SCANCODE_DOWN"},
    {0x4B, true, L"0x070050", L"ArrowLeft", L"105 KEY_LEFT", L"113 LEFT", L"0x7B kVK_LeftArrow",
     L"80 SDL_SCANCODE_LEFT"},
    {0x4D, true, L"0x07004F", L"ArrowRight", L"106 KEY_RIGHT", L"114 RGHT", L"0x7C kVK_RightArrow",
     L"79 SDL_SCANCODE_RIGHT"},
    {0x64, false, L"0x070068", L"F13", L"183 KEY_F13", L"191 FK13", L"0x69 kVK_F13",
     L"104 SDL_SCANCODE_F13"},
    {0x76, false, L"0x070073", L"F24", L"194 KEY_F24", L"202 FK24", L"none",
     L"115 SDL_SCANCODE_F24"},
    {0x22, true, L"0x0C00CD", L"MediaPlayPause", L"164 KEY_PLAYPAUSE", L"172 I172", L"none",
     L"261 SDL_SCANCODE_AUDIOPLAY"},
    {0x30, true, L"0x0C00E9", L"AudioVolumeUp", L"115 KEY_VOLUMEUP", L"123 VOL+",
     L"0x48 kVK_VolumeUp", L"128 SDL_SCANCODE_VOLUMEUP"},
    {0x6A, true, L"0x0C0224", L"BrowserBack", L"158 KEY_BACK", L"166 I166", L"none",
     L"270 SDL_SCANCODE_AC_BACK"},
    {0x5B, true, L"0x0700E3", L"MetaLeft", L"125 KEY_LEFTMETA", L"133 LWIN", L"0x37 kVK_Command",
     L"227 SDL_SCANCODE_LGUI"},
    {0x29, false, L"0x070035", L"Backquote", L"41 KEY_GRAVE", L"49 TLDE", L"0x32 kVK_ANSI_Grave",
     L"53 SDL_SCANCODE_GRAVE"},
    {0x27, false, L"0x070033", L"Semicolon", L"39 KEY_SEMICOLON", L"47 AC10",
     L"0x29 kVK_ANSI_Semicolon", L"51 SDL_SCANCODE_SEMICOLON"},
    {0x73, false, L"0x070087", L"IntlRo", L"89 KEY_RO", L"97 AB11", L"0x5E kVK_JIS_Underscore",
     L"135 SDL_SCANCODE_INTERNATIONAL1"},
    {0x7D, false, L"0x070089", L"IntlYen", L"124 KEY_YEN", L"132 AE13", L"0x5D kVK_JIS_Yen",
     L"137 SDL_SCANCODE_INTERNATIONAL3"},
    {0x72, false, L"0x070090", L"Lang1", L"122 KEY_HANGEUL", L"130 HNGL", L"0x68 kVK_JIS_Kana",
     L"144 SDL_SCANCODE_LANG1"},
    {0x7E, false, L"0x070085", L"NumpadComma", L"121 KEY_KPCOMMA", L"129 I129",
     L"0x5F kVK_JIS_KeypadComma", L"133 SDL_SCANCODE_KP_COMMA"},
    {0x4C, false, L"0x07005D", L"Numpad5", L"76 KEY_KP5", L"84 KP5", L"0x57 kVK_ANSI_Keypad5",
     L"93 SDL_SCANCODE_KP_5"},
    // SDL 2 reports the mute key as SDL_SCANCODE_MUTE beside volume up and down, on Windows,
    // Linux and macOS alike.
    {0x20, true, L"0x0C00E2", L"AudioVolumeMute", L"113 KEY_MUTE", L"121 MUTE", L"0x4A kVK_Mute",
     L"127 SDL_SCANCODE_MUTE"},
    // The editing keys and Eject that Microsoft's table gives E0 scan codes; Apple names none.
    {0x08, true, L"0x07007A", L"Undo", L"131 KEY_UNDO", L"139 UNDO", L"none",
     L"122 SDL_SCANCODE_UNDO"},
    {0x0A, true, L"0x07007D", L"Paste", L"135 KEY_PASTE", L"143 PAST", L"none",
     L"125 SDL_SCANCODE_PASTE"},
    {0x17, true, L"0x07007B", L"Cut", L"137 KEY_CUT", L"145 CUT", L"none", L"123 SDL_SCANCODE_CUT"},
    {0x18, true, L"0x07007C", L"Copy", L"133 KEY_COPY", L"141 COPY", L"none",
     L"124 SDL_SCANCODE_COPY"},
    {0x2C, true, L"0x0C00B8", L"Eject", L"161 KEY_EJECTCD", L"169 I169", L"none",
     L"281 SDL_SCANCODE_EJECT"},
    {0x3B, true, L"0x070075", L"Help", L"138 KEY_HELP", L"146 HELP", L"none",
     L"117 SDL_SCANCODE_HELP"},
};

TEST(PhysicalKey, HandPickedKeysInEveryApi) {
    for (const Expected& e : kHandPicked) {
        SCOPED_TRACE(e.code);
        const PhysicalKey* key = FindPhysicalKey(e.scan, e.e0);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(UsbUsageText(*key), e.usb);
        EXPECT_EQ(key->domCode, e.code);
        EXPECT_EQ(EvdevText(*key), e.evdev);
        EXPECT_EQ(XkbText(*key), e.xkb);
        EXPECT_EQ(MacKeyText(*key), e.mac);
        EXPECT_EQ(SdlText(*key), e.sdl);
    }
}

TEST(PhysicalKey, ScanCodesNoKeySends) {
    EXPECT_EQ(FindPhysicalKey(0x00, false), nullptr);
    EXPECT_EQ(FindPhysicalKey(0x1E, true), nullptr); // no E0 A
    EXPECT_EQ(FindPhysicalKey(0xFF, false), nullptr);
}

TEST(PhysicalKey, WholeTableIsConsistent) {
    std::set<std::wstring_view> codes;
    std::set<std::pair<int, bool>> scans;
    for (const PhysicalKey& key : PhysicalKeys()) {
        SCOPED_TRACE(std::wstring(key.domCode));
        EXPECT_TRUE(codes.insert(key.domCode).second) << "DOM code on two rows";
        EXPECT_TRUE(scans.insert({key.scanCode, key.extended}).second) << "scan code twice";
        EXPECT_EQ(FindPhysicalKey(key.scanCode, key.extended), &key);
        if (key.evdevCode != 0 && key.xkbKeyCode != 0)
            EXPECT_EQ(key.xkbKeyCode, key.evdevCode + 8);
        if (key.extended)
            EXPECT_NE(key.usbUsage, 0u);
        EXPECT_FALSE(key.domCode.empty());
        EXPECT_EQ(key.macKeyCode < 0, key.macName.empty());
        EXPECT_EQ(key.sdlScancode == 0, key.sdlName.empty());
    }
}

TEST(LogicalKey, ApiNamesOfVirtualKeys) {
    EXPECT_EQ(WinFormsKeysExpression(0x74, 3), L"Keys.Control | Keys.Shift | Keys.F5");
    EXPECT_EQ(WinFormsKeysExpression(0x31, 4), L"Keys.Alt | Keys.D1");
    EXPECT_EQ(WinFormsKeysExpression(0x0D, 0), L"Keys.Enter");
    EXPECT_EQ(WinFormsKeysExpression(0xE8, 2), L"Keys.Control | (Keys)232");
    EXPECT_EQ(WpfKeyMember(0x74), L"Key.F5");
    EXPECT_EQ(WpfKeyMember(186), L"Key.OemSemicolon");
    EXPECT_EQ(WpfKeyMember(0xA3), L"Key.RightCtrl");
    EXPECT_EQ(WpfKeyMember(0xE8), L"");
    // The OEM codes before VK_ATTN: members in WPF, none in WinForms.
    EXPECT_EQ(WpfKeyMember(0xF0), L"Key.OemAttn");
    EXPECT_EQ(WpfKeyMember(0xF1), L"Key.OemFinish");
    EXPECT_EQ(WpfKeyMember(0xF2), L"Key.OemCopy");
    EXPECT_EQ(WpfKeyMember(0xF3), L"Key.OemAuto");
    EXPECT_EQ(WpfKeyMember(0xF4), L"Key.OemEnlw");
    EXPECT_EQ(WpfKeyMember(0xF5), L"Key.OemBackTab");
    EXPECT_EQ(WinFormsKeysExpression(0xF5, 0), L"(Keys)245");
    EXPECT_EQ(WpfKeyMember(-1), L"");
    EXPECT_EQ(AutoHotkeyKeyName(0x6B), L"NumpadAdd");
    EXPECT_EQ(AutoHotkeyKeyName(0xBA), L"vkBA");
}

TEST(LogicalKey, DomKeyValues) {
    EXPECT_EQ(DomNamedKey(0x0D), L"Enter");
    EXPECT_EQ(DomNamedKey(0x74), L"F5");
    EXPECT_EQ(DomNamedKey(0x10), L"Shift");
    EXPECT_EQ(DomNamedKey(0xA5), L"Alt");
    EXPECT_EQ(DomNamedKey(0x25), L"ArrowLeft");
    EXPECT_EQ(DomNamedKey(0x5D), L"ContextMenu");
    EXPECT_EQ(DomNamedKey(0x41), L"") << "a letter's value is what the layout types";
    EXPECT_EQ(DomNamedKey(300), L"");
    EXPECT_EQ(DomKeyOfCharacter(U'\u0151', false), L"\u0151");
    EXPECT_EQ(DomKeyOfCharacter(U'^', true), L"Dead");
    EXPECT_EQ(DomKeyOfCharacter(0x0D, false), L"Enter");
    EXPECT_EQ(DomKeyOfCharacter(0x03, false), L"");
    EXPECT_EQ(DomKeyOfCharacter(0xD800, false), L"");
    EXPECT_EQ(DomKeyOfCharacter(0x1F600, false).size(), sizeof(wchar_t) == 2 ? 2u : 1u);
}

} // namespace
} // namespace zintar
