#pragma once
// The modifier keys held while a key message is handled.
#include <windows.h>

#include "core/key_names.h"

namespace zintar {

// 1 Shift, 2 Ctrl, 4 Alt, summed, as the keyboard state stood when the message was posted.
inline int ModifiersOfKeyMessage() {
    int mask = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        mask |= kModifierShift;
    if (GetKeyState(VK_CONTROL) < 0)
        mask |= kModifierCtrl;
    if (GetKeyState(VK_MENU) < 0)
        mask |= kModifierAlt;
    return mask;
}

} // namespace zintar
