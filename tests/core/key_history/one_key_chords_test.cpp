// One key that sends a chord: the Copilot key (Left Windows, Left Shift, F23) and the Office
// key (Ctrl, Shift, Alt, Windows), grouped when their keys come within 50 ms of each other,
// the modifiers before the main key.
#include "core/key_history/key_event.h"
#include "core/key_history/key_history_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace zintar {
namespace {

constexpr uint8_t kLWin = 0x5B, kShift = 0x10, kCtrl = 0x11, kAlt = 0x12, kF23 = 0x86;

struct Press {
    uint8_t key;
    uint8_t scan;
    bool up;
    uint32_t timeMs;
    bool repeat = false;
};

KeyMessageInput Input(const Press& p) {
    uint32_t lParam = 1 | (uint32_t{p.scan} << 16);
    if (p.key == kLWin)
        lParam |= 1u << 24;
    if (p.up || p.repeat)
        lParam |= 1u << 30;
    const KeyMessage message = p.key == kAlt
                                   ? (p.up ? KeyMessage::SysKeyUp : KeyMessage::SysKeyDown)
                                   : (p.up ? KeyMessage::KeyUp : KeyMessage::KeyDown);
    return {message, p.key, lParam, p.timeMs, 0, kNoAnsiCode};
}

std::vector<OneKeyChord> Chords(const std::vector<Press>& presses) {
    KeyHistory history;
    for (const Press& p : presses)
        history.Add(Input(p));
    std::vector<OneKeyChord> chords;
    for (size_t i = 0; i < history.size(); ++i)
        chords.push_back(history.at(i).chord);
    return chords;
}

constexpr auto kNone = OneKeyChord::None, kCopilot = OneKeyChord::CopilotKey,
               kOffice = OneKeyChord::OfficeKey;

TEST(OneKeyChords, GroupsTheCopilotKeyFromItsFirstKeyToItsLastKeyUp) {
    struct Case {
        const char* what;
        std::vector<Press> presses;
        std::vector<OneKeyChord> chords;
    };
    const Case cases[] = {
        {"the Copilot key, held a while",
         {{kLWin, 0x5B, false, 1000},
          {kShift, 0x2A, false, 1002},
          {kF23, 0x6E, false, 1004},
          {kF23, 0x6E, false, 1500, true},
          {kF23, 0x6E, true, 1700},
          {kShift, 0x2A, true, 1702},
          {kLWin, 0x5B, true, 1704}},
         {kCopilot, kCopilot, kCopilot, kCopilot, kCopilot, kCopilot, kCopilot}},
        {"the modifiers in the other order",
         {{kShift, 0x2A, false, 0}, {kLWin, 0x5B, false, 30}, {kF23, 0x6E, false, 60}},
         {kCopilot, kCopilot, kCopilot}},
        {"pressed by hand, a key every 80 ms",
         {{kLWin, 0x5B, false, 0}, {kShift, 0x2A, false, 80}, {kF23, 0x6E, false, 160}},
         {kNone, kNone, kNone}},
        {"F23 before its modifiers",
         {{kF23, 0x6E, false, 0}, {kShift, 0x2A, false, 2}, {kLWin, 0x5B, false, 4}},
         {kNone, kNone, kNone}},
        {"another key among the modifiers",
         {{kLWin, 0x5B, false, 0},
          {'A', 0x1E, false, 2},
          {kShift, 0x2A, false, 4},
          {kF23, 0x6E, false, 6}},
         {kNone, kNone, kNone, kNone}},
        {"a modifier already held",
         {{kShift, 0x2A, false, 0}, {kLWin, 0x5B, false, 500}, {kF23, 0x6E, false, 502}},
         {kNone, kNone, kNone}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Chords(c.presses), c.chords);
    }
}

// The Office key alone, then held for a shortcut of its own (Office+W): the letter is a key
// of its own, the four modifiers' rows are the key's.
TEST(OneKeyChords, GroupsTheOfficeKeyButNotTheLetterPressedWithIt) {
    EXPECT_EQ(Chords({{kCtrl, 0x1D, false, 0},
                      {kShift, 0x2A, false, 1},
                      {kAlt, 0x38, false, 2},
                      {kLWin, 0x5B, false, 3},
                      {'W', 0x11, false, 400},
                      {'W', 0x11, true, 480},
                      {kLWin, 0x5B, true, 600},
                      {kAlt, 0x38, true, 601},
                      {kShift, 0x2A, true, 602},
                      {kCtrl, 0x1D, true, 603},
                      {kShift, 0x2A, false, 900}}),
              (std::vector<OneKeyChord>{kOffice, kOffice, kOffice, kOffice, kNone, kNone, kOffice,
                                        kOffice, kOffice, kOffice, kNone}));
    EXPECT_EQ(Chords({{kCtrl, 0x1D, false, 0}, {kShift, 0x2A, false, 1}, {kAlt, 0x38, false, 2}}),
              (std::vector<OneKeyChord>{kNone, kNone, kNone}))
        << "three of the four modifiers";
}

// The rows before the key that completed the chord changed after the list may have shown
// them: the history says so, and the Note names the key in both languages.
TEST(OneKeyChords, TheNoteNamesTheKeyAndTheRowsShownBeforeAreMarkedChanged) {
    KeyHistory history;
    history.Add(Input({kLWin, 0x5B, false, 0}));
    history.Add(Input({kShift, 0x2A, false, 1}));
    const uint64_t before = history.revision();
    history.Add(Input({kF23, 0x6E, false, 2}));
    EXPECT_GT(history.revision(), before);
    EXPECT_EQ(HistoryCellText(history.at(0), HistoryColumn::Note, Language::English),
              L"one key: Copilot key");
    EXPECT_EQ(HistoryCellText(history.at(2), HistoryColumn::Note, Language::Hungarian),
              L"egy billenty\u0171: Copilot-billenty\u0171");
    KeyHistory office;
    for (Press p : {Press{kCtrl, 0x1D, false, 0}, Press{kShift, 0x2A, false, 0},
                    Press{kAlt, 0x38, false, 0}, Press{kLWin, 0x5B, false, 0}})
        office.Add(Input(p));
    EXPECT_EQ(HistoryCellText(office.at(3), HistoryColumn::Note, Language::English),
              L"one key: Office key");
    EXPECT_EQ(HistoryCellText(office.at(0), HistoryColumn::Note, Language::Hungarian),
              L"egy billenty\u0171: Office-billenty\u0171");
}

} // namespace
} // namespace zintar
