#pragma once
// Subclassing standard controls with a member function of their owner (SetWindowSubclass).
#include <windows.h>
#include <commctrl.h>

namespace win32 {

// T provides: LRESULT SubclassMessage(HWND, UINT, WPARAM, LPARAM, UINT_PTR tag)
// The tag tells the owner which of its controls the message is for.
template <typename T>
LRESULT CALLBACK SubclassThunk(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR tag,
                               DWORD_PTR owner) noexcept {
    if (msg == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hwnd, &SubclassThunk<T>, tag);
        return ::DefSubclassProc(hwnd, msg, wp, lp);
    }
    try {
        return reinterpret_cast<T*>(owner)->SubclassMessage(hwnd, msg, wp, lp, tag);
    } catch (...) {
        return ::DefSubclassProc(hwnd, msg, wp, lp);
    }
}

template <typename T> bool Subclass(HWND hwnd, T* owner, UINT_PTR tag) {
    return ::SetWindowSubclass(hwnd, &SubclassThunk<T>, tag, reinterpret_cast<DWORD_PTR>(owner)) !=
           FALSE;
}

} // namespace win32
