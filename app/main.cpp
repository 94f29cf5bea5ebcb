// Program entry: one window, shown at once; the program lives as long as it does.
#include <windows.h>
#include <commctrl.h>

#include "ui/main_window.h"
#include "app/message_loop.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    zintar::MainWindow window;
    if (!window.Create(instance, /*endsProgram=*/true))
        return 1;
    window.Show(showCommand);
    return zintar::RunMessageLoop(window.hwnd());
}
