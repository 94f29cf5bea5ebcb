#include "ui/common/child_control.h"

namespace zintar {

HWND CreateChildControl(HWND parent, HINSTANCE instance, const ChildControl& control,
                        const RECT& place, void* creationData) {
    HWND child = CreateWindowExW(
        control.exStyle, control.windowClass, control.text, WS_CHILD | control.style, place.left,
        place.top, place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, creationData);
    // Before the first paint: no redraw.
    if (child && control.font)
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(control.font), FALSE);
    return child;
}

RECT ClientArea(HWND parent) {
    RECT client{};
    GetClientRect(parent, &client);
    return client;
}

} // namespace zintar
