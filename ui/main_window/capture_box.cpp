#include "ui/main_window/capture_box.h"

#include <cstdint>

#include "platform/system/ansi_code_page.h"
#include "platform/input/keyboard.h"
#include "platform/window/subclass.h"

namespace zintar {

namespace {

// The messages a key history records. WM_SYSCHAR is none of them: its key is recorded by the
// system key-down before it, and Alt+letter types nothing.
std::optional<KeyMessage> RecordedKeyMessage(UINT msg) {
    switch (msg) {
    case WM_KEYDOWN:
        return KeyMessage::KeyDown;
    case WM_KEYUP:
        return KeyMessage::KeyUp;
    case WM_SYSKEYDOWN:
        return KeyMessage::SysKeyDown;
    case WM_SYSKEYUP:
        return KeyMessage::SysKeyUp;
    case WM_CHAR:
        return KeyMessage::Char;
    case WM_DEADCHAR:
        return KeyMessage::DeadChar;
    default:
        return std::nullopt;
    }
}

// A parameter too large for the record's 32 bits stays too large, so that the history
// refuses it rather than recording its low half as some other key.
uint32_t Saturated(WPARAM value) {
    return value > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(value);
}

// An edit control pastes on Shift+Insert at key-down, after the box was emptied for the new
// key: in the capture box it is a key to capture and nothing else, so the control never sees
// it go down.
bool PastesText(WPARAM keyCode, int modifiers) {
    return keyCode == VK_INSERT && modifiers == kModifierShift;
}

} // namespace

void CaptureBox::Attach(HWND hwnd, ControlEvents& events, std::wstring text) {
    TextBox::Attach(hwnd, std::move(text));
    events_ = &events;
}

LRESULT CaptureBox::Message(UINT msg, WPARAM wp, LPARAM lp) {
    // Read once for the record and the key-down alike.
    int modifiers = 0;
    if (const std::optional<KeyMessage> message = RecordedKeyMessage(msg)) {
        modifiers = win32::ModifiersOfKeyMessage();
        int16_t ansiCode = kNoAnsiCode;
        if (IsCharacterMessage(*message) && wp <= WCHAR_MAX)
            ansiCode = win32::AnsiCodeOfChar(static_cast<wchar_t>(wp));
        events_->OnKeyMessage({*message, Saturated(wp), static_cast<uint32_t>(lp),
                               static_cast<uint32_t>(GetMessageTime()),
                               static_cast<uint8_t>(modifiers), ansiCode});
    }
    switch (msg) {
    case WM_GETDLGCODE:
        return DialogCode(wp, lp);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        events_->OnCaptureKey(static_cast<int>(wp & 0xFF), modifiers);
        if (PastesText(wp, modifiers))
            return 0;
        break; // the box still handles the key as usual (a caret key moves the caret)
    case WM_SYSKEYUP:
        // Alt or F10 released alone would put a window without a menu bar into menu mode,
        // and the next key would go to that instead of the box.
        if (wp == VK_MENU || wp == VK_F10)
            return 0;
        break;
    case WM_SYSCHAR:
        // Alt+letter is no character, and with no menu to match it the system would beep.
        // Alt+Space still opens the window menu.
        if (wp != L' ')
            return 0;
        break;
    case WM_CHAR:
        // Every character is shown as a code and never reaches the box's text. A character
        // without a code in the ANSI code page is shown as no character at all rather than
        // under a false code.
        events_->OnCaptureCharacter(static_cast<wchar_t>(wp));
        return 0;
    case WM_CONTEXTMENU:
        // The Menu key and Shift+F10 are keys to capture like any other; a right click
        // still opens the box's menu.
        if (lp == win32::kContextMenuFromKeyboard)
            return 0;
        break;
    case WM_PASTE:
        // Nor does the menu's Paste put text into the box.
        return 0;
    case WM_SETTEXT: {
        if (writing())
            break;
        // Text from outside counts as its first character typed, so that the box holds one
        // character and every read-out agrees with it.
        const auto* text = reinterpret_cast<const wchar_t*>(lp);
        events_->OnCaptureCharacter(text && text[0] ? std::optional<wchar_t>(text[0])
                                                    : std::nullopt);
        return TRUE;
    }
    }
    return win32::CallControlProc(hwnd(), msg, wp, lp);
}

void CaptureBox::OnChanged() {
    if (!writing())
        Took(ReadControlText());
}

void CaptureBox::ShowCharacter(const std::wstring& text) {
    Write(text);
    // The caret stands behind the character, whether or not the text had to change.
    SetCaret(1);
}

} // namespace zintar
