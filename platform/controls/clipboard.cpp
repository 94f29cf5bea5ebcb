#include "platform/controls/clipboard.h"

#include <cstring>
#include <cwchar>

#include "platform/window/scoped_handles.h"

namespace zintar::win32 {

bool PutClipboardText(HWND owner, const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    // The memory belongs to the clipboard once it took it, and is freed here if it did not.
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return false;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    ScopedClipboard clipboard(owner);
    if (!clipboard || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

std::optional<std::wstring> ClipboardText(HWND owner, size_t maxChars) {
    ScopedClipboard clipboard(owner);
    if (!clipboard)
        return std::nullopt;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    std::wstring text;
    if (!data)
        return text;
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
        const size_t available = GlobalSize(data) / sizeof(wchar_t);
        text.assign(chars, wcsnlen(chars, available < maxChars ? available : maxChars));
        GlobalUnlock(data);
    }
    return text;
}

} // namespace zintar::win32
