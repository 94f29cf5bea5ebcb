#include "ui/main_window/code_field.h"

#include <algorithm>
#include <cwchar>

#include "platform/system/ansi_code_page.h"
#include "platform/controls/clipboard.h"
#include "platform/input/keyboard.h"
#include "platform/window/subclass.h"

namespace zintar {

namespace {

// No more of a foreign text than can matter is ever looked at.
std::wstring_view BoundedText(const wchar_t* text) {
    if (!text)
        return {};
    return {text, wcsnlen(text, kBoxReadLimit + 1)};
}

// The typing filter refuses the control characters that an edit box copies and pastes on,
// so the code boxes run their clipboard keys themselves, at key-down.
struct ClipboardKey {
    int keyCode;
    int modifiers;
    UINT message;
    WPARAM wp;
    LPARAM lp;
};
constexpr ClipboardKey kClipboardKeys[] = {
    {'C', kModifierCtrl, WM_COPY, 0, 0},    {VK_INSERT, kModifierCtrl, WM_COPY, 0, 0},
    {'X', kModifierCtrl, WM_CUT, 0, 0},     {VK_DELETE, kModifierShift, WM_CUT, 0, 0},
    {'V', kModifierCtrl, WM_PASTE, 0, 0},   {VK_INSERT, kModifierShift, WM_PASTE, 0, 0},
    {'A', kModifierCtrl, EM_SETSEL, 0, -1}, {'Z', kModifierCtrl, WM_UNDO, 0, 0},
};

} // namespace

void CodeField::Attach(HWND hwnd, CodeBox box, ControlEvents& events, std::wstring text) {
    TextBox::Attach(hwnd, std::move(text));
    box_ = box;
    events_ = &events;
}

LRESULT CodeField::Message(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_GETDLGCODE:
        return DialogCode(wp, lp);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (RunClipboardKey(static_cast<int>(wp & 0xFF), win32::ModifiersOfKeyMessage()))
            return 0;
        break;
    case WM_CHAR:
        if (!PassesTypingFilter(box_, win32::AnsiCodeOfChar(static_cast<wchar_t>(wp))))
            return 0; // refused: the box never sees the character
        break;
    case WM_PASTE:
        // From the context menu, Ctrl+V or Shift+Insert alike.
        Paste();
        return 0;
    case WM_SETTEXT:
        if (writing())
            break;
        // From outside: through the same rules as typing.
        Take(BoundedText(reinterpret_cast<const wchar_t*>(lp)));
        return TRUE;
    }
    return win32::CallControlProc(hwnd(), msg, wp, lp);
}

void CodeField::OnChanged() {
    if (writing())
        return; // the echo of the window's own write
    std::wstring typed = ReadControlText();
    Took(typed);
    Take(typed);
}

bool CodeField::RunClipboardKey(int keyCode, int modifiers) {
    for (const ClipboardKey& key : kClipboardKeys) {
        if (key.keyCode == keyCode && key.modifiers == modifiers) {
            SendMessageW(hwnd(), key.message, key.wp, key.lp);
            return true;
        }
    }
    return false;
}

// The paste is read from the clipboard text itself, never put into the box whole: only its
// first line and no more than the box could ever use. "1234" still holds as 255.
void CodeField::Paste() {
    const std::optional<std::wstring> pasted = win32::ClipboardText(hwnd(), kBoxReadLimit + 1);
    if (!pasted)
        return;
    DWORD start = 0, end = 0;
    SendMessageW(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    Take(TextAfterPaste(text(), start, end, *pasted));
}

void CodeField::Take(std::wstring_view input) {
    const BoxEntry entry = ReadBoxText(box_, input);
    // The box may hold more than its rules allow only if text reached it by a path that no
    // handler saw; it is put right here, with the caret behind the digits.
    if (entry.text != text()) {
        Write(entry.text);
        SetCaret(static_cast<int>(entry.text.size()));
    }
    events_->OnCodeEntered(box_, entry.code);
}

} // namespace zintar
