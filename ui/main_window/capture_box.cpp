#include "ui/main_window/capture_box.h"

#include <cstdint>

#include "platform/system/ansi_code_page.h"
#include "platform/input/keyboard.h"
#include "platform/window/subclass.h"

namespace zintar {

namespace {

// The messages a key history records. WM_SYSCHAR is none of them: its key is recorded by the
// system key-down before it, and Alt+letter types nothing. Nor is WM_UNICHAR's probe, which
// asks whether the box takes UTF-32 and carries no character.
std::optional<KeyMessage> RecordedKeyMessage(UINT msg, WPARAM wp) {
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
    case WM_IME_STARTCOMPOSITION:
        return KeyMessage::ImeStartComposition;
    case WM_IME_COMPOSITION:
        return KeyMessage::ImeComposition;
    case WM_IME_ENDCOMPOSITION:
        return KeyMessage::ImeEndComposition;
    case WM_IME_CHAR:
        return KeyMessage::ImeChar;
    case WM_IME_NOTIFY:
        return KeyMessage::ImeNotify;
    case WM_IME_SETCONTEXT:
        return KeyMessage::ImeSetContext;
    case WM_UNICHAR:
        return wp == UNICODE_NOCHAR ? std::nullopt : std::optional(KeyMessage::UniChar);
    case WM_APPCOMMAND:
        return KeyMessage::AppCommand;
    default:
        return std::nullopt;
    }
}

// The keys that Windows turns into WM_APPCOMMAND (the browser, volume, media and launch keys,
// VK_BROWSER_BACK to VK_LAUNCH_APP2): DefWindowProc makes the command of their key messages,
// and sends it to the window that has the key and on up to its parent.
bool IsAppCommandKey(WPARAM keyCode) {
    return keyCode >= VK_BROWSER_BACK && keyCode <= VK_LAUNCH_APP2;
}

// What the input method says beside its message, read while the message is handled: the
// strings change with the next one. The facts point into the strings read.
struct ImeRead {
    win32::ImeComposition strings;
    ImeFacts facts;
};

std::optional<ImeRead> ReadIme(const win32::InputMethod& ime, HWND box, KeyMessage message,
                               WPARAM wp, LPARAM lp) {
    ImeRead read;
    switch (message) {
    case KeyMessage::ImeComposition:
        read.strings = ime.Composition(box, static_cast<DWORD>(lp));
        read.facts.cursor = read.strings.cursor;
        break;
    case KeyMessage::ImeNotify:
        if (wp == IMN_SETOPENSTATUS) {
            if (const std::optional<bool> open = ime.OpenStatus(box))
                read.facts.state = *open ? 1 : 0;
        } else if (wp == IMN_SETCONVERSIONMODE) {
            if (const std::optional<DWORD> mode = ime.ConversionMode(box))
                read.facts.state = static_cast<int32_t>(*mode);
        } else {
            return std::nullopt;
        }
        break;
    case KeyMessage::KeyDown:
    case KeyMessage::KeyUp:
    case KeyMessage::SysKeyDown:
    case KeyMessage::SysKeyUp:
        if (wp != VK_PROCESSKEY)
            return std::nullopt;
        read.facts.realKey = ime.KeyBehindProcessKey(box);
        break;
    default:
        return std::nullopt;
    }
    return read;
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

void CaptureBox::Attach(HWND hwnd, ControlEvents& events, std::wstring text,
                        const win32::InputMethod* ime) {
    TextBox::Attach(hwnd, std::move(text));
    events_ = &events;
    ime_ = ime;
}

void CaptureBox::Report(KeyMessage message, WPARAM wp, LPARAM lp, int modifiers) {
    int16_t ansiCode = kNoAnsiCode;
    if (IsCharacterMessage(message) && wp <= WCHAR_MAX)
        ansiCode = win32::AnsiCodeOfChar(static_cast<wchar_t>(wp));
    std::optional<ImeRead> ime =
        ReadIme(ime_ ? *ime_ : win32::SystemInputMethod(), hwnd(), message, wp, lp);
    if (ime) {
        ime->facts.composition = ime->strings.composition;
        ime->facts.result = ime->strings.result;
    }
    events_->OnKeyMessage({message, Saturated(wp), static_cast<uint32_t>(lp),
                           static_cast<uint32_t>(GetMessageTime()), static_cast<uint8_t>(modifiers),
                           ansiCode, ime ? &ime->facts : nullptr});
}

LRESULT CaptureBox::Message(UINT msg, WPARAM wp, LPARAM lp) {
    // Read once for the record and the key-down alike.
    int modifiers = 0;
    if (const std::optional<KeyMessage> message = RecordedKeyMessage(msg, wp)) {
        modifiers = win32::ModifiersOfKeyMessage();
        Report(*message, wp, lp, modifiers);
    }
    switch (msg) {
    case WM_GETDLGCODE:
        return DialogCode(wp, lp);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        events_->OnCaptureKey(static_cast<int>(wp & 0xFF), modifiers);
        if (PastesText(wp, modifiers))
            return 0;
        // The edit control has no use for these keys and need not pass them on.
        if (msg == WM_KEYDOWN && IsAppCommandKey(wp))
            return DefWindowProcW(hwnd(), msg, wp, lp);
        break; // the box still handles the key as usual (a caret key moves the caret)
    case WM_KEYUP:
        if (IsAppCommandKey(wp))
            return DefWindowProcW(hwnd(), msg, wp, lp);
        break;
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
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_IME_CHAR:
        // The system's handling, not the edit control's, which would put the composed text
        // into the box: the input method shows its composition in a window of its own, and
        // each result character comes as WM_IME_CHAR and then as WM_CHAR, which the box shows
        // as a typed one.
        return DefWindowProcW(hwnd(), msg, wp, lp);
    case WM_UNICHAR:
        // TRUE to the probe: senders may send characters beyond U+FFFF whole. A character is
        // typed as WM_CHAR's; a value that is no character is refused and changes nothing.
        if (wp == UNICODE_NOCHAR)
            return TRUE;
        if (wp <= 0x10FFFF && !(wp >= 0xD800 && wp <= 0xDFFF))
            events_->OnCaptureCharacter(
                wp <= WCHAR_MAX ? std::optional<wchar_t>(static_cast<wchar_t>(wp)) : std::nullopt);
        return FALSE;
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
