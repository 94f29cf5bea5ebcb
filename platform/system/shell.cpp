#include "platform/system/shell.h"

#include <shellapi.h>

#include <atomic>

#include "core/converter/homepage.h"
#include "platform/system/system_library.h"

namespace zintar::win32 {

namespace {

// Never freed: the shell may still be at work for the call when it returns.
ShellExecuteAFn LoadShellExecute() noexcept {
    return SystemFunction<ShellExecuteAFn>(LoadSystemLibrary(L"shell32.dll"), "ShellExecuteA");
}

} // namespace

void OpenHomepage(HWND window, ShellExecuteAFn shellExecute) {
    // A null operation is the shell's default action for the address; the window is not
    // shown by this call (SW_HIDE): the browser decides how it appears.
    shellExecute(window, nullptr, kHomepageUrl, nullptr, "C:\\", SW_HIDE);
}

HINSTANCE WINAPI ShellExecuteAOnFirstUse(HWND window, LPCSTR operation, LPCSTR file,
                                         LPCSTR parameters, LPCSTR directory, INT show) {
    static std::atomic<ShellExecuteAFn> loaded{nullptr};
    ShellExecuteAFn shellExecute = loaded.load();
    if (!shellExecute) {
        shellExecute = LoadShellExecute();
        if (!shellExecute)
            return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
        loaded.store(shellExecute);
    }
    return shellExecute(window, operation, file, parameters, directory, show);
}

} // namespace zintar::win32
