#pragma once
#include <windows.h>

#include <array>

#include "ui/layout.h"
#include "platform/scoped_handles.h"

namespace zintar {

// Point sizes become pixel heights at 96 dpi (the process is DPI-unaware and the system
// scales it), all in the Central European character set so "ő" and "ű" draw.
win32::ScopedFont CreateDesignFont(const FontDesign& design);

// The window's fonts, one per design font, made once and released with the window.
class FontSet {
  public:
    void Create();
    HFONT Get(FontId id) const { return fonts_[static_cast<size_t>(id)].get(); }

  private:
    std::array<win32::ScopedFont, kFontCount> fonts_{};
};

// The font a label draws with: its design font, or the underlined twin while underlined.
FontId LabelFontId(FontId design, bool underline);

} // namespace zintar
