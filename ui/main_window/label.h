#pragma once
// A label of the window: a static control that keeps its text for WM_GETTEXT and screen
// readers, painted by this object in its design's colours, font and alignment. It takes no
// text from outside: it shows what the window wrote, nothing else.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "ui/main_window/fonts.h"
#include "ui/main_window/layout.h"

namespace zintar {

class Label {
  public:
    void Attach(HWND hwnd, const ControlDesign& design, const FontSet& fonts);
    HWND hwnd() const { return hwnd_; }
    const std::wstring& text() const { return text_; }

    // Writes the text unless the label shows it already; an auto-size label then takes the
    // size of its text. True when the text changed.
    bool Write(const std::wstring& text);
    void SetForeColour(uint32_t colour);
    void SetUnderline(bool underline);
    // The font set holds new fonts (another DPI): an auto-size label fits its text again.
    void OnFontChanged();
    // The text's extent in the label's font, in pixels: its width, and the font's line height.
    SIZE TextExtent(std::wstring_view text) const;

    // The messages a label answers itself; nullopt for the rest (pointer messages among them).
    std::optional<LRESULT> Message(UINT msg, WPARAM wp, LPARAM lp);

  private:
    void Paint(HDC dc) const;
    void FitToText();

    HWND hwnd_ = nullptr;
    const ControlDesign* design_ = nullptr;
    const FontSet* fonts_ = nullptr;
    std::wstring text_;
    uint32_t foreColour_ = 0;
    bool underline_ = false;
    bool writing_ = false;
};

} // namespace zintar
