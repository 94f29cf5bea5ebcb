// The flags and the link under the pointer, and the timer that notices the pointer leave.
#include "tests/gui/form_fixture.h"

namespace zintar::test {
namespace {

class Hover : public FormFixture {
  protected:
    void MoveOver(Control id) { SendMessageW(Window(id), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)); }
    void MoveOverBareWindow() { SendMessageW(form().hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 30)); }
    void Tick() { SendMessageW(form().hwnd(), WM_TIMER, 1, 0); }
    bool Shown(Control id) { return IsWindowVisible(Window(id)) != FALSE; }
    RECT Outer() {
        RECT r{};
        GetWindowRect(form().hwnd(), &r);
        return r;
    }
};

TEST_F(Hover, EachSpotLightsAloneAndStartsTheTimer) {
    MoveOver(Control::EnglishFlag);
    EXPECT_EQ(State().lit, HoverSpot::EnglishFlag);
    EXPECT_TRUE(Shown(Control::EnglishFlagLit));
    EXPECT_FALSE(Shown(Control::HungarianFlagLit));
    EXPECT_TRUE(State().hoverTimerRunning);

    // Straight from one flag to the other.
    MoveOver(Control::HungarianFlag);
    EXPECT_EQ(State().lit, HoverSpot::HungarianFlag);
    EXPECT_FALSE(Shown(Control::EnglishFlagLit));
    EXPECT_TRUE(Shown(Control::HungarianFlagLit));
    EXPECT_TRUE(State().hoverTimerRunning);

    MoveOver(Control::HomepageLink);
    EXPECT_EQ(State().lit, HoverSpot::HomepageLink);
    EXPECT_FALSE(Shown(Control::HungarianFlagLit));
}

TEST_F(Hover, OtherControlsLeaveTheEffectAsItIs) {
    MoveOver(Control::HungarianFlag);
    for (Control other :
         {Control::CharacterCaption, Control::TitleLabel, Control::Emblem, Control::PublisherLabel,
          Control::CombinationReadOut, Control::HungarianFlagLit, Control::CharCodeBox}) {
        MoveOver(other);
        EXPECT_EQ(State().lit, HoverSpot::HungarianFlag) << Design(other).name;
        EXPECT_TRUE(Shown(Control::HungarianFlagLit)) << Design(other).name;
    }
}

TEST_F(Hover, TheBareWindowPutsTheEffectOut) {
    MoveOverBareWindow(); // nothing lit: nothing happens
    EXPECT_FALSE(State().hoverTimerRunning);
    MoveOver(Control::HomepageLink);
    MoveOverBareWindow();
    EXPECT_EQ(State().lit, HoverSpot::None);
    EXPECT_FALSE(State().hoverTimerRunning);
    EXPECT_FALSE(Shown(Control::EnglishFlagLit));
    EXPECT_FALSE(Shown(Control::HungarianFlagLit));
}

// The tick gives the core the pointer and the window's outer rectangle, title bar included
// (the comparison itself is the core's rule).
TEST_F(Hover, TheTickTestsThePointerAgainstTheWholeWindow) {
    const RECT r = Outer();
    MoveOver(Control::EnglishFlag);
    cursor_ = {r.left + 5, r.top + 2}; // on the title bar
    Tick();
    EXPECT_EQ(State().lit, HoverSpot::EnglishFlag);
    EXPECT_TRUE(State().hoverTimerRunning);
    cursor_ = {r.right, r.top + 5}; // just beyond the right edge
    Tick();
    EXPECT_EQ(State().lit, HoverSpot::None);
    EXPECT_FALSE(State().hoverTimerRunning);
}

TEST_F(Hover, TheTimerRealTicksPutTheEffectOutWhenThePointerHasLeft) {
    MoveOver(Control::EnglishFlag);
    const RECT r = Outer();
    cursor_ = {r.right + 50, r.bottom + 50};
    const ULONGLONG until = GetTickCount64() + 2000;
    while (State().lit != HoverSpot::None && GetTickCount64() < until) {
        Pump();
        Sleep(10);
    }
    EXPECT_EQ(State().lit, HoverSpot::None);
    EXPECT_FALSE(State().hoverTimerRunning);
}

} // namespace
} // namespace zintar::test
