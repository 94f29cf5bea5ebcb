#pragma once
// The common controls (the tooltip of long key names, the key history's list) with comctl32
// loaded when one is first made rather than at start-up: most sessions show neither, and
// the first window needs nothing of it.
namespace zintar::win32 {

// Loads comctl32 and registers its window classes, once; true when they can be made. A
// failure is not remembered: the next call tries again.
bool EnsureCommonControls() noexcept;

} // namespace zintar::win32
