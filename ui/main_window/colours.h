#pragma once
#include <windows.h>

#include <cstdint>

namespace zintar {

// A design colour as GDI draws it: 0x800000nn is the desktop's system colour nn.
inline COLORREF ResolveColour(uint32_t colour) {
    if (colour & 0x80000000u)
        return GetSysColor(static_cast<int>(colour & 0xFF));
    return static_cast<COLORREF>(colour & 0xFFFFFF);
}

// Fills a rectangle with a solid colour without creating a brush.
inline void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

} // namespace zintar
