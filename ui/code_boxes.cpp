// The four code boxes: read-outs that are also input fields. Whatever text reaches one,
// typed, pasted or set by another program, the core decides what the box holds and which
// code it stands for; the edit control only ever sees text that the box's rules allow.
#include <algorithm>
#include <cwchar>

#include "platform/keyboard.h"
#include "platform/subclass.h"
#include "ui/main_window.h"

namespace zintar {

namespace {

CodeBox CodeBoxOf(Control id) {
    switch (id) {
    case Control::CharCodeBox:
        return CodeBox::CharDec;
    case Control::CharHexBox:
        return CodeBox::CharHex;
    case Control::KeyCodeBox:
        return CodeBox::KeyDec;
    default:
        return CodeBox::KeyHex;
    }
}

bool IsCodeBox(Control id) {
    return id == Control::CharCodeBox || id == Control::CharHexBox || id == Control::KeyCodeBox ||
           id == Control::KeyHexBox;
}

// No more of a foreign text than can matter is ever looked at.
std::wstring_view BoundedText(const wchar_t* text, size_t available = kBoxReadLimit + 1) {
    if (!text)
        return {};
    return {text, wcsnlen(text, std::min(available, kBoxReadLimit + 1))};
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

LRESULT MainWindow::CodeBoxMessage(Control id, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (RunClipboardKey(id, static_cast<int>(wp & 0xFF), ModifiersOfKeyMessage()))
            return 0;
        break;
    case WM_CHAR:
        if (!PassesTypingFilter(CodeBoxOf(id), AnsiCodeOfChar(static_cast<wchar_t>(wp))))
            return 0; // refused: the box never sees the character
        break;
    case WM_PASTE:
        // From the context menu, Ctrl+V or Shift+Insert alike.
        PasteIntoCodeBox(id);
        return 0;
    case WM_SETTEXT: {
        const std::wstring_view text = BoundedText(reinterpret_cast<const wchar_t*>(lp));
        if (IsOwnText(id, text))
            break;
        TakeCodeBoxText(id, text); // from outside: through the same rules as typing
        return TRUE;
    }
    }
    return win32::CallControlProc(hwnd, msg, wp, lp);
}

bool MainWindow::RunClipboardKey(Control box, int keyCode, int modifiers) {
    for (const ClipboardKey& key : kClipboardKeys) {
        if (key.keyCode == keyCode && key.modifiers == modifiers) {
            SendMessageW(control(box), key.message, key.wp, key.lp);
            return true;
        }
    }
    return false;
}

// The paste is read from the clipboard text itself, never put into the box whole: only its
// first line and no more than the box could ever use. "1234" still holds as 255.
void MainWindow::PasteIntoCodeBox(Control box) {
    std::wstring pasted;
    if (!OpenClipboard(control(box)))
        return;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            pasted = BoundedText(text, GlobalSize(data) / sizeof(wchar_t));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();

    DWORD start = 0, end = 0;
    SendMessageW(control(box), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    TakeCodeBoxText(box, TextAfterPaste(Text(box), start, end, pasted));
}

// A change notice: the echo of the window's own write is known text and does nothing;
// anything else is the user's typing (or a path no handler saw) and is read by the rules.
void MainWindow::OnCodeBoxChanged(Control box) {
    const std::wstring text = Text(box);
    if (IsOwnText(box, text))
        return;
    knownText_[Index(box)] = text;
    if (IsCodeBox(box)) // the capture box may change itself (say, an undo): nothing to read
        TakeCodeBoxText(box, text);
}

void MainWindow::TakeCodeBoxText(Control box, std::wstring_view text) {
    const BoxEntry entry = ReadBoxText(CodeBoxOf(box), text);
    // The box may hold more than its rules allow only if text reached it by a path that no
    // handler saw; it is put right here, with the caret behind the digits.
    if (entry.text != knownText_[Index(box)]) {
        SetText(box, entry.text);
        SetCaret(box, static_cast<int>(entry.text.size()));
    }
    conversion_.Entered(CodeBoxOf(box), entry.code);
    ShowReadOuts(SourceOf(CodeBoxOf(box)));
}

} // namespace zintar
