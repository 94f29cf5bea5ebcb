#include "ui/main_window/label.h"

#include "platform/window/scoped_handles.h"
#include "platform/window/subclass.h"
#include "ui/main_window/colours.h"

namespace zintar {

namespace {

UINT AlignmentFormat(Align align) {
    switch (align) {
    case Align::Center:
        return DT_CENTER;
    case Align::Right:
        return DT_RIGHT;
    default:
        return DT_LEFT;
    }
}

} // namespace

void Label::Attach(HWND hwnd, const ControlDesign& design, const FontSet& fonts) {
    hwnd_ = hwnd;
    design_ = &design;
    fonts_ = &fonts;
    text_ = design.text;
    foreColour_ = design.fore;
    if (design.autoSize)
        FitToText();
}

bool Label::Write(const std::wstring& text) {
    if (text_ == text.c_str())
        return false;
    text_ = text.c_str();
    {
        const win32::ScopedFlag writing(writing_);
        SetWindowTextW(hwnd_, text_.c_str());
    }
    if (design_->autoSize)
        FitToText();
    InvalidateRect(hwnd_, nullptr, FALSE);
    return true;
}

void Label::SetForeColour(uint32_t colour) {
    foreColour_ = colour;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Label::SetUnderline(bool underline) {
    underline_ = underline;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Label::OnFontChanged() {
    if (design_->autoSize)
        FitToText();
    InvalidateRect(hwnd_, nullptr, FALSE);
}

// Measured on a memory DC: under Wine, asking for the window's DC costs a trip to the server.
SIZE Label::TextExtent(std::wstring_view text) const {
    win32::ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc)
        return {};
    win32::ScopedSelect font(dc.get(), fonts_->Get(design_->font));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), text.data(), static_cast<int>(text.size()), &extent);
    return {extent.cx, metrics.tmHeight};
}

// An auto-size label takes the size of its text and keeps its left and top edges.
void Label::FitToText() {
    const SIZE extent = TextExtent(text_);
    SetWindowPos(hwnd_, nullptr, 0, 0, extent.cx + kAutoSizeSlackPixels,
                 extent.cy + kAutoSizeSlackPixels, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<LRESULT> Label::Message(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SETTEXT:
        if (!writing_)
            return FALSE;
        return win32::CallControlProc(hwnd_, msg, wp, lp);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        win32::ScopedPaint paint(hwnd_);
        Paint(paint.dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wp));
        return 0;
    default:
        return std::nullopt;
    }
}

void Label::Paint(HDC dc) const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    FillSolid(dc, r, ResolveColour(design_->back));
    win32::ScopedSelect font(dc, fonts_->Get(LabelFontId(design_->font, underline_)));
    const COLORREF oldColour = SetTextColor(dc, ResolveColour(foreColour_));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    // One line; a text wider than a fixed-size label ends in an ellipsis (its tooltip shows
    // the whole text).
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &r,
              AlignmentFormat(design_->align) | DT_TOP | DT_SINGLELINE | DT_NOPREFIX |
                  DT_END_ELLIPSIS);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
}

} // namespace zintar
