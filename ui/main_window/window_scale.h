#pragma once
// The window at its DPI: where each control sits and how large it is, in the pixels of the
// DPI, and what a move to a screen of another DPI makes again (fonts, pictures, sizes).
#include <windows.h>

#include "ui/main_window/layout.h"
#include "ui/main_window/window_controls.h"

namespace zintar {

// Where a windowed control sits: its design rectangle, except that each highlight frame lies
// on its flag's top-left corner (the frame covers the flag while lit).
TwipsRect PlacedTwips(const ControlDesign& design);

// The window's client area at the DPI, from the design's size.
SIZE ClientSizeAt(int dpi);

// New fonts and pictures for the DPI, and every control placed and sized from the table;
// texts and state stay as they are. The old fonts and pictures are released only after the
// controls hold the new ones.
void ScaleControls(WindowControls& controls, HINSTANCE instance, int dpi);

} // namespace zintar
