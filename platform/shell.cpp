#include "platform/shell.h"

#include "core/homepage.h"

namespace zintar {

void OpenHomepage(HWND window, ShellExecuteAFn shellExecute) {
    // A null operation is the shell's default action for the address; the window is not
    // shown by this call (SW_HIDE): the browser decides how it appears.
    shellExecute(window, nullptr, kHomepageUrl, nullptr, "C:\\", SW_HIDE);
}

} // namespace zintar
