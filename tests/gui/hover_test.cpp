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

TEST_F(Hover, TheTickComparesThePointerWithTheHalfOpenWindowRectangle) {
    const RECT r = Outer();
    struct Case {
        POINT pointer;
        bool inside;
    };
    const Case cases[] = {
        {{r.left, r.top}, true}, // left and top edges are inside
        {{r.right - 1, r.bottom - 1}, true},
        {{r.left + 5, r.top + 2}, true}, // the title bar is part of the window
        {{r.right, r.top + 5}, false},   // Left + Width is outside
        {{r.left + 5, r.bottom}, false}, // Top + Height is outside
        {{r.left - 1, r.top + 5}, false},
        {{r.left + 5, r.top - 1}, false},
    };
    for (const Case& c : cases) {
        MoveOver(Control::EnglishFlag);
        cursor_ = c.pointer;
        Tick();
        EXPECT_EQ(State().lit, c.inside ? HoverSpot::EnglishFlag : HoverSpot::None)
            << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(State().hoverTimerRunning, c.inside);
        // The position is kept scaled to twips by the fixed factor 15.
        EXPECT_EQ(State().pointerTwips.x, c.pointer.x * 15);
        EXPECT_EQ(State().pointerTwips.y, c.pointer.y * 15);
        MoveOverBareWindow();
    }
}

TEST_F(Hover, TicksDoNothingWhileNothingIsLitAndFarPointersStayHarmless) {
    cursor_ = {-5, -5};
    Tick();
    EXPECT_EQ(State().pointerTwips.x, 0); // not even read
    MoveOver(Control::HomepageLink);
    cursor_ = {INT_MAX, INT_MIN}; // a product with 15 that overflows 32 bits
    Tick();
    EXPECT_EQ(State().lit, HoverSpot::None);
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
