#pragma once
#include <windows.h>

#include <array>

#include "ui/main_window/layout.h"
#include "platform/window/scoped_handles.h"

namespace zintar {

// Point sizes become pixel heights at the window's DPI (the process is per-monitor aware: the
// system does not stretch it), all in the Central European character set so "ő" and "ű" draw.
win32::ScopedFont CreateDesignFont(const FontDesign& design, int dpi);

// The window's fonts, one per design font, made for the window's DPI and released with the
// window; made again when the window moves to a screen of another DPI.
class FontSet {
  public:
    void Create(int dpi);
    HFONT Get(FontId id) const { return fonts_[static_cast<size_t>(id)].get(); }

  private:
    std::array<win32::ScopedFont, kFontCount> fonts_{};
};

// The font a label draws with: its design font, or the underlined twin while underlined.
FontId LabelFontId(FontId design, bool underline);

} // namespace zintar
