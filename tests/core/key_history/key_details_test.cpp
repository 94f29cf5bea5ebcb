// The key details pane's rows, the record it shows, and the copy without hidden columns.
#include "core/key_history/key_details.h"
#include "core/key_history/key_history_text.h"

#include <gtest/gtest.h>

#include <set>

namespace zintar {
namespace {

constexpr uint8_t kShift = 1, kCtrl = 2;
constexpr uint32_t kF5 = 0x74, kF5Scan = 0x3F;

KeyMessageInput Down(uint32_t key, uint32_t scan, uint8_t modifiers = 0) {
    return {KeyMessage::KeyDown, key, 1 | (scan << 16), 0, modifiers, kNoAnsiCode};
}
KeyMessageInput Char(char16_t unit, uint32_t scan) {
    return {KeyMessage::Char, unit, 1 | (scan << 16), 0, 0, static_cast<int16_t>(unit)};
}

KeyEventRecord RecordOf(const KeyMessageInput& input) {
    KeyHistory history;
    return *history.Add(input);
}

std::wstring Value(const DetailLines& lines, DetailRow row) {
    return lines[static_cast<size_t>(row)].value;
}

TEST(KeyDetailLines, NameTheKeyInEveryApiWithItsModifiers) {
    const KeyDetailsFacts facts{RecordOf(Down(kF5, kF5Scan, kCtrl | kShift)), {}, {}, {}, {}};
    const DetailLines lines = KeyDetailLines(facts, Language::English);
    EXPECT_EQ(Value(lines, DetailRow::VirtualKey), L"116 0x74 VK_F5");
    EXPECT_EQ(Value(lines, DetailRow::ScanCode), L"3F");
    EXPECT_EQ(Value(lines, DetailRow::UsbUsage), L"0x07003E");
    EXPECT_EQ(Value(lines, DetailRow::DomCode), L"F5");
    EXPECT_EQ(Value(lines, DetailRow::LinuxEvdev), L"63 KEY_F5");
    EXPECT_EQ(Value(lines, DetailRow::Xkb), L"71 FK05");
    EXPECT_EQ(Value(lines, DetailRow::SdlScancode), L"62 SDL_SCANCODE_F5");
    EXPECT_EQ(Value(lines, DetailRow::WinFormsKeys), L"Keys.Control | Keys.Shift | Keys.F5");
    EXPECT_EQ(Value(lines, DetailRow::WpfKey), L"Key.F5");
    EXPECT_EQ(Value(lines, DetailRow::DomKey), L"F5");
    // Not read yet: the layout's rows stay empty rather than guess.
    EXPECT_EQ(Value(lines, DetailRow::Layout), L"");
    EXPECT_EQ(Value(lines, DetailRow::TypesPlain), L"");
}

TEST(KeyDetailLines, ShortcutSaysWhatTheProbeFound) {
    KeyDetailsFacts facts{RecordOf(Down(kF5, kF5Scan, kCtrl)), {}, {}, {}, {}};
    EXPECT_EQ(Value(KeyDetailLines(facts, Language::English), DetailRow::Shortcut),
              L"checked once no key is down");
    facts.shortcut = HotkeyAnswer::Taken;
    EXPECT_EQ(Value(KeyDetailLines(facts, Language::English), DetailRow::Shortcut),
              L"taken by another program");
    EXPECT_EQ(Value(KeyDetailLines(facts, Language::Hungarian), DetailRow::Shortcut),
              L"egy m\u00E1sik program foglalja");
    facts.shortcut = HotkeyAnswer::ReservedByWindows;
    facts.reservedBecause = L"opens the Start menu";
    EXPECT_EQ(Value(KeyDetailLines(facts, Language::English), DetailRow::Shortcut),
              L"reserved by Windows: opens the Start menu");
    // Shift alone makes no shortcut, whatever a probe said.
    facts.record = RecordOf(Down(0x10, 0x2A, kShift));
    EXPECT_EQ(Value(KeyDetailLines(facts, Language::English), DetailRow::Shortcut),
              L"a modifier alone");
}

TEST(KeyDetailLines, LayoutAndWhatTheKeyTypesInEachState) {
    KeyDetailsFacts facts{RecordOf(Down(0xDB, 0x1A)), {}, {}, {}, {}};
    facts.layout = LayoutFacts{L"0000040E", L"Hungarian", 1250, 852};
    TypedFacts typed;
    typed.states[0] = {TypedText::Kind::Text, L"\u0151"};
    typed.states[1] = {TypedText::Kind::Text, L"\u0150"};
    typed.states[2] = {TypedText::Kind::Dead, L"\u02DD"};
    typed.states[3] = {TypedText::Kind::Nothing, L""};
    typed.states[4] = {TypedText::Kind::Text, L"\r"};
    typed.compositions.push_back({ShiftState::AltGr, {{L'o', {TypedText::Kind::Text, L"\u0151"}}}});
    facts.typed = typed;
    const DetailLines lines = KeyDetailLines(facts, Language::English);
    EXPECT_EQ(Value(lines, DetailRow::Layout), L"0000040E Hungarian");
    EXPECT_EQ(Value(lines, DetailRow::CodePages), L"ANSI 1250, OEM 852");
    EXPECT_EQ(Value(lines, DetailRow::TypesPlain), L"\u0151");
    EXPECT_EQ(Value(lines, DetailRow::TypesShift), L"\u0150");
    EXPECT_EQ(Value(lines, DetailRow::TypesAltGr), L"\u02DD (dead)");
    EXPECT_EQ(Value(lines, DetailRow::TypesShiftAltGr), L"nothing");
    EXPECT_EQ(Value(lines, DetailRow::TypesCapsLock), L"U+000D"); // not a raw carriage return
    EXPECT_EQ(Value(lines, DetailRow::DeadKey), L"AltGr: o\u2192\u0151");
    facts.typed->states[2] = {TypedText::Kind::Text, L"x"};
    EXPECT_EQ(Value(KeyDetailLines(facts, Language::Hungarian), DetailRow::DeadKey), L"nem");
}

// Windows repeats only the key pressed last: the repeat rows show the measurement of the key
// that repeated, and for any other key what a measurement waits for.
TEST(KeyDetailLines, RepeatRowsShowTheMeasurementOfTheirOwnKeyOnly) {
    KeyDetailsFacts facts{RecordOf(Down(kF5, kF5Scan)), {}, {}, {}, {}};
    facts.repeat.keySeen = true;
    facts.repeat.virtualKey = kF5;
    facts.repeat.repeats = 40;
    facts.repeat.delayMs = 512;
    facts.repeat.ratePerSecond = 29.4;
    facts.repeatSetting = RepeatSetting{1, 31};
    DetailLines lines = KeyDetailLines(facts, Language::English);
    EXPECT_EQ(Value(lines, DetailRow::RepeatDelay), L"512 ms (setting 500 ms, +12 ms, +2 %)");
    EXPECT_EQ(lines[static_cast<size_t>(DetailRow::RepeatRate)].caption, L"Repeat rate");
    EXPECT_EQ(Value(lines, DetailRow::RepeatRate), L"29.4 per second (setting 30.0, -2 %)");

    facts.repeat.virtualKey = kF5 + 1;
    lines = KeyDetailLines(facts, Language::English);
    EXPECT_EQ(Value(lines, DetailRow::RepeatDelay), L"measured while a key is held");
    EXPECT_EQ(Value(lines, DetailRow::RepeatRate), L"measured while a key is held");
}

TEST(DetailCaption, EveryRowHasItsOwnCaptionInBothLanguages) {
    for (Language language : {Language::English, Language::Hungarian}) {
        std::set<std::wstring_view> seen;
        for (const DetailLine& line :
             KeyDetailLines({RecordOf(Down(kF5, kF5Scan)), {}, {}, {}, {}}, language)) {
            EXPECT_FALSE(line.caption.empty());
            EXPECT_TRUE(seen.insert(line.caption).second) << std::wstring(line.caption).size();
        }
    }
    EXPECT_EQ(DetailCaption(DetailRow::Shortcut, Language::English), L"Shortcut");
    EXPECT_EQ(DetailCaption(static_cast<DetailRow>(kDetailRowCount), Language::English), L"");
}

// The rows the pane shows: a selected row, else the nearest key row before it, else the newest
// key-down; the row of a key that another program took counts as a key row, with the answer
// its route already gives.
std::optional<size_t> SubjectRow(const KeyRows& rows, std::optional<size_t> selected) {
    const std::optional<DetailsSubject> subject = DetailsSubjectOf(rows, selected);
    if (!subject)
        return std::nullopt;
    for (size_t i = 0; i < rows.shownCount(); ++i)
        if (rows.ShownRow(i)->place == subject->place)
            return i;
    return 99;
}

TEST(DetailsSubject, SelectedKeyRowElseTheKeyBeforeItElseTheNewestKey) {
    KeyHistory history;
    KeyRows rows(history);
    rows.Reset();
    EXPECT_EQ(SubjectRow(rows, std::nullopt), std::nullopt);
    history.Add(Char(L'x', 0x2D)); // 0: a character with no key before it
    rows.Reset();
    EXPECT_EQ(SubjectRow(rows, std::nullopt), std::nullopt);
    history.Add(Down('A', 0x1E));    // 1
    history.Add(Char(L'a', 0x1E));   // 2
    history.Add(Down(kF5, kF5Scan)); // 3
    history.Add(Char(L'b', 0x30));   // 4: typed from outside, no key-down of its own
    history.Add(
        {KeyMessage::KeyUp, kF5, 1u | (kF5Scan << 16) | (3u << 30), 0, 0, kNoAnsiCode}); // 5
    rows.Reset();
    EXPECT_EQ(SubjectRow(rows, std::nullopt), 3u) << "the key-down, not its key-up";
    EXPECT_EQ(SubjectRow(rows, 5), 5u) << "a selected key-up stays";
    EXPECT_EQ(SubjectRow(rows, 1), 1u);
    EXPECT_EQ(SubjectRow(rows, 2), 1u);
    EXPECT_EQ(SubjectRow(rows, 0), std::nullopt);
    EXPECT_EQ(SubjectRow(rows, 99), 3u); // a stale selection: the newest key-down
}

// Another program holds Ctrl+Shift+F9: the window gets Ctrl and Shift going down, and F9's
// key-down only as a row of its own. That row is the newest key-down, and its Shortcut is the
// route's answer, not "a modifier alone" of the Shift before it.
TEST(DetailsSubject, TheKeyThatAnotherProgramTookIsTheNewestKeyDown) {
    constexpr uint32_t kF9 = 0x78;
    KeyHistory history;
    KeyRows rows(history);
    history.Add(Down(0x11, 0x1D, kCtrl));          // 0
    history.Add(Down(0x10, 0x2A, kCtrl | kShift)); // 1
    history.Add({KeyMessage::KeyUp, kF9, 1u | (0x43u << 16) | (3u << 30), 0, kCtrl | kShift,
                 kNoAnsiCode}); // 2: F9's key-up, which the holder lets through
    KeyRoute taken{};
    taken.key = {static_cast<uint8_t>(kF9), 0x43, false, false, 0};
    taken.heldModifiers = kHotkeyCtrl | kHotkeyShift;
    taken.seenBy = Bit(KeySource::Hook) | Bit(KeySource::RawInput);
    taken.recordsBefore = 2;
    taken.reason = NotDeliveredReason::OtherProgramsHotkey;
    rows.AddRoute(taken, L"");
    rows.Reset();
    ASSERT_EQ(rows.shownCount(), 4u);
    const std::optional<DetailsSubject> subject = DetailsSubjectOf(rows, std::nullopt);
    ASSERT_TRUE(subject);
    EXPECT_EQ(SubjectRow(rows, std::nullopt), 2u) << "F9's own row, before its key-up";
    EXPECT_EQ(subject->knownAnswer, HotkeyAnswer::Taken);
    const DetailLines lines =
        KeyDetailLines({subject->record, {}, {}, subject->knownAnswer, {}}, Language::English);
    EXPECT_EQ(Value(lines, DetailRow::VirtualKey), L"120 0x78 VK_F9");
    EXPECT_EQ(Value(lines, DetailRow::WinFormsKeys), L"Keys.Control | Keys.Shift | Keys.F9");
    EXPECT_EQ(Value(lines, DetailRow::Shortcut), L"taken by another program");
    EXPECT_EQ(DetailsSubjectOf(rows, 1)->knownAnswer, std::nullopt) << "a delivered key asks";
}

TEST(ShortcutOfRecord, ModifiersInTheSystemsBits) {
    const auto shortcut = ShortcutOfRecord(RecordOf(Down(kF5, kF5Scan, kCtrl | kShift)));
    ASSERT_TRUE(shortcut);
    EXPECT_EQ(shortcut->virtualKey, kF5);
    EXPECT_EQ(shortcut->modifiers, kHotkeyCtrl | kHotkeyShift);
    EXPECT_EQ(ShortcutOfRecord(RecordOf(Down(0xA5, 0x38, 4))), std::nullopt); // right Alt
    EXPECT_EQ(ShortcutOfRecord(RecordOf(Char(L'a', 0x1E))), std::nullopt);
}

TEST(AllCodeLines, OneLabelledLinePerApi) {
    const KeyCombination key = CombinationOfRecord(RecordOf(Down(kF5, kF5Scan, kCtrl | kShift)));
    const std::wstring text = AllCodeLines(key);
    size_t lines = 1;
    for (size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, static_cast<size_t>(kCodeLanguageCount));
    EXPECT_NE(text.find(L"C# WinForms\t"), std::wstring::npos);
    EXPECT_NE(text.find(L"Keys.Control | Keys.Shift | Keys.F5"), std::wstring::npos);
}

TEST(HistoryCopyText, HiddenColumnsLeaveTheHeaderAndEveryRow) {
    KeyHistory history;
    history.Add(Down(kF5, kF5Scan));
    ColumnSet columns = 0;
    columns |= 1u << static_cast<int>(HistoryColumn::Message);
    columns |= 1u << static_cast<int>(HistoryColumn::Constant);
    EXPECT_EQ(HistoryCopyText(history, {0}, Language::English, columns),
              L"Message\tConstant\r\nkey down\tVK_F5");
    EXPECT_EQ(HistoryCopyText(history, {0}, Language::English, 0), L"\r\n");
}

} // namespace
} // namespace zintar
