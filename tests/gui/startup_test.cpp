// The window right after start-up: the load sequence's end state.
#include "tests/gui/form_fixture.h"

namespace zintar::test {
namespace {

using StartupTest = FormFixture;

TEST_F(StartupTest, ConversionStateIsEmptyAndInputIsLive) {
    const auto s = State();
    EXPECT_EQ(s.iChar, -1);
    EXPECT_EQ(s.iKey, -1);
    EXPECT_EQ(s.iShift, 0);
    EXPECT_TRUE(s.bEvents);
    EXPECT_EQ(s.iHover, 0);
    EXPECT_FALSE(s.tmrLangEnabled);
    EXPECT_EQ(s.ptCursor.x, 0);
    EXPECT_EQ(s.ptCursor.y, 0);
}

TEST_F(StartupTest, DisplayFieldsKeepTheirDesignContentsUntilTheFirstInput) {
    EXPECT_EQ(Text(Ctl::lblShift), L"0");
    for (Ctl id : {Ctl::lblSpec, Ctl::Tchar, Ctl::Tcc, Ctl::Thex, Ctl::Tcode_dec, Ctl::Tcode_hex})
        EXPECT_EQ(Text(id), L"") << Spec(id).name;
}

TEST_F(StartupTest, VersionLabelShowsPlainNumbers) { EXPECT_EQ(Text(Ctl::lblVersion), L"v1.2.1"); }

TEST_F(StartupTest, FirstStartWithoutStoredLanguageIsEnglish) {
    wchar_t title[64]{};
    GetWindowTextW(form().hwnd(), title, 64);
    EXPECT_STREQ(title, L"Zintar");
    EXPECT_EQ(Text(Ctl::lblChar), L"character");
    EXPECT_EQ(Text(Ctl::lblKeys), L"pressed keys");
}

TEST_F(StartupTest, HighlightFramesAreHiddenExactlyOnTheirFlags) {
    for (auto [frame, flag] : {std::pair{Ctl::imgLangEng_hl, Ctl::imgLangEng},
                               std::pair{Ctl::imgLangHUN_hl, Ctl::imgLangHUN}}) {
        RECT f{}, g{};
        GetWindowRect(Control(frame), &f);
        GetWindowRect(Control(flag), &g);
        EXPECT_EQ(f.left, g.left) << Spec(frame).name;
        EXPECT_EQ(f.top, g.top) << Spec(frame).name;
        EXPECT_EQ(f.right - f.left, 21);
        EXPECT_EQ(f.bottom - f.top, 20);
        EXPECT_FALSE(IsWindowVisible(Control(frame)));
    }
}

TEST_F(StartupTest, KeyboardFocusStartsInTheCaptureBox) {
    EXPECT_EQ(GetFocus(), Control(Ctl::Tchar));
    // The first key goes to the capture box without a click.
    KeyDown(Ctl::Tchar, 'Q');
    EXPECT_EQ(Text(Ctl::lblSpec), L"Q");
}

TEST_F(StartupTest, ClosingTheWindowStopsTheTimerForGood) {
    SendMessageW(Control(Ctl::imgLangEng), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    ASSERT_TRUE(State().tmrLangEnabled);
    HWND hwnd = form().hwnd();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    // A tick that was already queued must not reach a dead window's handler.
    Pump();
}

} // namespace
} // namespace zintar::test
