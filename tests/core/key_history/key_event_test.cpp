#include "core/key_history/key_event.h"

#include <gtest/gtest.h>

#include <vector>

namespace zintar {
namespace {

constexpr uint32_t kExtended = 1u << 24;
constexpr uint32_t kWasDown = 1u << 30;

constexpr uint32_t LParam(uint32_t scan, uint32_t flags = 0, uint32_t count = 1) {
    return count | (scan << 16) | flags;
}

KeyMessageInput Key(KeyMessage message, uint32_t key, uint32_t lParam, uint8_t modifiers = 0,
                    uint32_t timeMs = 0) {
    return {message, key, lParam, timeMs, modifiers, kNoAnsiCode};
}

KeyMessageInput Unit(uint32_t unit, int16_t ansi = kNoAnsiCode, uint32_t timeMs = 0) {
    return {KeyMessage::Char, unit, LParam(0x1E), timeMs, 0, ansi};
}

TEST(KeyEventRecord, ModifierSideComesFromScanCodeAndExtendedFlag) {
    struct Case {
        const char* what;
        uint32_t key;
        uint32_t lParam;
        KeySide side;
        uint8_t sideKey;
    };
    const Case cases[] = {
        {"left Shift", 16, LParam(0x2A), KeySide::Left, 160},
        {"right Shift", 16, LParam(0x36), KeySide::Right, 161},
        {"Shift, unknown scan", 16, LParam(0x00), KeySide::None, 0},
        {"left Ctrl", 17, LParam(0x1D), KeySide::Left, 162},
        {"right Ctrl", 17, LParam(0x1D, kExtended), KeySide::Right, 163},
        {"left Alt", 18, LParam(0x38), KeySide::Left, 164},
        {"right Alt", 18, LParam(0x38, kExtended), KeySide::Right, 165},
        {"left Win", 91, LParam(0x5B, kExtended), KeySide::Left, 91},
        {"right Win", 92, LParam(0x5C, kExtended), KeySide::Right, 92},
        {"Win scan, other code", 255, LParam(0x5C, kExtended), KeySide::Right, 92},
        {"5C without E0", 255, LParam(0x5C), KeySide::None, 0},
        {"side code itself", 161, LParam(0x36), KeySide::Right, 161},
        {"Menu key", 93, LParam(0x5D, kExtended), KeySide::None, 0},
        {"Enter", 13, LParam(0x1C), KeySide::None, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (KeyMessage message : {KeyMessage::KeyDown, KeyMessage::SysKeyUp}) {
            KeyHistory history;
            const KeyEventRecord* r = history.Add(Key(message, c.key, c.lParam, 1));
            ASSERT_NE(r, nullptr);
            EXPECT_EQ(r->side, c.side);
            EXPECT_EQ(r->sideKey, c.sideKey);
            EXPECT_EQ(r->virtualKey, c.key) << "the generic code stays what the message said";
        }
    }
}

struct LParamCase {
    KeyMessage message;
    uint32_t wParam;
    uint32_t lParam;
    uint8_t scan;
    bool extended;
    bool previousDown;
    uint16_t count;
};

TEST(KeyEventRecord, DecodesTheMessageParameters) {
    const LParamCase cases[] = {
        {KeyMessage::KeyDown, 13, LParam(0x1C), 0x1C, false, false, 1},           // Enter
        {KeyMessage::KeyDown, 13, LParam(0x1C, kExtended), 0x1C, true, false, 1}, // Numpad Enter
        {KeyMessage::KeyUp, 93, LParam(0x5D, kExtended | kWasDown | 1u << 31), 0x5D, true, true,
         1},                                                                          // Menu key
        {KeyMessage::KeyDown, 65, LParam(0x1E, kWasDown, 3), 0x1E, false, true, 3},   // repeat
        {KeyMessage::SysKeyDown, 115, LParam(0x3E, 1u << 29), 0x3E, false, false, 1}, // Alt+F4
        {KeyMessage::KeyDown, 255, 0xFFFFFFFF, 0xFF, true, true, 0xFFFF},             // every bit
        {KeyMessage::DeadChar, 0x5E, LParam(0x29), 0x29, false, false, 1},            // dead ^
    };
    for (const LParamCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "wParam " << c.wParam << " lParam " << c.lParam);
        KeyHistory history;
        const KeyEventRecord* r = history.Add({c.message, c.wParam, c.lParam, 0, 5, 94});
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->message, c.message);
        EXPECT_EQ(r->scanCode, c.scan);
        EXPECT_EQ(r->extended, c.extended);
        EXPECT_EQ(r->previousDown, c.previousDown);
        EXPECT_EQ(r->repeatCount, c.count);
        EXPECT_EQ(r->modifiers, 5);
        if (IsCharacterMessage(c.message)) {
            EXPECT_EQ(r->codePoint, c.wParam);
            EXPECT_EQ(r->virtualKey, 0) << "a character carries no key code";
            EXPECT_EQ(r->ansiCode, 94);
        } else {
            EXPECT_EQ(r->virtualKey, c.wParam);
            EXPECT_EQ(r->ansiCode, kNoAnsiCode) << "a key has no character code";
        }
    }
}

TEST(KeyHistory, TimesEachRecordFromThePreviousOne) {
    struct Case {
        const char* what;
        std::vector<uint32_t> times;
        std::vector<uint32_t> elapsed;
    };
    const Case cases[] = {
        {"steady typing", {1000, 1016, 1100, 1100}, {0, 16, 84, 0}},
        {"clock wraps", {0xFFFFFFF0u, 0x10, 0x20}, {0, 0x20, 0x10}},
        {"clock runs back", {500, 400, 450}, {0, 0, 50}},
        {"first record starts late", {123456}, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KeyHistory history;
        for (uint32_t t : c.times)
            history.Add(Key(KeyMessage::KeyDown, 65, LParam(0x1E), 0, t));
        ASSERT_EQ(history.size(), c.elapsed.size());
        for (size_t i = 0; i < c.elapsed.size(); ++i)
            EXPECT_EQ(history.at(i).sincePreviousMs, c.elapsed[i]) << "record " << i;
    }
}

TEST(KeyHistory, ClearStartsAfreshAndTheFirstRecordAgainReadsZero) {
    KeyHistory history;
    history.Add(Key(KeyMessage::KeyDown, 65, LParam(0x1E), 0, 100));
    history.Add(Unit(0xD83D, kNoAnsiCode, 150)); // held back, then dropped by Clear
    history.Clear();
    EXPECT_EQ(history.size(), 0u);
    EXPECT_EQ(history.addedCount(), 0u);
    const KeyEventRecord* r = history.Add(Unit(0xDE00, kNoAnsiCode, 5000));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->sincePreviousMs, 0u);
    EXPECT_EQ(r->codePoint, 0xDE00u) << "the low half has no partner after Clear";
    EXPECT_EQ(history.size(), 1u);
}

TEST(KeyHistory, KeepsTheNewestThousandOldestFirst) {
    for (uint32_t total : {999u, 1000u, 1001u, 2500u}) {
        SCOPED_TRACE(total);
        KeyHistory history;
        for (uint32_t n = 1; n <= total; ++n)
            history.Add(Key(KeyMessage::KeyDown, n % 256, LParam(0x1E), 0, n * 10));
        const size_t kept = std::min<size_t>(total, KeyHistory::kCapacity);
        ASSERT_EQ(history.size(), kept);
        EXPECT_EQ(history.addedCount(), total);
        // Records numbered from 0: the oldest kept one is the one `kept` records back.
        EXPECT_EQ(history.oldestNumber(), total - kept);
        const uint32_t firstKept = total - static_cast<uint32_t>(kept) + 1;
        for (size_t i = 0; i < kept; ++i) {
            const uint32_t n = firstKept + static_cast<uint32_t>(i);
            ASSERT_EQ(history.at(i).virtualKey, n % 256) << "row " << i;
            ASSERT_EQ(history.at(i).sincePreviousMs, n == 1 ? 0u : 10u) << "row " << i;
        }
    }
}

// A view that kept a record number trusts it only in the history it came from: a cleared
// history that took as many records again is another one.
TEST(KeyHistory, AGenerationStaysCurrentUntilTheNextClear) {
    KeyHistory history;
    const HistoryGeneration first = history.generation();
    EXPECT_TRUE(history.IsCurrent(HistoryGeneration{})) << "a view's default is the first";
    for (uint32_t n = 0; n < 3; ++n)
        history.Add(Key(KeyMessage::KeyDown, 65, LParam(0x1E)));
    EXPECT_TRUE(history.IsCurrent(first)) << "new records keep the numbers";
    history.Clear();
    EXPECT_FALSE(history.IsCurrent(first));
    EXPECT_EQ(history.oldestNumber(), 0u);
    const HistoryGeneration second = history.generation();
    for (uint32_t n = 0; n < 3; ++n)
        history.Add(Key(KeyMessage::KeyDown, 66, LParam(0x30)));
    EXPECT_TRUE(history.IsCurrent(second));
    EXPECT_FALSE(history.IsCurrent(first)) << "as many records as before, another history";
    history.Clear();
    EXPECT_FALSE(history.IsCurrent(second));
    EXPECT_FALSE(history.IsCurrent(HistoryGeneration{}));
}

TEST(KeyHistory, OutOfRangeIndexReadsTheOldestRecord) {
    KeyHistory history;
    EXPECT_EQ(history.at(5).message, KeyMessage::KeyDown); // empty: a blank record, no fault
    history.Add(Key(KeyMessage::KeyUp, 66, LParam(0x30)));
    history.Add(Key(KeyMessage::KeyUp, 67, LParam(0x2E)));
    EXPECT_EQ(history.at(2).virtualKey, 66);
}

TEST(KeyHistory, JoinsSurrogatePairsAndKeepsLoneHalves) {
    struct Step {
        KeyMessageInput input;
        bool recordsNow;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
        std::vector<char32_t> recorded; // code points, 0 for key records
    };
    const auto down = Key(KeyMessage::KeyDown, 65, LParam(0x1E));
    const auto dead = KeyMessageInput{KeyMessage::DeadChar, 0x5E, LParam(0x29), 0, 0, 94};
    const Case cases[] = {
        {"pair", {{Unit(0xD83D), false}, {Unit(0xDE00), true}}, {0x1F600}},
        {"highest pair", {{Unit(0xDBFF), false}, {Unit(0xDFFF), true}}, {0x10FFFF}},
        {"low alone", {{Unit(0xDC00), true}}, {0xDC00}},
        {"high, then a key", {{Unit(0xD800), false}, {down, true}}, {0xD800, 0}},
        {"high, then high, then low",
         {{Unit(0xD800), false}, {Unit(0xD83D), true}, {Unit(0xDE00), true}},
         {0xD800, 0x1F600}},
        {"high, then a dead key", {{Unit(0xD83D), false}, {dead, true}}, {0xD83D, 0x5E}},
        {"high, then an ordinary character",
         {{Unit(0xD83D), false}, {Unit(0x41), true}},
         {0xD83D, 0x41}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KeyHistory history;
        for (const Step& step : c.steps)
            EXPECT_EQ(history.Add(step.input) != nullptr, step.recordsNow);
        ASSERT_EQ(history.size(), c.recorded.size());
        for (size_t i = 0; i < c.recorded.size(); ++i) {
            EXPECT_EQ(history.at(i).codePoint, c.recorded[i]) << "record " << i;
            if (IsSurrogate(history.at(i).codePoint)) {
                EXPECT_EQ(history.at(i).ansiCode, kNoAnsiCode);
            }
        }
    }
}

TEST(KeyHistory, PairIsTimedByItsFirstHalfAndHasNoAnsiCode) {
    KeyHistory history;
    history.Add(Key(KeyMessage::KeyDown, 65, LParam(0x1E), 0, 1000));
    history.Add(Unit(0xD83D, 63, 1040));
    const KeyEventRecord* pair = history.Add(Unit(0xDE00, 63, 1045));
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(pair->sincePreviousMs, 40u);
    EXPECT_EQ(pair->ansiCode, kNoAnsiCode) << "a stand-in code is no code";
    const KeyEventRecord* next = history.Add(Key(KeyMessage::KeyUp, 65, LParam(0x1E), 0, 1100));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->sincePreviousMs, 60u);
}

TEST(KeyHistory, RefusesWhatNoMessageSendsAndChangesNothing) {
    const KeyMessageInput refused[] = {
        Key(static_cast<KeyMessage>(static_cast<int>(KeyMessage::AppCommand) + 1), 65,
            LParam(0x1E)),
        Key(static_cast<KeyMessage>(255), 65, LParam(0x1E)),
        Key(KeyMessage::KeyDown, 256, LParam(0x1E)),
        Key(KeyMessage::SysKeyUp, 0xFFFFFFFF, LParam(0x1E)),
        {KeyMessage::Char, 0x110000, LParam(0x1E), 0, 0, 0},
        {KeyMessage::DeadChar, 0xFFFFFFFF, LParam(0x1E), 0, 0, 0},
    };
    for (const KeyMessageInput& input : refused) {
        SCOPED_TRACE(testing::Message() << "wParam " << input.wParam);
        KeyHistory history;
        history.Add(Unit(0xD83D, kNoAnsiCode, 10));
        EXPECT_EQ(history.Add(input), nullptr);
        EXPECT_EQ(history.size(), 0u);
        const KeyEventRecord* pair = history.Add(Unit(0xDE00, kNoAnsiCode, 20));
        ASSERT_NE(pair, nullptr) << "the held-back half still waits for its partner";
        EXPECT_EQ(pair->codePoint, 0x1F600u);
    }
}

TEST(KeyHistory, TakesSupplementaryCodePointsWholeAndMasksModifiers) {
    KeyHistory history;
    const KeyEventRecord* whole = history.Add(Unit(0x1F600));
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(whole->codePoint, 0x1F600u);
    const KeyEventRecord* key = history.Add(Key(KeyMessage::KeyDown, 65, LParam(0x1E), 0xFF));
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->modifiers, 7) << "bits above Alt mean nothing";
}

} // namespace
} // namespace zintar
