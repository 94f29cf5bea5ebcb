#include "platform/controls/common_controls.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/system/system_library.h"

namespace zintar::win32 {

bool EnsureCommonControls() noexcept {
    static bool ready = false; // the window thread alone makes windows
    if (ready)
        return true;
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init =
        SystemFunction<InitFn>(LoadSystemLibrary(L"comctl32.dll"), "InitCommonControlsEx");
    // The tooltip and the list view classes; the standard controls are user32's own.
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
    ready = init && init(&classes);
    return ready;
}

} // namespace zintar::win32
