#pragma once
// Where a window that the main window owns opens: beside its owner where the owner's screen
// leaves room for the window's minimum width, else below or above it, else over it against
// the freer side (core/key_history/history_view.h decides). Sizes in the window's pixels.
#include <windows.h>

#include "core/common/geometry.h"

namespace zintar {

void PlaceBesideOwner(HWND window, HWND owner, PixelSize preferred, PixelSize minimum);

} // namespace zintar
