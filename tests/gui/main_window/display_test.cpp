// The read-outs as the window writes them: each one that changes, once per event, and none
// that stays the same; the window's own writes never feed back into the conversion state.
#include <algorithm>

#include "tests/gui/form_fixture.h"

namespace zintar::test {
namespace {

using Display = FormFixture;

size_t Count(const std::vector<Control>& writes, Control id) {
    return static_cast<size_t>(std::count(writes.begin(), writes.end(), id));
}

TEST_F(Display, ShiftAFromAFreshStartWritesEachChangedReadOutOnce) {
    WriteLog log(form());
    KeyDown(Control::CaptureBox, VK_SHIFT, kShift);
    TypeKey(Control::CaptureBox, 'A', L'A', kShift);
    const std::vector<Control> writes = log.TextWrites();
    // Shift: mask, key code, hex, name; A: key code, hex, name; its character: the three
    // character read-outs. The mask stays 1 and is written once.
    EXPECT_EQ(writes.size(), 10u);
    EXPECT_EQ(Count(writes, Control::ModifiersReadOut), 1u);
    EXPECT_EQ(Count(writes, Control::CombinationReadOut), 2u);
    EXPECT_EQ(Count(writes, Control::CaptureBox), 1u);
    EXPECT_EQ(Text(Control::CombinationReadOut), L"Shift + A");
    EXPECT_EQ(Text(Control::CaptureBox), L"A");
}

TEST_F(Display, AKeyAfterACharacterClearsOnlyWhatWasShown) {
    TypeKey(Control::CaptureBox, 'A', L'A', kShift);
    WriteLog log(form());
    KeyDown(Control::CaptureBox, VK_F5);
    const std::vector<Control> writes = log.TextWrites();
    // Mask 1 -> 0, 65 -> 116, 41 -> 74, name, and the three character read-outs cleared.
    EXPECT_EQ(writes.size(), 7u);
    for (Control id : {Control::CharCodeBox, Control::CharHexBox, Control::CaptureBox})
        EXPECT_EQ(Text(id), L"") << Design(id).name;
    EXPECT_EQ(Text(Control::KeyCodeBox), L"116");
}

TEST_F(Display, TheSameKeyAgainWritesNothingButTheCaret) {
    TypeKey(Control::CaptureBox, 'A', L'a');
    KeyDown(Control::CaptureBox, 'A'); // auto-repeat: the key-down clears the character
    WriteLog log(form());
    KeyPress(Control::CaptureBox, L'a');
    EXPECT_EQ(log.TextWrites().size(), 3u); // the character read-outs come back
    log.Clear();
    KeyPress(Control::CaptureBox, L'a'); // a character with no key-down between
    EXPECT_TRUE(log.TextWrites().empty());
    ASSERT_FALSE(log.entries().empty());
    EXPECT_EQ(log.entries().back().message, static_cast<UINT>(EM_SETSEL));
    EXPECT_EQ(log.entries().back().text, L"1,1");
}

TEST_F(Display, TheSourceBoxKeepsTheUsersText) {
    Type(Control::KeyCodeBox, L"065");
    EXPECT_EQ(Text(Control::KeyCodeBox), L"065");
    EXPECT_EQ(Text(Control::KeyHexBox), L"41");
    Type(Control::CharHexBox, L"4a");
    EXPECT_EQ(Text(Control::CharHexBox), L"4a");
    EXPECT_EQ(Text(Control::CharCodeBox), L"74");
    EXPECT_EQ(Text(Control::CaptureBox), L"J");
    EXPECT_EQ(Text(Control::KeyCodeBox), L""); // a character entry clears the key fields
}

TEST_F(Display, ItsOwnWritesNeverReachTheChangeHandlers) {
    KeyDown(Control::CaptureBox, VK_F5, kCtrl | kShift);
    const auto s = State();
    EXPECT_EQ(s.codes.key, VK_F5);
    EXPECT_EQ(s.codes.character, -1);
    EXPECT_EQ(s.codes.modifiers, 3); // an entry in a code box would have reset it
}

TEST_F(Display, HexadecimalCodesHaveTwoUpperCaseDigits) {
    TypeKey(Control::CaptureBox, VK_RETURN, L'\n'); // character code 10
    EXPECT_EQ(Text(Control::CharHexBox), L"0A");
    TypeKey(Control::CaptureBox, 'Y', L'\u00FF'); // ÿ, code 255 in 1252
    EXPECT_EQ(Text(Control::CharHexBox), L"FF");
    EXPECT_EQ(Text(Control::CharCodeBox), L"255");
}

} // namespace
} // namespace zintar::test
