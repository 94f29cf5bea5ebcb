#pragma once
// A child window that shows a column of controls taller than itself: a vertical scroll bar
// when the column does not fit, the mouse wheel, and a value that takes the focus brought
// into view. Its controls notify it; it hands every notice on to its own parent, which so
// sees them as if the controls were its own, unless the pane's owner answered it.
#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "core/common/scroll_span.h"

namespace zintar {

class ScrollPane {
  public:
    ScrollPane() = default;
    ScrollPane(const ScrollPane&) = delete;
    ScrollPane& operator=(const ScrollPane&) = delete;

    // A child of `parent`, which destroys it with the controls in it.
    bool Create(HWND parent, HINSTANCE instance);
    HWND hwnd() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ != nullptr; }

    // Where the pane stands in its parent and how high its column is; the scroll bar comes
    // or goes with that, and the position stays as near as the new range allows.
    // `lineHeight` is what a click on an arrow or a row of the wheel moves.
    void SetFrame(const RECT& inParent, int contentHeight, int lineHeight);
    // The width left for the controls beside the scroll bar.
    int ClientWidth() const;

    // The column's controls and where each stands, in pixels from the column's top; they are
    // moved to that place less the scroll position, now and at each scroll.
    struct Placed {
        HWND control;
        RECT inColumn;
    };
    void SetControls(std::vector<Placed> controls);

    // A control's notice (WM_COMMAND) that the pane's owner answers itself: true when it did,
    // and then the notice goes no further.
    using CommandHandler = std::function<bool(WORD code, HWND control)>;
    void SetCommandHandler(CommandHandler handler) { onCommand_ = std::move(handler); }

    int position() const { return position_; }
    void ScrollTo(int position);
    // Scrolls as little as needed for the control to be seen whole.
    void Reveal(HWND control);

    // Window-procedure entry point (see platform/window/window_thunk.h).
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  private:
    ScrollSpan Span() const;
    void MoveControls();
    void UpdateScrollBar();
    void OnScroll(WORD request);

    HWND hwnd_ = nullptr;
    CommandHandler onCommand_;
    std::vector<Placed> controls_;
    int content_ = 0;
    int lineHeight_ = 1;
    int position_ = 0;
    int wheelRest_ = 0;
};

} // namespace zintar
