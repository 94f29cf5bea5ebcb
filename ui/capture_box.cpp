// The capture box: every key-down becomes a key code and modifier mask, every typed
// character a character code; the box keeps nothing the user types. Every key message it
// gets is also recorded for the key history.
#include <cstdint>
#include <optional>

#include "platform/ansi_code_page.h"
#include "platform/keyboard.h"
#include "platform/subclass.h"
#include "ui/main_window.h"

namespace zintar {

namespace {

constexpr LPARAM kFromKeyboard = -1; // WM_CONTEXTMENU's position when no pointer asked

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

} // namespace

LRESULT MainWindow::CaptureBoxMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // Read once for the record and the key-down alike.
    int modifiers = 0;
    if (const std::optional<KeyMessage> message = RecordedKeyMessage(msg)) {
        modifiers = ModifiersOfKeyMessage();
        RecordKeyMessage(*message, wp, lp, modifiers);
    }
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        OnCaptureKeyDown(static_cast<int>(wp & 0xFF), modifiers);
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
        // Every character is shown as a code and never reaches the box's text.
        OnCaptureCharacter(static_cast<wchar_t>(wp));
        return 0;
    case WM_CONTEXTMENU:
        // The Menu key and Shift+F10 are keys to capture like any other; a right click
        // still opens the box's menu.
        if (lp == kFromKeyboard)
            return 0;
        break;
    case WM_PASTE:
        // Shift+Insert is a key to capture, not a way to put text into the box.
        return 0;
    case WM_SETTEXT: {
        // Text from outside counts as its first character typed, so that the box holds one
        // character and every read-out agrees with it.
        const auto* text = reinterpret_cast<const wchar_t*>(lp);
        if (IsOwnText(Control::CaptureBox, text ? text : L""))
            break;
        OnCaptureCharacter(text && text[0] ? std::optional<wchar_t>(text[0]) : std::nullopt);
        return TRUE;
    }
    }
    return win32::CallControlProc(hwnd, msg, wp, lp);
}

// The message as it arrived, its time and the modifiers held, and for a
// character its ANSI code. The history window, if open, shows the new row at once.
void MainWindow::RecordKeyMessage(KeyMessage message, WPARAM wp, LPARAM lp, int modifiers) {
    int16_t ansiCode = kNoAnsiCode;
    if (IsCharacterMessage(message) && wp <= WCHAR_MAX)
        ansiCode = AnsiCodeOfChar(static_cast<wchar_t>(wp));
    const KeyMessageInput input{message,
                                Saturated(wp),
                                static_cast<uint32_t>(lp),
                                static_cast<uint32_t>(GetMessageTime()),
                                static_cast<uint8_t>(modifiers),
                                ansiCode};
    if (keyHistory_.Add(input))
        historyWindow_.OnRecordsAdded();
}

void MainWindow::OnCaptureKeyDown(int keyCode, int modifiers) {
    conversion_.KeyDown(keyCode, modifiers);
    ShowReadOuts(Source::Key);
}

// A character without a code in the ANSI code page is shown as no character at all rather
// than under a false code.
void MainWindow::OnCaptureCharacter(std::optional<wchar_t> character) {
    conversion_.KeyPress(character ? AnsiCodeOfChar(*character) : kNoCharCode);
    ShowReadOuts(Source::Char);
}

} // namespace zintar
