// The capture box: every key-down becomes a key code and modifier mask, every typed
// character a character code; the box keeps nothing the user types.
#include "app/frmZintar.h"

namespace zintar {

void frmZintar::Tchar_KeyDown(short KeyCode, short Shift) {
    if (!bEvents)
        return;
    iChar = -1;
    iKey = KeyCode;
    iShift = Shift;
    fDisplay(L"key");
    // The key is not cancelled: the box handles it as usual (a caret key moves the caret).
}

void frmZintar::Tchar_KeyPress(short& KeyAscii) {
    if (!bEvents)
        return;
    // A character without a code in the ANSI code page arrives as kNoCharCode (-1): it is
    // shown as no character at all rather than under a false code.
    iChar = KeyAscii;
    KeyAscii = 0;
    fDisplay(L"char");
}

} // namespace zintar
