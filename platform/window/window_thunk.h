#pragma once
// One static window procedure for classes whose windows belong to a C++ object.
// The object pointer travels in CreateWindowEx's parameter, is kept in GWLP_USERDATA from
// WM_NCCREATE on, and is cleared at WM_NCDESTROY so no message reaches a dead object.
#include <windows.h>

namespace zintar::win32 {

// T provides: LRESULT HandleMessage(HWND, UINT, WPARAM, LPARAM). An exception must never
// unwind into the system's dispatcher: it is stopped here and the message gets its default.
template <typename T>
LRESULT CALLBACK WindowThunk(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<T*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = 0;
    try {
        result = self->HandleMessage(hwnd, msg, wp, lp);
    } catch (...) {
        result = ::DefWindowProcW(hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY)
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return result;
}

} // namespace zintar::win32
