#include "ui/main_window/image_window.h"

#include "platform/window/scoped_handles.h"
#include "platform/window/window_class.h"

namespace zintar {

namespace {

LRESULT CALLBACK ImageWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers the whole window
    case WM_PAINT: {
        win32::ScopedPaint paint(hwnd);
        PaintImage(hwnd, paint.dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintImage(hwnd, reinterpret_cast<HDC>(wp));
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// The parent's surface under this window, drawn into this window's DC.
void PaintParentSurface(HWND hwnd, HDC dc) {
    HWND parent = GetParent(hwnd);
    if (!parent)
        return;
    POINT origin{0, 0};
    MapWindowPoints(hwnd, parent, &origin, 1);
    POINT old{};
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &old);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

} // namespace

bool RegisterImageWindowClass(HINSTANCE instance) {
    return win32::EnsureWindowClass(
        win32::PlainWindowClass(instance, kImageWindowClass, &ImageWindowProc));
}

void SetImageBitmap(HWND image, HBITMAP bitmap) {
    SetWindowLongPtrW(image, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bitmap));
    InvalidateRect(image, nullptr, FALSE);
}

void PaintImage(HWND image, HDC dc) {
    PaintParentSurface(image, dc);
    auto bitmap = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(image, GWLP_USERDATA));
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info))
        return;
    win32::ScopedMemoryDc memory(CreateCompatibleDC(dc));
    if (!memory)
        return;
    win32::ScopedSelect select(memory.get(), bitmap);
    if (info.bmBitsPixel == 32) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, 0, 0, info.bmWidth, info.bmHeight, memory.get(), 0, 0, info.bmWidth,
                      info.bmHeight, blend);
    } else {
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory.get(), 0, 0, SRCCOPY);
    }
}

} // namespace zintar
