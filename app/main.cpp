// Program entry: one window, shown at once; the program lives as long as it does.
#include <windows.h>
#include <commctrl.h>

#include "app/frmZintar.h"
#include "app/message_loop.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    zintar::frmZintar form;
    if (!form.Create(instance, /*endsProgram=*/true))
        return 1;
    form.Show(showCommand);
    return zintar::RunMessageLoop(form.hwnd());
}
