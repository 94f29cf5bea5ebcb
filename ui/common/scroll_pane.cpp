#include "ui/common/scroll_pane.h"

#include <utility>

#include "platform/window/window_class.h"
#include "platform/window/window_thunk.h"
#include "ui/common/child_control.h"

namespace zintar {

namespace {

constexpr wchar_t kScrollPaneClass[] = L"Zintar.ScrollPane";

bool RegisterScrollPaneClass(HINSTANCE instance) {
    WNDCLASSEXW wc =
        win32::PlainWindowClass(instance, kScrollPaneClass, &win32::WindowThunk<ScrollPane>);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1); // between the rows
    return win32::EnsureWindowClass(wc);
}

bool IsColourRequest(UINT msg) {
    return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
}

} // namespace

bool ScrollPane::Create(HWND parent, HINSTANCE instance) {
    if (!RegisterScrollPaneClass(instance))
        return false;
    // Controls inside take part in the parent's dialog navigation (WS_EX_CONTROLPARENT).
    return CreateChildControl(
               parent, instance,
               {kScrollPaneClass, WS_VISIBLE | WS_VSCROLL | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT},
               {}, this) != nullptr;
}

void ScrollPane::SetFrame(const RECT& inParent, int contentHeight, int lineHeight) {
    if (!hwnd_)
        return;
    content_ = contentHeight > 0 ? contentHeight : 0;
    lineHeight_ = lineHeight > 0 ? lineHeight : 1;
    // The move sends WM_SIZE, which sets the scroll bar for the new height.
    MoveWindow(hwnd_, inParent.left, inParent.top, inParent.right - inParent.left,
               inParent.bottom - inParent.top, TRUE);
    UpdateScrollBar();
}

int ScrollPane::ClientWidth() const {
    RECT client{};
    return hwnd_ && GetClientRect(hwnd_, &client) ? client.right : 0;
}

void ScrollPane::SetControls(std::vector<Placed> controls) {
    controls_ = std::move(controls);
    MoveControls();
}

ScrollSpan ScrollPane::Span() const {
    RECT client{};
    if (!hwnd_ || !GetClientRect(hwnd_, &client))
        return {content_, content_};
    return {content_, client.bottom};
}

void ScrollPane::ScrollTo(int position) {
    const int clamped = Span().Clamp(position);
    if (clamped == position_)
        return;
    position_ = clamped;
    SetScrollPos(hwnd_, SB_VERT, position_, TRUE);
    MoveControls();
}

void ScrollPane::Reveal(HWND control) {
    for (const Placed& p : controls_)
        if (p.control == control) {
            ScrollTo(Span().Reveal(position_, p.inColumn.top, p.inColumn.bottom));
            return;
        }
}

void ScrollPane::MoveControls() {
    // One pass for every control: they move together, without a paint in between.
    HDWP moves = BeginDeferWindowPos(static_cast<int>(controls_.size()));
    for (const Placed& p : controls_) {
        const RECT& r = p.inColumn;
        if (moves)
            moves =
                DeferWindowPos(moves, p.control, nullptr, r.left, r.top - position_,
                               r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        if (!moves) // out of memory for the batch: one at a time
            MoveWindow(p.control, r.left, r.top - position_, r.right - r.left, r.bottom - r.top,
                       TRUE);
    }
    if (moves)
        EndDeferWindowPos(moves);
}

// The range is the column's height and a page the view's; the scroll bar hides itself when
// the page holds the whole range, which may widen the client area again.
void ScrollPane::UpdateScrollBar() {
    const ScrollSpan span = Span();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = content_ > 0 ? content_ - 1 : 0;
    info.nPage = static_cast<UINT>(span.view > 0 ? span.view : 0);
    position_ = span.Clamp(position_);
    info.nPos = position_;
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
    MoveControls();
}

void ScrollPane::OnScroll(WORD request) {
    const ScrollSpan span = Span();
    switch (request) {
    case SB_LINEUP:
        ScrollTo(position_ - lineHeight_);
        break;
    case SB_LINEDOWN:
        ScrollTo(position_ + lineHeight_);
        break;
    case SB_PAGEUP:
        ScrollTo(position_ - span.view);
        break;
    case SB_PAGEDOWN:
        ScrollTo(position_ + span.view);
        break;
    case SB_TOP:
        ScrollTo(0);
        break;
    case SB_BOTTOM:
        ScrollTo(span.MaxPosition());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The 32-bit track position, not the message's 16-bit one.
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(hwnd_, SB_VERT, &info))
            ScrollTo(info.nTrackPos);
        break;
    }
    default:
        break;
    }
}

LRESULT ScrollPane::HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCCREATE:
        hwnd_ = hwnd;
        break;
    case WM_SIZE:
        UpdateScrollBar();
        return 0;
    case WM_VSCROLL:
        OnScroll(LOWORD(wp));
        return 0;
    case WM_MOUSEWHEEL: {
        if (!Span().Scrolls())
            break; // nothing to scroll here: the parent may have a use for it
        UINT lines = 3;
        SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        const int linesPerNotch = lines > 100 ? -1 : static_cast<int>(lines);
        ScrollTo(position_ +
                 WheelPixels(GET_WHEEL_DELTA_WPARAM(wp), linesPerNotch, lineHeight_, wheelRest_));
        return 0;
    }
    case WM_COMMAND:
        // A value that takes the focus, by a click, Tab or an assistive tool, is seen whole.
        if (HIWORD(wp) == EN_SETFOCUS)
            Reveal(reinterpret_cast<HWND>(lp));
        if (onCommand_ && onCommand_(HIWORD(wp), reinterpret_cast<HWND>(lp)))
            return 0;
        return SendMessageW(GetParent(hwnd), msg, wp, lp);
    case WM_NOTIFY:
        return SendMessageW(GetParent(hwnd), msg, wp, lp);
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        controls_.clear();
        break;
    default:
        if (IsColourRequest(msg))
            return SendMessageW(GetParent(hwnd), msg, wp, lp);
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

} // namespace zintar
