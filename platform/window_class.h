#pragma once
// Registering a window class once per module: a second window of the same class (a test
// that builds the form again) finds it registered.
#include <windows.h>

namespace win32 {

// A class with the arrow cursor and no background brush (its windows paint themselves);
// the caller fills in icons if it has any.
inline WNDCLASSEXW PlainWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return wc;
}

inline bool EnsureWindowClass(const WNDCLASSEXW& wc) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(wc.hInstance, wc.lpszClassName, &existing))
        return true;
    return RegisterClassExW(&wc) != 0;
}

} // namespace win32
