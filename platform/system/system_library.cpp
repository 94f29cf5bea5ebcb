#include "platform/system/system_library.h"

#include <string>

namespace zintar::win32 {

HMODULE LoadSystemLibrary(const wchar_t* fileName) noexcept {
    wchar_t folder[MAX_PATH]{};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    try {
        const std::wstring path = std::wstring(folder, length) + L"\\" + fileName;
        return LoadLibraryW(path.c_str());
    } catch (...) {
        return nullptr; // no memory for the path: the next call tries again
    }
}

} // namespace zintar::win32
