#include "ui/common/text_box.h"

#include "platform/window/scoped_handles.h"
#include "platform/window/subclass.h"

namespace zintar {

void TextBox::Attach(HWND hwnd, std::wstring text) {
    hwnd_ = hwnd;
    text_ = std::move(text);
}

void TextBox::Write(const std::wstring& text) {
    if (text_ == text.c_str())
        return;
    text_ = text.c_str();
    const win32::ScopedFlag writing(writing_);
    SetWindowTextW(hwnd_, text_.c_str());
}

void TextBox::SetCaret(int position) {
    SendMessageW(hwnd_, EM_SETSEL, static_cast<WPARAM>(position), position);
}

LRESULT TextBox::DialogCode(WPARAM wp, LPARAM lp) const {
    const LRESULT code = win32::CallControlProc(hwnd_, WM_GETDLGCODE, wp, lp);
    const auto* keyMsg = reinterpret_cast<const MSG*>(lp);
    if (keyMsg && keyMsg->message == WM_KEYDOWN && keyMsg->wParam == VK_TAB)
        return code;
    return code | DLGC_WANTALLKEYS;
}

std::wstring TextBox::ReadControlText() const {
    const int length = GetWindowTextLengthW(hwnd_);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

} // namespace zintar
