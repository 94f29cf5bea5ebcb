// The window right after start-up: the load sequence's end state.
#include "tests/gui/form_fixture.h"

namespace zintar::test {
namespace {

using StartupTest = FormFixture;

TEST_F(StartupTest, ConversionStateIsEmptyAndInputIsLive) {
    const auto s = State();
    EXPECT_EQ(s.codes.character, -1);
    EXPECT_EQ(s.codes.key, -1);
    EXPECT_EQ(s.codes.modifiers, 0);
    EXPECT_EQ(s.lit, HoverSpot::None);
    EXPECT_FALSE(s.hoverTimerRunning);
    EXPECT_EQ(s.pointerTwips.x, 0);
    EXPECT_EQ(s.pointerTwips.y, 0);
}

TEST_F(StartupTest, DisplayFieldsKeepTheirDesignContentsUntilTheFirstInput) {
    EXPECT_EQ(Text(Control::ModifiersReadOut), L"0");
    for (Control id : {Control::CombinationReadOut, Control::CaptureBox, Control::CharCodeBox,
                       Control::CharHexBox, Control::KeyCodeBox, Control::KeyHexBox})
        EXPECT_EQ(Text(id), L"") << Design(id).name;
}

TEST_F(StartupTest, VersionLabelShowsPlainNumbers) {
    EXPECT_EQ(Text(Control::VersionLabel), L"v1.2.1");
}

// The test program carries the program's resource script, so its version record is the
// program's.
TEST_F(StartupTest, TheVersionRecordNamesTheProductAndItsVersion) {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<BYTE> record(GetFileVersionInfoSizeW(path, &ignored));
    ASSERT_FALSE(record.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, static_cast<DWORD>(record.size()), record.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(2, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(1, 0));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(2, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(1, 0));
    const std::pair<const wchar_t*, const wchar_t*> strings[] = {
        {L"CompanyName", L"Morvaly"},         {L"ProductName", L"Zintar"},
        {L"InternalName", L"Varnick_Zintar"}, {L"OriginalFilename", L"Varnick_Zintar.exe"},
        {L"FileVersion", L"1.02.0001"},       {L"ProductVersion", L"1.02.0001"}};
    for (auto [name, want] : strings) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        wchar_t* value = nullptr;
        ASSERT_TRUE(
            VerQueryValueW(record.data(), key.c_str(), reinterpret_cast<void**>(&value), &size))
            << name;
        EXPECT_STREQ(value, want);
    }
}

TEST_F(StartupTest, TheWindowCarriesTheKeyCapIcon) {
    auto big = reinterpret_cast<HICON>(GetClassLongPtrW(form().hwnd(), GCLP_HICON));
    auto small = reinterpret_cast<HICON>(GetClassLongPtrW(form().hwnd(), GCLP_HICONSM));
    ASSERT_NE(big, nullptr);
    ASSERT_NE(small, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(big, &info));
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
}

TEST_F(StartupTest, FirstStartWithoutStoredLanguageIsEnglish) {
    wchar_t title[64]{};
    GetWindowTextW(form().hwnd(), title, 64);
    EXPECT_STREQ(title, L"Zintar");
    EXPECT_EQ(Text(Control::CharacterCaption), L"character");
    EXPECT_EQ(Text(Control::PressedKeysCaption), L"pressed keys");
}

TEST_F(StartupTest, HighlightFramesAreHiddenExactlyOnTheirFlags) {
    for (auto [frame, flag] : {std::pair{Control::EnglishFlagLit, Control::EnglishFlag},
                               std::pair{Control::HungarianFlagLit, Control::HungarianFlag}}) {
        RECT f{}, g{};
        GetWindowRect(Window(frame), &f);
        GetWindowRect(Window(flag), &g);
        EXPECT_EQ(f.left, g.left) << Design(frame).name;
        EXPECT_EQ(f.top, g.top) << Design(frame).name;
        EXPECT_EQ(f.right - f.left, 21);
        EXPECT_EQ(f.bottom - f.top, 20);
        EXPECT_FALSE(IsWindowVisible(Window(frame)));
    }
}

TEST_F(StartupTest, KeyboardFocusStartsInTheCaptureBox) {
    EXPECT_EQ(GetFocus(), Window(Control::CaptureBox));
    // The first key goes to the capture box without a click.
    KeyDown(Control::CaptureBox, 'Q');
    EXPECT_EQ(Text(Control::CombinationReadOut), L"Q");
}

TEST_F(StartupTest, ClosingTheWindowStopsTheTimerForGood) {
    SendMessageW(Window(Control::EnglishFlag), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    ASSERT_TRUE(State().hoverTimerRunning);
    HWND hwnd = form().hwnd();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    // A tick that was already queued must not reach a dead window's handler.
    Pump();
}

} // namespace
} // namespace zintar::test
