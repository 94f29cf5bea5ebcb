#pragma once
// Subclassing standard controls with a member function of their owner.
//
// The control's window procedure is replaced, and what it replaced is kept in a table of the
// window thread rather than in window properties (as comctl32's SetWindowSubclass keeps it):
// under Wine every property read is a trip to the server, and each message through a
// subclass would pay it. The program has some twenty-five subclassed controls, so a search
// of the table costs less than one such trip. Window thread only.
#include <windows.h>

namespace zintar::win32 {

using SubclassHandler = LRESULT (*)(void* owner, HWND, UINT, WPARAM, LPARAM, UINT_PTR tag);

// Routes every message of the control to the handler, with the owner and the tag, until
// the control is destroyed. False, with nothing changed, when the control is already
// subclassed this way or its procedure cannot be replaced.
bool InstallSubclass(HWND control, SubclassHandler handler, void* owner, UINT_PTR tag) noexcept;

// The control's own handling of a message: what a handler passes on or builds on.
LRESULT CallControlProc(HWND control, UINT msg, WPARAM wp, LPARAM lp);

// T provides: LRESULT SubclassMessage(HWND, UINT, WPARAM, LPARAM, UINT_PTR tag)
// The tag tells the owner which of its controls the message is for.
template <typename T>
LRESULT ForwardToOwner(void* owner, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR tag) {
    return static_cast<T*>(owner)->SubclassMessage(hwnd, msg, wp, lp, tag);
}

template <typename T> bool Subclass(HWND control, T* owner, UINT_PTR tag) noexcept {
    return InstallSubclass(control, &ForwardToOwner<T>, owner, tag);
}

} // namespace zintar::win32
