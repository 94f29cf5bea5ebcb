// Where the key history opens, and which record a row stands for as the history moves on.
#include "core/history_view.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

constexpr PixelSize kPreferred{800, 400};
constexpr PixelSize kMinimum{600, 150};

TEST(PlaceKeyHistory, BesideWhereThereIsRoomElseBelowOrOverTheFreerSide) {
    struct Case {
        const char* what;
        PixelRect owner, work, expected;
    };
    const PixelRect screen{0, 0, 1024, 768};
    const PixelRect wide{0, 0, 1920, 1080};
    const Case cases[] = {
        {"a wide screen: right of the owner", {779, 390, 1140, 690}, wide, {1140, 390, 1920, 790}},
        {"at a wide screen's right edge: left of it", {1500, 100, 1920, 400}, wide,
         {700, 100, 1500, 500}},
        {"centred on 1024 x 768: below, as wide as preferred", {331, 244, 692, 524}, screen,
         {224, 524, 1024, 768}},
        {"near the bottom of 1024 x 768: above", {331, 500, 692, 760}, screen,
         {224, 100, 1024, 500}},
        {"no room anywhere: over the owner, against the freer side", {200, 100, 500, 560},
         {0, 0, 900, 640}, {100, 100, 900, 560}},
        {"a tall owner sets the height beside it", {0, 0, 361, 900}, wide, {361, 0, 1161, 900}},
        {"the owner partly off the screen", {1800, -50, 2100, 250}, wide, {1000, 0, 1800, 400}},
        {"second monitor", {2200, 0, 2561, 250}, {1920, 0, 3840, 1080}, {2561, 0, 3361, 400}},
        {"a work area smaller than the window", {100, 50, 300, 200}, {0, 0, 500, 300},
         {0, 0, 500, 300}},
    };
    for (const Case& c : cases) {
        const PixelRect got = PlaceKeyHistory(c.owner, c.work, kPreferred, kMinimum);
        EXPECT_EQ(got, c.expected) << c.what << ": " << got.left << "," << got.top << ","
                                   << got.right << "," << got.bottom;
    }
}

KeyMessageInput KeyUp(uint32_t key) {
    return {KeyMessage::KeyUp, key, 0xC0000001u, 0, 0, kNoAnsiCode};
}

TEST(ShownRows, RowsKeepTheirRecordsUntilTheUpdateThenMoveUpByWhatDropped) {
    KeyHistory history;
    ShownRows rows;
    for (uint32_t k = 0; k < KeyHistory::kCapacity; ++k)
        history.Add(KeyUp(k % 200));
    ShownRows::Change change = rows.Update(history);
    EXPECT_FALSE(change.anew);
    EXPECT_EQ(change.size, KeyHistory::kCapacity);
    EXPECT_EQ(change.dropped, 0u);

    history.Add(KeyUp(7));
    history.Add(KeyUp(8));
    // Before the update: the two oldest rows lost their records, row 2 still shows record 0
    // of the history as it is now (the record it showed all along).
    EXPECT_EQ(rows.RecordOfRow(1, history), std::nullopt);
    EXPECT_EQ(rows.RecordOfRow(2, history), 0u);
    EXPECT_EQ(rows.RecordOfRow(KeyHistory::kCapacity, history), std::nullopt) << "past the rows";
    change = rows.Update(history);
    EXPECT_FALSE(change.anew);
    EXPECT_EQ(change.dropped, 2u);
    EXPECT_EQ(rows.RecordOfRow(999, history), 999u);
    EXPECT_EQ(history.at(999).virtualKey, 8);
}

TEST(ShownRows, AClearedHistoryOrMoreThanItKeepsIsShownAnew) {
    KeyHistory history;
    ShownRows rows;
    history.Add(KeyUp(1));
    rows.Update(history);
    history.Clear();
    history.Add(KeyUp(2));
    EXPECT_EQ(rows.RecordOfRow(0, history), std::nullopt) << "the row's record is gone";
    EXPECT_TRUE(rows.Update(history).anew);
    for (size_t i = 0; i <= KeyHistory::kCapacity; ++i)
        history.Add(KeyUp(3));
    EXPECT_TRUE(rows.Update(history).anew);
    EXPECT_EQ(rows.size(), KeyHistory::kCapacity);
}

} // namespace
} // namespace zintar
