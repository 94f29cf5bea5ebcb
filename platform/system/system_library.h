#pragma once
// DLLs that the program loads when a feature first needs them rather than at start-up.
#include <windows.h>

namespace zintar::win32 {

// A DLL of the system folder, loaded by its full path: never from the program's folder or
// the current one, where a file of the same name could wait. Null when it cannot be loaded
// (or there is no memory for the path). The caller never frees it: the program keeps it
// until it ends.
HMODULE LoadSystemLibrary(const wchar_t* fileName) noexcept;

// A function of such a DLL as the type the caller knows it by, or null.
template <typename Function> Function SystemFunction(HMODULE module, const char* name) noexcept {
    if (!module)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace zintar::win32
