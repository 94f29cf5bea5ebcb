#pragma once
// The window at its DPI: where each control sits and how large it is, in the pixels of the
// DPI, and what a move to a screen of another DPI makes again (fonts, pictures, sizes).
#include <windows.h>

#include <array>

#include "platform/window/scoped_handles.h"
#include "ui/main_window/fonts.h"
#include "ui/main_window/label.h"
#include "ui/main_window/layout.h"

namespace zintar {

// Where a windowed control sits: its design rectangle, except that each highlight frame lies
// on its flag's top-left corner (the frame covers the flag while lit).
TwipsRect PlacedTwips(const ControlDesign& design);

// The window's client area at the DPI, from the design's size.
SIZE ClientSizeAt(int dpi);

// What a change of DPI reaches: the parts of the window that hold pixels.
struct ScaledParts {
    HINSTANCE instance;
    const std::array<HWND, kControlCount>& controls;
    FontSet& fonts;
    std::array<win32::ScopedBitmap, kControlCount>& pictures;
    std::array<Label, kControlCount>& labels;
};

// New fonts and pictures for the DPI, and every control placed and sized from the table;
// texts and state stay as they are. The old fonts and pictures are released only after the
// controls hold the new ones.
void ScaleControls(const ScaledParts& parts, int dpi);

} // namespace zintar
