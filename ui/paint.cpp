// The form's own surface (background, white band, grey line) and the owner-drawn labels.
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/main_window.h"

namespace zintar {

namespace {

RECT DesignPixels(const TwipsRect& t) {
    const PixelBox p = ToPixels(t);
    return {p.left, p.top, p.left + p.width, p.top + p.height};
}

UINT AlignmentFormat(Align align) {
    switch (align) {
    case Align::Center:
        return DT_CENTER;
    case Align::Right:
        return DT_RIGHT;
    default:
        return DT_LEFT;
    }
}

} // namespace

void MainWindow::PaintBackground(HDC dc, const RECT& area) const {
    FillSolid(dc, area, ResolveColour(kWindowDesign.back));
    // The band and the line are drawn bottom of the stack first; they take no pointer events,
    // which is why they are painted here rather than being windows.
    for (int stack = kControlCount; stack >= 1; --stack) {
        for (const ControlDesign& s : kLayout) {
            if (s.stackOrder != stack)
                continue;
            RECT r = DesignPixels(s.twips);
            if (s.kind == ControlKind::Shape) {
                FillSolid(dc, r, ResolveColour(s.back));
            } else if (s.kind == ControlKind::Line) {
                r.bottom = r.top + 1; // one pixel wide
                FillSolid(dc, r, ResolveColour(s.fore));
            }
        }
    }
}

void MainWindow::PaintLabel(Control id, HDC dc, const RECT& client) const {
    const ControlDesign& s = Design(id);
    RECT r = client;
    FillSolid(dc, r, ResolveColour(s.back));
    const std::wstring text = Text(id);
    win32::ScopedSelect font(dc, Font(LabelFontId(s.font, underline_[Index(id)])));
    const COLORREF oldColour = SetTextColor(dc, ResolveColour(foreColour_[Index(id)]));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    // One line; a text wider than a fixed-size label ends in an ellipsis (its tooltip shows
    // the whole text).
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              AlignmentFormat(s.align) | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
}

} // namespace zintar
