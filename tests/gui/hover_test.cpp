// The flags and the link under the pointer, and the timer that notices the pointer leave.
#include "tests/gui/form_fixture.h"

namespace zintar::test {
namespace {

class Hover : public FormFixture {
  protected:
    void MoveOver(Ctl id) { SendMessageW(Control(id), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)); }
    void MoveOverBareWindow() { SendMessageW(form().hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 30)); }
    void Tick() { SendMessageW(form().hwnd(), WM_TIMER, 1, 0); }
    bool Shown(Ctl id) { return IsWindowVisible(Control(id)) != FALSE; }
    RECT Outer() {
        RECT r{};
        GetWindowRect(form().hwnd(), &r);
        return r;
    }
};

TEST_F(Hover, EachSpotLightsAloneAndStartsTheTimer) {
    MoveOver(Ctl::imgLangEng);
    EXPECT_EQ(State().iHover, 1);
    EXPECT_TRUE(Shown(Ctl::imgLangEng_hl));
    EXPECT_FALSE(Shown(Ctl::imgLangHUN_hl));
    EXPECT_TRUE(State().tmrLangEnabled);

    // Straight from one flag to the other.
    MoveOver(Ctl::imgLangHUN);
    EXPECT_EQ(State().iHover, 2);
    EXPECT_FALSE(Shown(Ctl::imgLangEng_hl));
    EXPECT_TRUE(Shown(Ctl::imgLangHUN_hl));
    EXPECT_TRUE(State().tmrLangEnabled);

    MoveOver(Ctl::lblHomepage);
    EXPECT_EQ(State().iHover, 3);
    EXPECT_FALSE(Shown(Ctl::imgLangHUN_hl));
}

TEST_F(Hover, OtherControlsLeaveTheEffectAsItIs) {
    MoveOver(Ctl::imgLangHUN);
    for (Ctl other : {Ctl::lblChar, Ctl::lblTitle, Ctl::Image2, Ctl::Label5, Ctl::lblSpec,
                      Ctl::imgLangHUN_hl, Ctl::Tcc}) {
        MoveOver(other);
        EXPECT_EQ(State().iHover, 2) << Design(other).name;
        EXPECT_TRUE(Shown(Ctl::imgLangHUN_hl)) << Design(other).name;
    }
}

TEST_F(Hover, TheBareWindowPutsTheEffectOut) {
    MoveOverBareWindow(); // nothing lit: nothing happens
    EXPECT_FALSE(State().tmrLangEnabled);
    MoveOver(Ctl::lblHomepage);
    MoveOverBareWindow();
    EXPECT_EQ(State().iHover, 0);
    EXPECT_FALSE(State().tmrLangEnabled);
    EXPECT_FALSE(Shown(Ctl::imgLangEng_hl));
    EXPECT_FALSE(Shown(Ctl::imgLangHUN_hl));
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
        MoveOver(Ctl::imgLangEng);
        cursor_ = c.pointer;
        Tick();
        EXPECT_EQ(State().iHover, c.inside ? 1 : 0) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(State().tmrLangEnabled, c.inside);
        // The position is kept scaled to twips by the fixed factor 15.
        EXPECT_EQ(State().ptCursor.x, c.pointer.x * 15);
        EXPECT_EQ(State().ptCursor.y, c.pointer.y * 15);
        MoveOverBareWindow();
    }
}

TEST_F(Hover, TicksDoNothingWhileNothingIsLitAndFarPointersStayHarmless) {
    cursor_ = {-5, -5};
    Tick();
    EXPECT_EQ(State().ptCursor.x, 0); // not even read
    MoveOver(Ctl::lblHomepage);
    cursor_ = {INT_MAX, INT_MIN}; // a product with 15 that overflows 32 bits
    Tick();
    EXPECT_EQ(State().iHover, 0);
}

TEST_F(Hover, TheTimerRealTicksPutTheEffectOutWhenThePointerHasLeft) {
    MoveOver(Ctl::imgLangEng);
    const RECT r = Outer();
    cursor_ = {r.right + 50, r.bottom + 50};
    const ULONGLONG until = GetTickCount64() + 2000;
    while (State().iHover != 0 && GetTickCount64() < until) {
        Pump();
        Sleep(10);
    }
    EXPECT_EQ(State().iHover, 0);
    EXPECT_FALSE(State().tmrLangEnabled);
}

} // namespace
} // namespace zintar::test
