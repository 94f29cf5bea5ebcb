#pragma once
// The modifier keys held while a key message is handled, and what says that a key asked for
// a context menu.
#include <windows.h>

#include "core/key_identity/key_names.h"

namespace zintar::win32 {

// 1 Shift, 2 Ctrl, 4 Alt, summed, as the keyboard state stood when the message was posted.
// One read of the whole state: under Wine each read is a trip to the server.
inline int ModifiersOfKeyMessage() {
    BYTE keys[256]{};
    if (!GetKeyboardState(keys))
        return 0;
    int mask = 0;
    if (keys[VK_SHIFT] & 0x80)
        mask |= kModifierShift;
    if (keys[VK_CONTROL] & 0x80)
        mask |= kModifierCtrl;
    if (keys[VK_MENU] & 0x80)
        mask |= kModifierAlt;
    return mask;
}

// Whether a key is down at this moment, whatever the messages in the queue say: for a key
// whose key-up may never arrive (a secure desktop took it). Ask only while Zintar is in front;
// GetAsyncKeyState answers for any key of the desktop.
inline bool KeyIsDownNow(UINT virtualKey) {
    return (GetAsyncKeyState(static_cast<int>(virtualKey)) & 0x8000) != 0;
}

// WM_CONTEXTMENU's position when a key asked for the menu (the Menu key, Shift+F10) rather
// than the pointer.
constexpr LPARAM kContextMenuFromKeyboard = -1;

} // namespace zintar::win32
