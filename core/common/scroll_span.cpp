#include "core/common/scroll_span.h"

#include <algorithm>
#include <cstdint>

namespace zintar {

namespace {
constexpr int32_t kNotch = 120;
}

int32_t ScrollSpan::Clamp(int64_t position) const {
    return static_cast<int32_t>(std::clamp<int64_t>(position, 0, MaxPosition()));
}

int32_t ScrollSpan::Reveal(int32_t position, int32_t top, int32_t bottom) const {
    if (top < position || bottom - top >= view)
        return Clamp(top);
    if (bottom > position + view)
        return Clamp(int64_t{bottom} - view);
    return Clamp(position);
}

int32_t RowColumn::RowsFitting(int32_t view) const {
    if (rowHeight <= 0 || view <= rowsTop)
        return 0;
    return std::min(rowCount, (view - rowsTop) / rowHeight);
}

int32_t WheelPixels(int32_t delta, int32_t linesPerNotch, int32_t rowHeight, int32_t& remainder) {
    // A wheel set to a page per notch (WHEEL_PAGESCROLL, a huge line count) or to none is
    // kept to a sane amount: three rows, the system's default.
    if (linesPerNotch <= 0 || linesPerNotch > 100)
        linesPerNotch = 3;
    // Whole rows only; what is left of a fine wheel's turn waits for the next one.
    const int64_t turned = int64_t{remainder} + int64_t{delta} * linesPerNotch;
    const int64_t rows = turned / kNotch;
    remainder = static_cast<int32_t>(std::clamp<int64_t>(turned - rows * kNotch, -kNotch, kNotch));
    return static_cast<int32_t>(std::clamp<int64_t>(-rows * rowHeight, INT32_MIN, INT32_MAX));
}

} // namespace zintar
