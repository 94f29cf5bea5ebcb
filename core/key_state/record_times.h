#pragma once
// The times of each key record, kept beside the key history by the record's number: the
// history's ring keeps what the message said, the rows read its times from here. A record
// takes the slot of the record a thousand before it, as it does in the history's ring, so
// nothing allocates and the times stay with their record as the history moves on.
#include <array>
#include <cstdint>

#include "core/key_history/key_event.h"
#include "core/key_state/key_times.h"

namespace zintar {

class RecordTimes {
  public:
    explicit RecordTimes(const KeyHistory& history) : history_(history) {}
    RecordTimes(const RecordTimes&) = delete;
    RecordTimes& operator=(const RecordTimes&) = delete;

    // The times of the history's newest record, right after the history took it.
    void SetNewest(const KeyTiming& timing);
    // The times of the current history's record `number`; null where none were set (a
    // character, a record that dropped out, or one from before the history was cleared).
    const KeyTiming* Find(uint64_t number) const;

  private:
    struct Slot {
        uint64_t numberPlusOne = 0; // 0: empty
        KeyTiming timing;
    };
    const KeyHistory& history_;
    std::array<Slot, KeyHistory::kCapacity> slots_{};
    HistoryGeneration generation_;
};

} // namespace zintar
