#pragma once
// The one way the windows make their child controls: a description (window class, styles,
// identifier, first text, font) and where the control stands in its parent.
#include <windows.h>

namespace zintar {

struct ChildControl {
    const wchar_t* windowClass;
    DWORD style = 0; // WS_CHILD is always added; WS_VISIBLE is the caller's choice
    DWORD exStyle = 0;
    int id = 0; // what WM_COMMAND and WM_NOTIFY name it by; -1 for none
    const wchar_t* text = L"";
    HFONT font = nullptr; // none: the system's font
};

// The control at `place`, in the parent's client coordinates; `creationData` reaches the
// control's WM_NCCREATE (a window thunk's object). Null when the system refused.
HWND CreateChildControl(HWND parent, HINSTANCE instance, const ChildControl& control,
                        const RECT& place = {}, void* creationData = nullptr);

// The parent's client area, for a control that fills it.
RECT ClientArea(HWND parent);

} // namespace zintar
