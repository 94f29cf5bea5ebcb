#pragma once
// The drawn keyboard's colours, and those of the colour key under it, which names them.
#include <windows.h>

namespace zintar {

inline constexpr COLORREF kKeyboardBack = RGB(210, 215, 222);
inline constexpr COLORREF kKeyFace = RGB(252, 252, 252);
inline constexpr COLORREF kNamedKeyFace = RGB(232, 235, 239);  // keys that type nothing printable
inline constexpr COLORREF kAbsentKeyFace = RGB(222, 226, 231); // the layout gives it no key
inline constexpr COLORREF kKeyBorder = RGB(140, 146, 155);
inline constexpr COLORREF kHeldKeyFace = RGB(255, 206, 84);
inline constexpr COLORREF kHeldKeyBorder = RGB(196, 128, 0);
inline constexpr COLORREF kLegendText = RGB(25, 25, 25);
inline constexpr COLORREF kNameText = RGB(70, 74, 80);
inline constexpr COLORREF kAltGrText = RGB(0, 84, 170);
inline constexpr COLORREF kDeadText = RGB(200, 40, 0);
inline constexpr COLORREF kCapsLockText = RGB(120, 50, 150);

} // namespace zintar
