#include "core/key_history/key_rows.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

constexpr uint8_t kCtrl = 0x11, kF9 = 0x78;

KeyMessageInput Down(uint32_t key) {
    return {KeyMessage::KeyDown, key, 0x00010001u, 0, 0, kNoAnsiCode};
}

KeyRoute Delivered(uint64_t record, bool injected = false) {
    KeyRoute route{};
    route.key = {kCtrl, 0x1D, false, false, 0};
    route.seenBy = kAllKeySources;
    route.injected = injected;
    route.hasDevice = true;
    route.device = 0x44;
    route.delivered = true;
    route.record = record;
    return route;
}

KeyRoute Elsewhere(uint64_t recordsBefore, NotDeliveredReason reason = NotDeliveredReason::None) {
    KeyRoute route{};
    route.key = {kF9, 0x43, false, false, 0};
    route.heldModifiers = kHotkeyCtrl | kHotkeyAlt;
    route.recordsBefore = recordsBefore;
    route.reason = reason;
    return route;
}

std::wstring Code(const KeyRows& rows, size_t row) {
    return rows.CellText(row, HistoryColumn::KeyCode, Language::English);
}
std::wstring DeliveredCell(const KeyRows& rows, size_t row) {
    return rows.CellText(row, HistoryColumn::Delivered, Language::English);
}

TEST(KeyRows, KeysThatWentElsewhereStandBetweenTheRecordsInKeyOrder) {
    KeyHistory history;
    KeyRows rows(history);
    for (uint32_t key : {65u, 66u, 67u})
        history.Add(Down(key));
    rows.AddRoute(Elsewhere(2, NotDeliveredReason::OtherProgramsHotkey), L"");
    const auto second = rows.AddRoute(Elsewhere(2), L"");
    ASSERT_TRUE(second);
    rows.AddRoute(Delivered(0), L"\\\\?\\HID#VID_845E&PID_0002#7&1a&0&0000#{884b}");
    rows.Reset();
    ASSERT_EQ(rows.shownCount(), 5u);
    EXPECT_EQ(Code(rows, 0), L"65");
    EXPECT_EQ(Code(rows, 1), L"66");
    EXPECT_EQ(Code(rows, 2), L"120") << "the key row tells its key like a record";
    EXPECT_EQ(DeliveredCell(rows, 2), L"no (hotkey of another program)");
    EXPECT_EQ(DeliveredCell(rows, 3), L"no") << "no reason known yet";
    EXPECT_EQ(rows.CellText(3, HistoryColumn::Combination, Language::English), L"Ctrl + Alt + F9");
    EXPECT_EQ(Code(rows, 4), L"67");
    EXPECT_EQ(DeliveredCell(rows, 4), L"") << "no route yet";

    rows.SetReason(*second, NotDeliveredReason::SystemShortcut);
    EXPECT_EQ(DeliveredCell(rows, 3), L"no (system shortcut)");
    EXPECT_EQ(DeliveredCell(rows, 0), L"yes");
    EXPECT_EQ(rows.CellText(0, HistoryColumn::Device, Language::English), L"HID VID_845E PID_0002");
    EXPECT_EQ(rows.CellText(0, HistoryColumn::SeenBy, Language::Hungarian),
              L"ablak, horog, nyers bemenet");

    EXPECT_EQ(rows.CopyText({2, 7, 4}, Language::English).substr(0, 7), L"Elapsed");
    const std::wstring copy = rows.CopyText({2, 7, 4}, Language::English);
    EXPECT_EQ(std::count(copy.begin(), copy.end(), L'\n'), 2)
        << "the row past the list is left out";
    EXPECT_NE(copy.find(L"no (hotkey of another program)"), std::wstring::npos);
}

TEST(KeyRows, ShownRowsKeepWhatTheyShowedUntilTheUpdate) {
    KeyHistory history;
    KeyRows rows(history);
    history.Add(Down(65));
    history.Add(Down(66));
    EXPECT_EQ(rows.Update().size, 2u);
    rows.AddRoute(Elsewhere(1), L"");
    history.Add(Down(67));
    rows.Follow();
    // Row 1 still shows record 1, which now stands one further down.
    EXPECT_EQ(Code(rows, 1), L"66");
    EXPECT_EQ(rows.IndexNow(0), 0u);
    EXPECT_EQ(rows.IndexNow(1), 2u);
    EXPECT_EQ(rows.IndexNow(2), std::nullopt) << "past the shown rows";
    const KeyRows::Change change = rows.Update();
    EXPECT_EQ(change.size, 4u);
    EXPECT_TRUE(change.moved);
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(Code(rows, 1), L"120");
    EXPECT_EQ(Code(rows, 3), L"67");

    rows.AddRoute(Delivered(2), L"");
    const KeyRows::Change filled = rows.Update();
    EXPECT_FALSE(filled.moved);
    EXPECT_TRUE(filled.changed) << "the route's cells must be painted";
    EXPECT_FALSE(rows.Update().changed);
}

TEST(KeyRows, TheRowsStayWithinTheHistorysSizeAndStartAgainWithIt) {
    KeyHistory history;
    KeyRows rows(history);
    for (size_t i = 0; i < KeyHistory::kCapacity; ++i)
        history.Add(Down(65));
    rows.Update();
    rows.AddRoute(Elsewhere(500), L"");
    rows.AddRoute(Elsewhere(1000), L"");
    rows.Follow();
    EXPECT_EQ(rows.size(), KeyRows::kCapacity);
    EXPECT_EQ(rows.ShownRow(0), nullptr) << "the oldest rows made room";
    EXPECT_EQ(rows.ShownRow(1), nullptr);
    ASSERT_NE(rows.ShownRow(2), nullptr);
    EXPECT_EQ(rows.ShownRow(2)->place.record, 2u);
    EXPECT_TRUE(rows.Update().moved);
    EXPECT_EQ(Code(rows, 999), L"120") << "the newest row";

    history.Add(Down(66)); // record 1000 drops record 0, already gone from the rows
    EXPECT_FALSE(rows.AddRoute(Elsewhere(0), L"")) << "its place has dropped out";
    history.Clear();
    EXPECT_EQ(rows.ShownRow(500), nullptr) << "a cleared history shows none of its rows";
    history.Add(Down(67));
    EXPECT_EQ(rows.Update().size, 1u);
    EXPECT_EQ(Code(rows, 0), L"67");
}

// The rows' times come from each record's own, as the window recorded them; the chatter mark
// is judged by the threshold of now, also for rows already shown. A key that went elsewhere
// has no times of its own.
TEST(KeyRows, TimeCellsReadTheRecordsTimesAndTheThresholdOfNow) {
    KeyHistory history;
    RecordTimes times(history);
    KeyRows rows(history, &times);
    const auto add = [&](KeyMessage message, KeyTiming timing) {
        history.Add({message, kF9, 0x00430001u, 0, 0, kNoAnsiCode});
        times.SetNewest(timing);
    };
    add(KeyMessage::KeyDown, {});
    add(KeyMessage::KeyUp, {300, std::nullopt});
    add(KeyMessage::KeyDown, {std::nullopt, 20});
    history.Add({KeyMessage::Char, L'x', 0x00430001u, 0, 0, 120});
    rows.AddRoute(Elsewhere(4), L"");
    rows.Update();
    ASSERT_EQ(rows.shownCount(), 5u);
    const auto cells = [&](size_t row) {
        return rows.CellText(row, HistoryColumn::Held, Language::English) + L"|" +
               rows.CellText(row, HistoryColumn::SinceRelease, Language::English) + L"|" +
               rows.CellText(row, HistoryColumn::Chatter, Language::English);
    };
    EXPECT_EQ(cells(0), L"||");
    EXPECT_EQ(cells(1), L"300||");
    EXPECT_EQ(cells(2), L"|20|yes") << "20 ms is below the default 30";
    EXPECT_EQ(cells(3), L"||") << "a character";
    EXPECT_EQ(cells(4), L"||") << "a key that went elsewhere";
    rows.SetChatterThreshold({10});
    EXPECT_EQ(cells(2), L"|20|");
    rows.SetChatterThreshold({50});
    EXPECT_TRUE(rows.CopyText({2}, Language::Hungarian).ends_with(L"\t\t20\tigen\t"))
        << "the copy ends with the time columns and an empty note, judged as the list is";
}

} // namespace
} // namespace zintar
