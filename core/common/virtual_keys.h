#pragma once
// The virtual-key codes that the rules single out (the Windows numbering, as winuser.h
// defines them); every other key is just its number.
#include <cstdint>

namespace zintar::vk {

inline constexpr uint8_t kShift = 0x10, kControl = 0x11, kMenu = 0x12;
inline constexpr uint8_t kLeftWin = 0x5B, kRightWin = 0x5C;
inline constexpr uint8_t kLeftShift = 0xA0, kRightShift = 0xA1, kLeftControl = 0xA2,
                         kRightControl = 0xA3, kLeftMenu = 0xA4, kRightMenu = 0xA5;
inline constexpr uint8_t kF23 = 0x86;
// The input method took the key; ImmGetVirtualKey names the key behind it.
inline constexpr uint8_t kProcessKey = 0xE5;
// Text sent without a key (SendInput with KEYEVENTF_UNICODE): one UTF-16 unit per message.
inline constexpr uint8_t kPacket = 0xE7;

// Shift, Ctrl, Alt and the Windows keys, either side: held with another key they make a
// shortcut, alone they make none.
constexpr bool IsModifier(uint8_t key) {
    return key == kShift || key == kControl || key == kMenu || key == kLeftWin ||
           key == kRightWin || (key >= kLeftShift && key <= kRightMenu);
}

} // namespace zintar::vk
