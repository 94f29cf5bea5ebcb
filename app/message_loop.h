#pragma once
#include <windows.h>

namespace zintar {

// One message of the loop: dialog navigation (Tab and Shift+Tab between the text boxes, and
// between the controls of the windows the form owns) first, then the usual translation and
// dispatch.
void ProcessMessage(HWND form, MSG& msg);

// Runs until the form's window is destroyed; returns the program's exit code.
int RunMessageLoop(HWND form);

} // namespace zintar
