// The window as it is drawn, read back pixel by pixel.
#include "tests/gui/form_fixture.h"

namespace zintar::test {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// The client area rendered through the windows' own painting: the form's surface, then each
// visible child from the bottom of the stack up, each clipped to its own rectangle (what
// PrintWindow does with its children on Windows; Wine's leaves them out).
class Snapshot {
  public:
    explicit Snapshot(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST); child;
             child = GetWindow(child, GW_HWNDPREV)) {
            if (!IsWindowVisible(child))
                continue;
            RECT r{};
            GetWindowRect(child, &r);
            MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
            const int saved = SaveDC(dc);
            IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
            SetViewportOrgEx(dc, r.left, r.top, nullptr);
            SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                         PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
            RestoreDC(dc, saved);
        }
        GdiFlush();
        pixels_.assign(static_cast<const DWORD*>(bits),
                       static_cast<const DWORD*>(bits) + width_ * height_);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
    COLORREF At(int x, int y) const {
        const DWORD p = pixels_[static_cast<size_t>(y * width_ + x)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    int width_ = 0, height_ = 0;
    std::vector<DWORD> pixels_;
};

std::string Hex(COLORREF c) {
    char buf[16];
    snprintf(buf, sizeof buf, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return buf;
}

using Rendering = FormFixture;

TEST_F(Rendering, TheBandIsWhiteAcrossTheWidthAndTheGreyLineLiesOnRow70) {
    const Snapshot shot(form().hwnd());
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    // Column 200 crosses the band where no control lies; so do the left and right edges.
    for (int x : {0, 200, shot.width() - 1}) {
        for (int y = 0; y < 73; ++y) {
            const COLORREF want = y == 70 ? shadow : kWhite;
            EXPECT_EQ(Hex(shot.At(x, y)), Hex(want)) << "x " << x << " y " << y;
        }
        EXPECT_EQ(Hex(shot.At(x, 73)), Hex(face)) << "below the band at x " << x;
    }
    for (int x = 0; x < shot.width(); ++x)
        ASSERT_EQ(Hex(shot.At(x, 70)), Hex(shadow)) << x;
}

TEST_F(Rendering, FlagsShowTheirColoursWithTheBandThroughTheirCorners) {
    const Snapshot shot(form().hwnd());
    // The Hungarian flag at (336, 4): red band, white band, green band; transparent corners.
    EXPECT_EQ(Hex(shot.At(336 + 10, 4 + 3)), "#FF0000");
    EXPECT_EQ(Hex(shot.At(336 + 10, 4 + 9)), "#FFFFFF");
    EXPECT_EQ(Hex(shot.At(336 + 10, 4 + 15)), "#00FF00");
    EXPECT_EQ(Hex(shot.At(336 + 1, 4 + 1)), "#C6C6C6");
    // The English flag at (312, 4): the red cross in the middle.
    EXPECT_EQ(Hex(shot.At(312 + 10, 4 + 9)), "#FF0000");
    for (auto [x, y] : {std::pair{312, 4},
                        {312 + 20, 4},
                        {312, 4 + 19},
                        {312 + 20, 4 + 19},
                        std::pair{336, 4},
                        {336 + 20, 4 + 19}})
        EXPECT_EQ(Hex(shot.At(x, y)), "#FFFFFF") << x << "," << y;
}

TEST_F(Rendering, AShownHighlightFrameCoversItsFlagExactly) {
    SendMessageW(Window(Control::HungarianFlag), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(IsWindowVisible(Window(Control::HungarianFlagLit)));
    const Snapshot lit(form().hwnd());
    EXPECT_EQ(Hex(lit.At(336 + 10, 4 + 3)), "#FF8080");
    EXPECT_EQ(Hex(lit.At(336 + 10, 4 + 15)), "#80FF80");
    EXPECT_EQ(Hex(lit.At(336 + 1, 4 + 1)), "#D4D4D4");
    // The margin stays white, lit or not; the English flag is untouched.
    EXPECT_EQ(Hex(lit.At(336, 4)), "#FFFFFF");
    EXPECT_EQ(Hex(lit.At(312 + 10, 4 + 9)), "#FF0000");
}

TEST_F(Rendering, TheLinkTurnsLighterAndUnderlinedUnderThePointer) {
    auto linkPixels = [&](COLORREF colour) {
        const Snapshot shot(form().hwnd());
        int count = 0, lowest = -1;
        for (int y = 52; y < 69; ++y)
            for (int x = 251; x < 356; ++x)
                if (shot.At(x, y) == colour) {
                    ++count;
                    lowest = y;
                }
        return std::pair{count, lowest};
    };
    const COLORREF normal = RGB(0x00, 0x5C, 0xE6);
    const COLORREF lit = RGB(0x24, 0x7C, 0xFF);
    const auto [normalCount, normalLowest] = linkPixels(normal);
    EXPECT_GT(normalCount, 50);
    EXPECT_EQ(linkPixels(lit).first, 0);

    SendMessageW(Window(Control::HomepageLink), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    const auto [litCount, litLowest] = linkPixels(lit);
    EXPECT_EQ(linkPixels(normal).first, 0);
    // The underline adds a run of pixels below the letters.
    EXPECT_GT(litCount, normalCount + 30);
    EXPECT_GE(litLowest, normalLowest);
}

} // namespace
} // namespace zintar::test
