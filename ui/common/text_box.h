#pragma once
// What the capture box and the code boxes share: an edit control that knows the text it holds,
// and tells the window's own writes from everything else by when they happen, not by what
// they say. A write marks the box for as long as the control takes it; the change notice the
// control raises inside the write is the write's echo, and any other notice is the user's,
// even when its text equals what the box held. The mark is scoped, so no fault inside a
// message can leave the box taking the user's edits for its own.
#include <windows.h>

#include <string>

namespace zintar {

class TextBox {
  public:
    void Attach(HWND hwnd, std::wstring text);
    HWND hwnd() const { return hwnd_; }
    // What the box holds, as it took it or was written; never read back from the control.
    const std::wstring& text() const { return text_; }

    // Writes the text unless the box holds it already. A window text ends at its first NUL,
    // so that is what the box then holds.
    void Write(const std::wstring& text);
    void SetCaret(int position);

  protected:
    ~TextBox() = default;
    // Every key but Tab reaches the box (WM_GETDLGCODE), so the dialog navigation moves the
    // focus on Tab and Shift+Tab alone while Enter, Escape and the arrows can be captured.
    LRESULT DialogCode(WPARAM wp, LPARAM lp) const;
    bool writing() const { return writing_; }
    // The control's text after a change that was not the window's write.
    std::wstring ReadControlText() const;
    void Took(std::wstring text) { text_ = std::move(text); }

  private:
    HWND hwnd_ = nullptr;
    std::wstring text_;
    bool writing_ = false;
};

} // namespace zintar
