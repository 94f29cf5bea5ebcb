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
    SetWindowTextW(hwnd_, text_.c_str());
}

} // namespace zintar
