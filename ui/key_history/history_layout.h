#pragma once
// The key history window's geometry at its DPI: where it opens beside its owner, how the list
// and the details pane share its client area, and the font they draw with.
#include <windows.h>

#include "platform/window/scoped_handles.h"
#include "ui/key_history/history_list.h"
#include "ui/key_history/key_details_pane.h"
#include "ui/key_history/key_state_list.h"

namespace zintar {

// Beside the owner, in the preferred size where the owner's screen leaves room.
void PlaceHistoryBeside(HWND window, HWND owner, int dpi);

// The key state runs along the bottom, as wide as the window; above it the pane keeps its
// width at the right and scrolls when the window is low, and the list takes what is left.
void LayOutHistory(HWND window, HistoryList& list, KeyDetailsPane& pane, KeyStateList& state,
                   int dpi);

// The list's own font as the system gave it at the window's DPI, made again for each new
// DPI. The font in use lives here, so it outlives the controls that draw with it.
class HistoryFont {
  public:
    void Remember(HFONT listFont, int dpi);
    // A font for the DPI, in place of the one made before; null when it cannot be made, and
    // then the controls keep theirs. The previous font is released at the next call, after
    // the controls took this one.
    HFONT MakeFor(int dpi);

  private:
    LOGFONTW base_{};
    int baseDpi_ = 0;
    win32::ScopedFont current_, previous_;
};

} // namespace zintar
