#pragma once
// A child window that paints one picture at its natural size over its parent's surface, so
// the transparent pixels of a picture show what lies beneath (the white band).
#include <windows.h>

namespace zintar {

inline constexpr wchar_t kImageWindowClass[] = L"Zintar.Image";

bool RegisterImageWindowClass(HINSTANCE instance);

// The bitmap stays owned by the caller; a 32-bit bitmap is drawn with GdiAlphaBlend (gdi32's
// own, so msimg32 is not loaded for it), its alpha premultiplied.
void SetImageBitmap(HWND image, HBITMAP bitmap);

void PaintImage(HWND image, HDC dc);

} // namespace zintar
