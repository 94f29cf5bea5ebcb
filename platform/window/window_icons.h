#pragma once
// A window's own icons, loaded for its DPI: the title bar's small one and the task switcher's
// large one. The class icons stay for the moment before the window knows its DPI.
#include <windows.h>

#include "platform/window/scoped_handles.h"

namespace zintar::win32 {

struct IconTraits {
    static void Close(HICON h) { ::DestroyIcon(h); }
};
using ScopedIcon = ScopedHandle<HICON, IconTraits>;

class WindowIcons {
  public:
    WindowIcons() = default;
    WindowIcons(const WindowIcons&) = delete;
    WindowIcons& operator=(const WindowIcons&) = delete;

    // Loads the icon resource at the sizes SM_CXICON and SM_CXSMICON have at the DPI (the
    // system picks the image of each size in the resource, or the nearest) and gives them to
    // the window. The previous icons are released only after the window holds the new ones.
    // Nothing is loaded while the window still has its class icons and they are already of
    // those sizes. False, with the window's icons unchanged, when the resource cannot be
    // loaded.
    bool Apply(HWND window, HINSTANCE instance, int iconId, int dpi) noexcept;

  private:
    ScopedIcon large_;
    ScopedIcon small_;
};

} // namespace zintar::win32
