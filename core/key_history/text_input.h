#pragma once
// The numbers of the messages that bring text or a command without a keystroke of their own,
// as the Windows headers define them (imm.h, winuser.h): the platform hands them over
// unchanged and checks at compile time that they agree.
#include <cstdint>

namespace zintar::text_input {

// WM_IME_COMPOSITION's lParam: which parts of the composition changed.
inline constexpr uint32_t kCompositionString = 0x0008; // GCS_COMPSTR
inline constexpr uint32_t kCursorPosition = 0x0080;    // GCS_CURSORPOS
inline constexpr uint32_t kResultString = 0x0800;      // GCS_RESULTSTR

// WM_IME_NOTIFY's wParam: the notices a key history records.
inline constexpr uint32_t kSetConversionMode = 0x0006; // IMN_SETCONVERSIONMODE
inline constexpr uint32_t kSetOpenStatus = 0x0008;     // IMN_SETOPENSTATUS

// WM_UNICHAR's probe: a program that answers TRUE receives characters as UTF-32.
inline constexpr uint32_t kNoCharacter = 0xFFFF; // UNICODE_NOCHAR

// WM_APPCOMMAND's lParam high word: the command, and the device in its top four bits.
inline constexpr uint32_t kDeviceMask = 0xF000; // FAPPCOMMAND_MASK
inline constexpr uint32_t kFromKey = 0x0000;    // FAPPCOMMAND_KEY
inline constexpr uint32_t kFromOem = 0x1000;    // FAPPCOMMAND_OEM
inline constexpr uint32_t kFromMouse = 0x8000;  // FAPPCOMMAND_MOUSE

} // namespace zintar::text_input
