#include "app/message_loop.h"

#include "ui/common/key_message_watch.h"

namespace zintar {

namespace {

// Tab and Shift+Tab in a window the form owns (the key history) move between its controls.
// Only those keys: Enter and Escape there stay the controls' own, with no default button.
HWND TabNavigatedWindow(HWND form, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || !msg.hwnd)
        return nullptr;
    const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    return root && root != form && GetWindow(root, GW_OWNER) == form ? root : nullptr;
}

} // namespace

void ProcessMessage(HWND form, MSG& msg) {
    KeyMessageWatch::Tell(msg);
    if (form && IsDialogMessageW(form, &msg))
        return;
    if (const HWND owned = form ? TabNavigatedWindow(form, msg) : nullptr;
        owned && IsDialogMessageW(owned, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int RunMessageLoop(HWND form) {
    // A message that another process sent and that could not be received (under Wine, a
    // megabyte of text set into a box from outside) makes GetMessage fail once; the window
    // lives on. Only a failure that keeps coming ends the loop.
    constexpr int kFailuresInARowToGiveUp = 1000;
    MSG msg{};
    int failuresInARow = 0;
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(msg.wParam);
        if (got < 0) {
            if (++failuresInARow >= kFailuresInARowToGiveUp)
                return 1;
            continue;
        }
        failuresInARow = 0;
        ProcessMessage(form, msg);
    }
}

} // namespace zintar
