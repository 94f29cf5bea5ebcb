#pragma once
// The identity of a physical key across the APIs that name keys by position rather than by
// what they type: USB HID, the DOM's KeyboardEvent.code, Linux evdev, XKB, macOS and SDL.
// A key is found by what a Windows key message carries: the scan code (lParam bits 16-23)
// and the extended flag (bit 24).
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zintar {

constexpr int16_t kNoMacKeyCode = -1;

struct PhysicalKey {
    uint8_t scanCode;
    bool extended;     // E0-prefixed; Pause (E1 1D 45) arrives as 0x45 without it
    uint32_t usbUsage; // usage page << 16 | usage
    std::wstring_view domCode;
    uint16_t evdevCode;          // 0 where Linux has none
    std::wstring_view evdevName; // without the "KEY_" prefix
    uint16_t xkbKeyCode;         // 0 where the evdev keycode set has none
    std::wstring_view xkbName;
    int16_t macKeyCode; // kNoMacKeyCode where Apple defines none
    std::wstring_view macName;
    uint16_t sdlScancode;      // 0 (SDL_SCANCODE_UNKNOWN) where SDL has none
    std::wstring_view sdlName; // without the "SDL_SCANCODE_" prefix
};

// nullptr for a scan code that no key of the table sends.
const PhysicalKey* FindPhysicalKey(uint8_t scanCode, bool extended);

// Every row, for checks over the whole table.
std::span<const PhysicalKey> PhysicalKeys();

// The texts each API's programmer would look for. Each is empty where the key has none of
// that kind, except the macOS text, which says "none": Apple leaves keys such as PrintScreen
// without a code and a blank cell would look like a missing lookup.
std::wstring UsbUsageText(const PhysicalKey& key); // "0x070004"
std::wstring EvdevText(const PhysicalKey& key);    // "30 KEY_A"
std::wstring XkbText(const PhysicalKey& key);      // "38 AC01"
std::wstring MacKeyText(const PhysicalKey& key);   // "0x00 kVK_ANSI_A", "none"
std::wstring SdlText(const PhysicalKey& key);      // "4 SDL_SCANCODE_A"
std::wstring SdlConstant(const PhysicalKey& key);  // "SDL_SCANCODE_A"

} // namespace zintar
