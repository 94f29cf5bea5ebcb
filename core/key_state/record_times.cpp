#include "core/key_state/record_times.h"

namespace zintar {

void RecordTimes::SetNewest(const KeyTiming& timing) {
    if (history_.size() == 0)
        return;
    // A cleared history numbers its records from 0 again: no slot of before may answer.
    if (!history_.IsCurrent(generation_)) {
        slots_.fill(Slot{});
        generation_ = history_.generation();
    }
    const uint64_t number = history_.addedCount() - 1;
    slots_[number % slots_.size()] = {number + 1, timing};
}

const KeyTiming* RecordTimes::Find(uint64_t number) const {
    if (!history_.IsCurrent(generation_) || number < history_.oldestNumber() ||
        number >= history_.addedCount())
        return nullptr;
    const Slot& slot = slots_[number % slots_.size()];
    return slot.numberPlusOne == number + 1 ? &slot.timing : nullptr;
}

} // namespace zintar
