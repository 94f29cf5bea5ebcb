#pragma once
// The capture box: every key-down becomes a key code and modifier mask, every typed
// character a character code; the box keeps nothing the user types. Every key message it
// gets is also reported for the key history, and so is the text that comes without a key of
// its own: the input method's messages with their strings, WM_UNICHAR and WM_APPCOMMAND.
#include "platform/input/input_method.h"
#include "ui/main_window/control_events.h"
#include "ui/common/text_box.h"

namespace zintar {

class CaptureBox : public TextBox {
  public:
    // ime: what the input method's strings and states are read from; null for the system's.
    void Attach(HWND hwnd, ControlEvents& events, std::wstring text,
                const win32::InputMethod* ime = nullptr);

    // Every message of the control.
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp);
    // The control's change notice (EN_CHANGE): only its own editing (an undo from its menu)
    // changes it without a write; the box then holds what the control shows.
    void OnChanged();
    // The character read-out: the character, with the caret behind it.
    void ShowCharacter(const std::wstring& text);

  private:
    void Report(KeyMessage message, WPARAM wp, LPARAM lp, int modifiers);

    ControlEvents* events_ = nullptr;
    const win32::InputMethod* ime_ = nullptr;
};

} // namespace zintar
