#pragma once
// The embedded pictures, all bitmap resources: the flags as 32-bit bitmaps whose alpha is
// already premultiplied (the build converts them from their GIFs), the rest 24-bit. Nothing
// here decodes a file format, so no COM or imaging component loads before the first paint.
#include <windows.h>

#include "platform/window/scoped_handles.h"

namespace zintar {

// Loads the window's pictures from the module's bitmap resources.
class PictureLoader {
  public:
    explicit PictureLoader(HINSTANCE instance) : instance_(instance) {}
    PictureLoader(const PictureLoader&) = delete;
    PictureLoader& operator=(const PictureLoader&) = delete;

    // The picture for the window's DPI: the one drawn for it where the module has one (96, 120,
    // 144, 192 dpi; resourceId names the 96 dpi one), otherwise a 32-bit DIB section resampled
    // to the DPI's size from the one that PictureSourceFor picks. An empty handle when the
    // resource is missing or malformed; the image then shows its parent's surface only.
    win32::ScopedBitmap Load(int resourceId, int dpi) const;

  private:
    HINSTANCE instance_;
};

} // namespace zintar
