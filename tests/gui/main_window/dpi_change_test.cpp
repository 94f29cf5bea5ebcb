// A move to a screen of another DPI (WM_DPICHANGED, which Wine with one screen never sends):
// the window takes the suggested rectangle, its controls, fonts and pictures the new scale,
// and what it shows stays.
#include "tests/gui/form_fixture.h"

#include <set>
#include <vector>

namespace zintar::test {
namespace {

class DpiChange : public FormFixture {
  protected:
    LONG FontHeightOf(Control id) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Window(id), WM_GETFONT, 0, 0)),
                   sizeof(font), &font);
        return font.lfHeight;
    }
    SIZE PictureSizeOf(Control id) {
        BITMAP info{};
        GetObjectW(reinterpret_cast<HBITMAP>(GetWindowLongPtrW(Window(id), GWLP_USERDATA)),
                   sizeof(info), &info);
        return {info.bmWidth, info.bmHeight};
    }
    void MoveToDpi(int dpi, RECT suggested) {
        SendMessageW(form().hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }
};

TEST_F(DpiChange, TheWindowTakesTheSuggestedRectangleAndScalesItsControls) {
    const LONG captionWidthAt96 = RectOf(Control::CharacterCaption).right;
    MoveToDpi(144, {40, 50, 40 + 560, 50 + 620});
    ExpectScreenRect(form().hwnd(), {40, 50, 40 + 560, 50 + 620});

    // 2520, 1560, 1455 and 405 twips at 144 dpi, halves rounded up.
    const RECT box = RectOf(Control::CharCodeBox);
    EXPECT_EQ(box.left, 252);
    EXPECT_EQ(box.top, 156);
    EXPECT_EQ(box.right - box.left, 146);
    EXPECT_EQ(box.bottom - box.top, 41);
    // The highlight frame still lies on its flag.
    EXPECT_EQ(RectOf(Control::EnglishFlagLit).left, RectOf(Control::EnglishFlag).left);
    EXPECT_EQ(RectOf(Control::EnglishFlagLit).top, 6);
    // 15.75 pt at 144 dpi is 31.5 pixels.
    EXPECT_EQ(FontHeightOf(Control::CharCodeBox), -32);
    // A 21 x 20 flag drawn for 96 dpi, made for 144.
    EXPECT_EQ(PictureSizeOf(Control::EnglishFlag).cx, 32);
    EXPECT_EQ(PictureSizeOf(Control::EnglishFlag).cy, 30);
    // An auto-size caption fits its text in the larger font.
    EXPECT_GT(RectOf(Control::CharacterCaption).right, captionWidthAt96 * 5 / 4);

    MoveToDpi(96, {40, 50, 40 + 380, 50 + 280});
    EXPECT_EQ(RectOf(Control::CharCodeBox).right, 2520 / 15 + 1455 / 15);
    EXPECT_EQ(FontHeightOf(Control::CharCodeBox), -21);
    EXPECT_EQ(PictureSizeOf(Control::EnglishFlag).cx, 21);
    EXPECT_EQ(RectOf(Control::CharacterCaption).right, captionWidthAt96);
}

// At an embedded scale the window holds the flag drawn for it: its bands are pure colours,
// where one resampled from 96 dpi has rows of blends between them. Between the scales the
// flag is made from the next larger one, at the control's size.
TEST_F(DpiChange, FlagsAreTheOnesDrawnForTheScaleAndIconsItsSize) {
    MoveToDpi(144, {0, 0, 560, 620});
    const auto bitmap =
        reinterpret_cast<HBITMAP>(GetWindowLongPtrW(Window(Control::HungarianFlag), GWLP_USERDATA));
    ASSERT_EQ(PictureSizeOf(Control::HungarianFlag).cx, 32);
    BITMAPINFO request{};
    request.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -30, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> pixels(32 * 30);
    const HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_EQ(GetDIBits(dc, bitmap, 0, 30, pixels.data(), &request, DIB_RGB_COLORS), 30);
    DeleteDC(dc);
    const std::set<uint32_t> drawn = {0xFFFFFF, 0xFF0000, 0x840000, 0xC6C6C6, 0x00FF00, 0x008400};
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] >> 24 != 0) {
            EXPECT_TRUE(drawn.count(pixels[i] & 0xFFFFFF)) << i % 32 << "," << i / 32;
        }
    }

    // The task switcher's and the title bar's icons: 32 and 16 pixels at 96 dpi, 48 and 24 here.
    const auto iconSide = [&](WPARAM which) {
        ICONINFO info{};
        const auto icon =
            reinterpret_cast<HICON>(SendMessageW(form().hwnd(), WM_GETICON, which, 0));
        if (!icon || !GetIconInfo(icon, &info))
            return 0;
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof(colour), &colour);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return static_cast<int>(colour.bmWidth);
    };
    EXPECT_EQ(iconSide(ICON_BIG), 48);
    EXPECT_EQ(iconSide(ICON_SMALL), 24);

    MoveToDpi(168, {0, 0, 650, 720});
    EXPECT_EQ(PictureSizeOf(Control::HungarianFlag).cx, 37); // 315 twips at 168 dpi
    EXPECT_EQ(PictureSizeOf(Control::HungarianFlag).cy, 35);
    // Back at the system's DPI the icons held for another one are replaced, not kept.
    MoveToDpi(96, {0, 0, 380, 280});
    EXPECT_EQ(iconSide(ICON_BIG), 32);
    EXPECT_EQ(iconSide(ICON_SMALL), 16);
}

// Another program may send the message with no rectangle: nothing moves and nothing breaks.
TEST_F(DpiChange, AMessageWithoutItsRectangleChangesNothing) {
    RECT before{};
    GetWindowRect(form().hwnd(), &before);
    const RECT box = RectOf(Control::CharCodeBox);
    SendMessageW(form().hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), 0);
    RECT after{};
    GetWindowRect(form().hwnd(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    const RECT boxAfter = RectOf(Control::CharCodeBox);
    EXPECT_TRUE(EqualRect(&box, &boxAfter));
    EXPECT_EQ(FontHeightOf(Control::CharCodeBox), -21);
}

TEST_F(DpiChange, TextsAndStateStay) {
    TypeKey(Control::CaptureBox, 'A', L'A', kShift);
    SendMessageW(Window(Control::HungarianFlagLit), WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2));
    SendMessageW(Window(Control::HungarianFlagLit), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ASSERT_EQ(State().language, Language::Hungarian);
    std::vector<std::wstring> before;
    for (int i = 0; i < kControlCount; ++i)
        before.push_back(Text(static_cast<Control>(i)));
    const MainWindow::State state = State();

    MoveToDpi(192, {0, 0, 740, 830});
    for (int i = 0; i < kControlCount; ++i)
        EXPECT_EQ(Text(static_cast<Control>(i)), before[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(State().codes.key, state.codes.key);
    EXPECT_EQ(State().codes.character, state.codes.character);
    EXPECT_EQ(State().codes.modifiers, state.codes.modifiers);
    EXPECT_EQ(State().language, Language::Hungarian);
    EXPECT_EQ(Text(Control::CharCodeBox), L"65");
}

} // namespace
} // namespace zintar::test
