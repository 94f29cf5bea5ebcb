#include "ui/common/read_only_text.h"

namespace zintar {

void ReadOnlyText::Attach(HWND hwnd, std::wstring text) {
    hwnd_ = hwnd;
    text_ = std::move(text);
}

void ReadOnlyText::Write(std::wstring_view text) {
    const std::wstring_view shown = text.substr(0, text.find(L'\0'));
    if (!hwnd_ || text_ == shown)
        return;
    text_ = shown;
    Show();
}

void ReadOnlyText::OnChanged() {
    if (hwnd_ && !writing_)
        Show();
}

// The control raises its change notice inside the write; that echo is no outside change.
void ReadOnlyText::Show() {
    writing_ = true;
    SetWindowTextW(hwnd_, text_.c_str());
    writing_ = false;
}

} // namespace zintar
