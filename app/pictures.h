#pragma once
// The embedded pictures: GIFs decoded with WIC into 32-bit bitmaps with alpha (their
// transparent index becomes alpha 0), 24-bit bitmaps taken as they are.
#include <windows.h>

#include "win32/scoped_handles.h"

namespace zintar {

// An empty handle when the resource is missing or cannot be decoded; the image then shows
// its parent's surface only.
win32::ScopedBitmap LoadPicture(HINSTANCE instance, int resourceId);

} // namespace zintar
