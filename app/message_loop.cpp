#include "app/message_loop.h"

namespace zintar {

void ProcessMessage(HWND form, MSG& msg) {
    if (form && IsDialogMessageW(form, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int RunMessageLoop(HWND form) {
    MSG msg{};
    BOOL got = FALSE;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0)
        ProcessMessage(form, msg);
    return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

} // namespace zintar
