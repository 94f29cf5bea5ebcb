// Program entry: one window, shown at once; the program lives as long as it does. The
// window is made of user32's standard controls; the common controls are loaded only when
// a window first needs one (the tooltip, the key history).
#include <windows.h>

#include "ui/main_window/main_window.h"
#include "app/message_loop.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    zintar::MainWindow window;
    if (!window.Create(instance, /*endsProgram=*/true))
        return 1;
    window.Show(showCommand);
    return zintar::RunMessageLoop(window.hwnd());
}
