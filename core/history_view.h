#pragma once
// The key history window's arithmetic: where it opens, and which record each row of its list
// stands for while the history moves on under it.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/geometry.h"
#include "core/key_event.h"

namespace zintar {

// Where the window opens, in screen pixels: beside the owner where the work area leaves room
// for the minimum width (right, else left), as wide and as high as preferred within that room
// and at least as high as the owner; otherwise below the owner (else above) where the minimum
// height fits, as wide as preferred; otherwise over the owner against the side of the work
// area with the more room, at least the minimum width. Always inside the work area.
PixelRect PlaceKeyHistory(const PixelRect& owner, const PixelRect& workArea, PixelSize preferred,
                          PixelSize minimum);

// What the list shows: as many rows as the history held at its last update. Until the next
// update each row keeps standing for the record it showed, though the oldest records may
// have dropped out and the others moved up in the history.
class ShownRows {
  public:
    // How the list must change to show the history as it is now.
    struct Change {
        bool anew = false;  // no row still stands for its record: show every row afresh
        size_t dropped = 0; // otherwise: rows that fell off the top; the rest moved up by this
        size_t size = 0;    // rows to show
    };

    // Takes the history as it is now as what the list shows, and says how to get there.
    Change Update(const KeyHistory& history);
    // The list shows the history afresh.
    void Reset(const KeyHistory& history);

    size_t size() const { return size_; }
    // The record a shown row stands for; none for a row past the shown ones or whose record
    // has dropped out since the last update.
    std::optional<size_t> RecordOfRow(size_t row, const KeyHistory& history) const;

  private:
    // The shown rows whose records have dropped out since the last update; all of them when
    // the history started again or moved on by more than it keeps.
    size_t DroppedSinceUpdate(const KeyHistory& history) const;

    bool StartedAgain(const KeyHistory& history) const;

    size_t size_ = 0;
    uint64_t added_ = 0;
    uint64_t clears_ = 0;
};

} // namespace zintar
