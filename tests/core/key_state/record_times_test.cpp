// Each key record's times beside the history: kept by the record's number as the ring moves
// on, never handed to another record, and forgotten with a cleared history.
#include "core/key_state/record_times.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

constexpr uint32_t kA = 0x41, kAScan = 0x1E;

KeyMessageInput KeyUp(uint32_t time) {
    return {KeyMessage::KeyUp, kA, 1u | (kAScan << 16) | (3u << 30), time, 0, kNoAnsiCode};
}
KeyMessageInput Character() {
    return {KeyMessage::Char, L'a', 1u | (kAScan << 16), 0, 0, 97};
}

// Records a key-up held for `heldMs`, with that time as its own.
void AddTimedKey(KeyHistory& history, RecordTimes& times, uint32_t heldMs) {
    history.Add(KeyUp(heldMs));
    times.SetNewest({heldMs, std::nullopt});
}

TEST(RecordTimes, TimesStayWithTheirRecordWhileTheRingMovesOn) {
    KeyHistory history;
    RecordTimes times(history);
    for (uint32_t i = 0; i < 1500; ++i)
        AddTimedKey(history, times, i);
    ASSERT_EQ(history.oldestNumber(), 500u);
    for (uint64_t number : {500u, 1234u, 1499u}) {
        const KeyTiming* timing = times.Find(number);
        ASSERT_NE(timing, nullptr) << number;
        EXPECT_EQ(timing->heldMs, number) << "record " << number << " has its own times";
    }
    EXPECT_EQ(times.Find(499), nullptr) << "dropped out of the history";
    EXPECT_EQ(times.Find(1500), nullptr) << "not recorded yet";
}

// A character takes the slot of the key record a thousand before it, and has no times of
// its own: the key's must not show on its row.
TEST(RecordTimes, ARecordWithoutTimesShowsNoneOfAnEarlierRecords) {
    KeyHistory history;
    RecordTimes times(history);
    AddTimedKey(history, times, 300);
    for (size_t i = 0; i < KeyHistory::kCapacity; ++i)
        history.Add(Character());
    EXPECT_EQ(times.Find(KeyHistory::kCapacity), nullptr);
    AddTimedKey(history, times, 40);
    ASSERT_NE(times.Find(KeyHistory::kCapacity + 1), nullptr);
    EXPECT_EQ(times.Find(KeyHistory::kCapacity + 1)->heldMs, 40u);
}

// A cleared history numbers its records from 0 again: the times of its old record 0 are not
// the new record 0's.
TEST(RecordTimes, AClearedHistoryForgetsEveryTime) {
    KeyHistory history;
    RecordTimes times(history);
    AddTimedKey(history, times, 300);
    history.Clear();
    EXPECT_EQ(times.Find(0), nullptr);
    history.Add(Character());
    EXPECT_EQ(times.Find(0), nullptr) << "the new record 0 has no times";
    AddTimedKey(history, times, 70);
    EXPECT_EQ(times.Find(0), nullptr);
    ASSERT_NE(times.Find(1), nullptr);
    EXPECT_EQ(times.Find(1)->heldMs, 70u);
}

} // namespace
} // namespace zintar
