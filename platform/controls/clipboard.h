#pragma once
// The clipboard's Unicode text, read and written in one call each; the clipboard is open only
// inside the call.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

namespace zintar::win32 {

// The text as the clipboard's only content; false when the clipboard could not be had.
bool PutClipboardText(HWND owner, const std::wstring& text);

// No more than maxChars characters of the clipboard's text, ending at its first NUL and never
// past the memory that holds it; empty when it holds no text, none when it cannot be opened.
std::optional<std::wstring> ClipboardText(HWND owner, size_t maxChars);

} // namespace zintar::win32
