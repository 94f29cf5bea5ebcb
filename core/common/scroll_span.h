#pragma once
// A column of rows taller than the space it is shown in: how far it can scroll, where a
// scroll request leaves it, and where it must stand for one row to be seen whole. All in
// pixels, the content's top at 0; a position is the content's pixel at the view's top.
#include <cstdint>

namespace zintar {

struct ScrollSpan {
    int32_t content = 0; // the whole column's height
    int32_t view = 0;    // the height shown

    // The largest position; 0 when everything fits.
    constexpr int32_t MaxPosition() const { return content > view ? content - view : 0; }
    constexpr bool Scrolls() const { return MaxPosition() > 0; }
    // Any position brought into the range: a stale one after the view grew, or a request
    // past either end.
    int32_t Clamp(int64_t position) const;
    // The nearest position at which the band from `top` to `bottom` (content pixels) is in
    // view: unchanged when it already is, its top at the view's top when it lies above or
    // is taller than the view, else its bottom at the view's bottom.
    int32_t Reveal(int32_t position, int32_t top, int32_t bottom) const;
};

// The rows of a pane: a head (the buttons above them) and then rows of one height.
struct RowColumn {
    int32_t rowsTop = 0; // the first row's top
    int32_t rowHeight = 0;
    int32_t rowCount = 0;
    int32_t bottomMargin = 0; // below the last row

    constexpr int32_t Height() const { return rowsTop + rowHeight * rowCount + bottomMargin; }
    constexpr int32_t RowTop(int32_t row) const { return rowsTop + rowHeight * row; }
    // How many rows from the first are seen whole in a view of that height at position 0.
    int32_t RowsFitting(int32_t view) const;
};

// A wheel turn: its delta in the platform's units (120 a notch, either sign, fractions of a
// notch from fine wheels) moves `linesPerNotch` rows per notch, down for a negative delta.
// Only whole rows move; the part of a turn that moved none stays in `remainder` (start it at
// 0) for the next turn.
int32_t WheelPixels(int32_t delta, int32_t linesPerNotch, int32_t rowHeight, int32_t& remainder);

} // namespace zintar
