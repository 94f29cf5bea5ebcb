// What the user does is taken as the user's, whatever the window wrote before, and a
// platform call that fails decides nothing.
#include "tests/gui/form_fixture.h"

namespace zintar::test {
namespace {

class Robustness : public FormFixture {};

TEST_F(Robustness, ShiftInsertInTheCaptureBoxIsAKeyNotAPaste) {
    SetClipboardText(L"XY");
    KeyDown(Control::CaptureBox, VK_INSERT, kShift);
    Pump();
    EXPECT_EQ(Text(Control::CaptureBox), L"");
    EXPECT_EQ(Text(Control::CombinationReadOut), L"Shift + Insert");
}

TEST_F(Robustness, RetypingTheDigitAWriteLeftIsAnEditLikeAnyOther) {
    TypeKey(Control::CaptureBox, 'A', L'A', kShift);
    ASSERT_EQ(Text(Control::KeyCodeBox), L"65");
    ASSERT_EQ(Text(Control::ModifiersReadOut), L"1");
    SendMessageW(Window(Control::KeyCodeBox), EM_SETSEL, 1, 2);
    Type(Control::KeyCodeBox, L"5");
    EXPECT_EQ(Text(Control::KeyCodeBox), L"65");
    EXPECT_EQ(Text(Control::ModifiersReadOut), L"0") << "a typed code has no modifiers";
    EXPECT_EQ(Text(Control::CharCodeBox), L"");
    EXPECT_EQ(Text(Control::CaptureBox), L"");
    EXPECT_EQ(Text(Control::CombinationReadOut), L"A");
}

// Another program's hook on the box swallows the window's write of "42": the box keeps its
// old text. Typing 42 there afterwards must still convert.
LRESULT CALLBACK SwallowSetText(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_SETTEXT && lp && std::wstring_view(reinterpret_cast<const wchar_t*>(lp)) == L"42")
        return TRUE;
    return DefSubclassProc(hwnd, msg, wp, lp);
}

TEST_F(Robustness, AWriteThatNeverReachedTheBoxLeavesItListening) {
    const HWND box = Window(Control::CharCodeBox);
    ASSERT_TRUE(SetWindowSubclass(box, &SwallowSetText, 1, 0));
    Type(Control::CharHexBox, L"2A");
    RemoveWindowSubclass(box, &SwallowSetText, 1);
    EXPECT_EQ(Text(Control::CharCodeBox), L"2") << "the write of 42 was swallowed";
    SendMessageW(box, EM_SETSEL, 0, -1);
    Type(Control::CharCodeBox, L"42");
    EXPECT_EQ(Text(Control::CharHexBox), L"2A");
    EXPECT_EQ(Text(Control::CaptureBox), L"*");
}

TEST_F(Robustness, AFailedPointerReadLeavesTheEffectAsItIs) {
    RECT outer{};
    GetWindowRect(form().hwnd(), &outer);
    SendMessageW(Window(Control::EnglishFlag), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    cursor_ = {outer.left + 100, outer.top + 20};
    SendMessageW(form().hwnd(), WM_TIMER, 1, 0);
    ASSERT_EQ(State().lit, HoverSpot::EnglishFlag);
    const TwipsPoint before = State().pointerTwips;
    EXPECT_EQ(before.x, (outer.left + 100) * 15);
    cursorFails_ = true;
    for (int tick = 0; tick < 3; ++tick)
        SendMessageW(form().hwnd(), WM_TIMER, 1, 0);
    EXPECT_EQ(State().lit, HoverSpot::EnglishFlag);
    EXPECT_EQ(State().pointerTwips.x, before.x) << "no tick took the twips for pixels";
    cursorFails_ = false;
    cursor_ = {outer.right + 5, outer.top + 20};
    SendMessageW(form().hwnd(), WM_TIMER, 1, 0);
    EXPECT_EQ(State().lit, HoverSpot::None) << "the next good read still decides";
}

} // namespace
} // namespace zintar::test
