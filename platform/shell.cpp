#include "platform/shell.h"

#include <shellapi.h>

#include <atomic>
#include <string>

#include "core/homepage.h"

namespace zintar {

namespace {

// From the system folder by its full path, never from the program's folder or the current
// one, where a file of the same name could wait.
ShellExecuteAFn LoadShellExecute() noexcept {
    wchar_t folder[MAX_PATH]{};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    HMODULE shell = nullptr;
    try {
        const std::wstring path = std::wstring(folder, length) + L"\\shell32.dll";
        // Never freed: the shell may still be at work for the call when it returns.
        shell = LoadLibraryW(path.c_str());
    } catch (...) {
        return nullptr; // no memory for the path: the next call tries again
    }
    if (!shell)
        return nullptr;
    return reinterpret_cast<ShellExecuteAFn>(
        reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteA")));
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

} // namespace zintar
