#pragma once
// A code box: a read-out that is also an input field. Whatever text reaches it, typed, pasted
// or set by another program, the core decides what the box holds and which code it stands
// for; the edit control only ever sees text that the box's rules allow.
#include "core/converter/code_box.h"
#include "ui/main_window/control_events.h"
#include "ui/common/text_box.h"

namespace zintar {

class CodeField : public TextBox {
  public:
    void Attach(HWND hwnd, CodeBox box, ControlEvents& events, std::wstring text);

    // Every message of the control.
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp);
    // The control's change notice (EN_CHANGE).
    void OnChanged();

  private:
    bool RunClipboardKey(int keyCode, int modifiers);
    void Paste();
    // Reads a text by the box's rules: the box is put right if it holds anything else, and
    // the window is told the code.
    void Take(std::wstring_view text);

    CodeBox box_ = CodeBox::CharDec;
    ControlEvents* events_ = nullptr;
};

} // namespace zintar
