#pragma once
#include <windows.h>

namespace zintar {

// One message of the loop: a key message shown to the key watchers (ui/common/
// key_message_watch.h) first, then dialog navigation (Tab and Shift+Tab between the text
// boxes, and between the controls of the windows the form owns), then the usual translation
// and dispatch.
void ProcessMessage(HWND form, MSG& msg);

// Runs until the form's window is destroyed; returns the program's exit code.
int RunMessageLoop(HWND form);

} // namespace zintar
