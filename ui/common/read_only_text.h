#pragma once
// A control whose text only the program writes: a caption, a button, a read-only value. It
// keeps the text it last wrote, so a write of the same text costs nothing and nothing reads
// the control back (the capture box and the code boxes, which the user types into, are
// ui/common/text_box.h).
#include <windows.h>

#include <string>
#include <string_view>

namespace zintar {

class ReadOnlyText {
  public:
    // The control as created, with the text it was created with.
    void Attach(HWND hwnd, std::wstring text = {});
    void Forget() { Attach(nullptr); } // the control went with its parent
    HWND hwnd() const { return hwnd_; }
    const std::wstring& text() const { return text_; }

    // Writes the text unless the control shows it already (a write repaints the control).
    // A window text ends at its first NUL, so that is what the control then shows.
    void Write(std::wstring_view text);
    // The control's text changed (EN_CHANGE): a change that was not this object's write came
    // from another program (WM_SETTEXT from outside), and the control shows its text again.
    void OnChanged();

  private:
    void Show();

    HWND hwnd_ = nullptr;
    std::wstring text_;
    bool writing_ = false;
};

} // namespace zintar
