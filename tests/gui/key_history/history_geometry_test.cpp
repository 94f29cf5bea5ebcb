// The key history window low or at another DPI.
#include "tests/gui/key_history/history_window_fixture.h"

#include <array>
#include <cmath>

namespace zintar::test {
namespace {

// The window low or at another DPI: the pane's rows scroll into view, and a change of DPI
// scales what holds pixels while what the window shows stays.
class HistoryGeometry : public KeyHistoryWindow {
  protected:
    HWND Rows() { return history().pane().rows().hwnd(); }
    HWND Value(DetailRow row) { return history().pane().valueControl(row); }
    // A control's rectangle in the pane's client area, where the scroll bar has moved it.
    RECT InPane(HWND control) {
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(HWND_DESKTOP, Rows(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    bool SeenWhole(HWND control) {
        RECT client{};
        GetClientRect(Rows(), &client);
        const RECT r = InPane(control);
        return r.top >= 0 && r.bottom <= client.bottom && r.right <= client.right;
    }
    // The client area made that high, the frame as it is.
    void SetClientHeight(int height) {
        RECT outer{}, client{};
        GetWindowRect(history().hwnd(), &outer);
        GetClientRect(history().hwnd(), &client);
        SetWindowPos(history().hwnd(), nullptr, 0, 0, outer.right - outer.left,
                     height + (outer.bottom - outer.top) - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // A child's rectangle in the window's client area.
    RECT InClient(HWND control) {
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(HWND_DESKTOP, history().hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    LONG FontHeight(HWND control) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
                   &font);
        return font.lfHeight;
    }
    void MoveToDpi(int dpi, RECT suggested) {
        SendMessageW(history().hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }
};

TEST_F(HistoryGeometry, InALowWindowEveryRowOfThePaneCanBeScrolledIntoView) {
    Open();
    TypeKey(Control::CaptureBox, 'A', L'a');
    ASSERT_EQ(WaitForRows(2), 2);
    Select(0);
    SetClientHeight(244); // the default height on a 1024 x 768 screen
    HWND last = Value(DetailRow::Shortcut);
    ASSERT_FALSE(SeenWhole(last)) << "the pane fits: no test of scrolling";
    EXPECT_TRUE(SeenWhole(history().pane().copyButton()));
    EXPECT_TRUE(GetWindowLongW(Rows(), GWL_STYLE) & WS_VSCROLL) << "a scroll bar shows";

    SendMessageW(Rows(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_TRUE(SeenWhole(last));
    EXPECT_EQ(InPane(history().pane().valueControl(DetailRow::DeadKey)).bottom, InPane(last).top);
    wchar_t text[64]{};
    GetWindowTextW(last, text, 64);
    EXPECT_STREQ(text, L"free");

    // One notch of the wheel up moves as many rows as the system's setting says.
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const RECT before = InPane(last);
    SendMessageW(Rows(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(InPane(last).top - before.top,
              static_cast<LONG>(lines) * (before.bottom - before.top));

    // Scrolled to the top, Tab goes from the list to the button, and Shift+Tab from the list
    // round through the key state below to the last value, which comes into view with its
    // text selected.
    SendMessageW(Rows(), WM_VSCROLL, SB_TOP, 0);
    const HWND lastValue = Value(DetailRow::RepeatRate);
    ASSERT_FALSE(SeenWhole(lastValue));
    PressInList(VK_TAB);
    EXPECT_EQ(GetFocus(), history().pane().copyButton());
    PressInList(VK_TAB, kShift);
    EXPECT_EQ(GetFocus(), history().keyState().hwnd());
    SetModifiers(kShift);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
    Pump();
    SetModifiers(0);
    EXPECT_EQ(GetFocus(), lastValue);
    EXPECT_TRUE(SeenWhole(lastValue));
    DWORD from = 1, to = 0;
    SendMessageW(lastValue, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, static_cast<DWORD>(GetWindowTextLengthW(lastValue))) << "all of its text";
    EXPECT_GT(to, 0u);

    // Tall enough again: no scroll bar, every row in its place from the top.
    SetClientHeight(600);
    EXPECT_FALSE(GetWindowLongW(Rows(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(SeenWhole(last));
    EXPECT_TRUE(SeenWhole(history().pane().copyButton()));
    EXPECT_GT(InPane(history().pane().copyButton()).top, 0);
}

// The key state runs along the bottom, as wide as the window, under the list and the pane;
// in a low window it leaves the greater part to the history and still shows a few rows.
TEST_F(HistoryGeometry, TheKeyStateRunsAlongTheBottomUnderTheListAndThePane) {
    Open();
    const HWND state = history().keyState().hwnd();
    for (const int height : {600, 244}) {
        SCOPED_TRACE(height);
        SetClientHeight(height);
        RECT client{};
        GetClientRect(history().hwnd(), &client);
        const RECT list = InClient(state), title = InClient(history().keyState().title());
        EXPECT_EQ(list.left, 0);
        EXPECT_EQ(list.right, client.right);
        EXPECT_EQ(list.bottom, client.bottom);
        EXPECT_LE(title.bottom, list.top);
        EXPECT_LE(InClient(List()).bottom, title.top);
        EXPECT_LE(InClient(Rows()).bottom, title.top);
        EXPECT_GE(InClient(List()).bottom, height * 3 / 5) << "the history keeps the most";
        const auto perPage = SendMessageW(state, LVM_GETCOUNTPERPAGE, 0, 0);
        EXPECT_GE(perPage, height == 600 ? 5 : 2) << "rows of the key state in view";
    }
}

// A resized window paints every control anew: a control that only moved with its parent
// (the pane's captions) or alone (the key state's title) would otherwise keep old pixels.
TEST_F(HistoryGeometry, AResizedWindowPaintsEveryControlAnew) {
    Open();
    const HWND caption =
        GetWindow(history().pane().valueControl(DetailRow::VirtualKey), GW_HWNDPREV);
    for (const int height : {600, 300}) {
        SCOPED_TRACE(height);
        Pump();
        RedrawWindow(history().hwnd(), nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN);
        SetClientHeight(height);
        const std::array<HWND, 4> controls{history().keyState().title(),
                                           history().pane().copyButton(), caption,
                                           history().keyState().hwnd()};
        for (size_t i = 0; i < controls.size(); ++i)
            EXPECT_TRUE(GetUpdateRect(controls[i], nullptr, FALSE)) << i;
    }
}

TEST_F(HistoryGeometry, ANewDpiScalesTheWindowAndKeepsRowsSelectionAndColumns) {
    Open();
    KeyDown(Control::CaptureBox, VK_F5);
    KeyDown(Control::CaptureBox, VK_F6);
    ASSERT_EQ(WaitForRows(2), 2);
    Select(0);
    SendMessageW(history().hwnd(), WM_COMMAND, CommandId(HistoryColumn::Message), 0);
    std::vector<int> widths;
    for (int c = 0; c < kHistoryColumnCount; ++c)
        widths.push_back(static_cast<int>(SendMessageW(List(), LVM_GETCOLUMNWIDTH, c, 0)));
    const LONG listFont = FontHeight(List());
    const LONG paneFont = FontHeight(Value(DetailRow::VirtualKey));

    MoveToDpi(144, {30, 40, 30 + 1000, 40 + 600});
    ExpectScreenRect(history().hwnd(), {30, 40, 30 + 1000, 40 + 600});
    // 5400 twips of pane and 255 of row at 144 dpi.
    RECT pane{};
    GetWindowRect(Rows(), &pane);
    EXPECT_EQ(pane.right - pane.left, 540);
    const RECT value = InPane(Value(DetailRow::VirtualKey));
    EXPECT_EQ(value.bottom - value.top, 26);
    EXPECT_EQ(FontHeight(List()), std::lround(listFont * 1.5));
    EXPECT_EQ(FontHeight(Value(DetailRow::VirtualKey)), std::lround(paneFont * 1.5));
    for (int c = 0; c < kHistoryColumnCount; ++c)
        EXPECT_NEAR(SendMessageW(List(), LVM_GETCOLUMNWIDTH, c, 0), widths[c] * 3 / 2, 1) << c;
    EXPECT_EQ(
        SendMessageW(List(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(HistoryColumn::Message), 0),
        0);
    EXPECT_EQ(WaitForRows(2), 2);
    EXPECT_EQ(Selected(), std::vector<int>{0});
    EXPECT_EQ(Cell(1, HistoryColumn::Combination), L"F6");

    // Back at 96: the sizes of before, not a rounding drift.
    MoveToDpi(96, {30, 40, 30 + 800, 40 + 400});
    EXPECT_EQ(FontHeight(List()), listFont);
    for (int c = 0; c < kHistoryColumnCount; ++c)
        EXPECT_NEAR(SendMessageW(List(), LVM_GETCOLUMNWIDTH, c, 0), widths[c], 1) << c;
    GetWindowRect(Rows(), &pane);
    EXPECT_EQ(pane.right - pane.left, 360);
}

} // namespace
} // namespace zintar::test
