// The built window read back: geometry, stacking, focus order, limits, fonts and frame.
#include "tests/gui/form_fixture.h"

#include <algorithm>
#include <cstdlib>

#include "ui/main_window/control_ids.h"

namespace zintar::test {
namespace {

class Layout : public FormFixture {
  protected:
    HFONT FontOf(Control id) {
        return reinterpret_cast<HFONT>(SendMessageW(Window(id), WM_GETFONT, 0, 0));
    }
    // A text's width and the font's line height, in a control's own font.
    SIZE ExtentIn(Control id, const std::wstring& text) {
        HDC dc = GetDC(Window(id));
        HGDIOBJ old = SelectObject(dc, FontOf(id));
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(Window(id), dc);
        return {size.cx, tm.tmHeight};
    }
};

TEST_F(Layout, TheClientAreaAndFrameAreThoseOfAFixedDialog) {
    RECT client{};
    GetClientRect(form().hwnd(), &client);
    EXPECT_EQ(client.right, 361);
    EXPECT_EQ(client.bottom, 249);
    const LONG_PTR style = GetWindowLongPtrW(form().hwnd(), GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(form().hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU); // the close button
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);

    RECT outer{};
    GetWindowRect(form().hwnd(), &outer);
    EXPECT_NEAR((outer.left + outer.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

// Every child, in the stacking order, with its rectangle in client pixels.
struct Placed {
    Control id;
    RECT rect;
};

// Pairs that the design lays over each other: each flag's highlight frame lies on its flag.
bool DesignedToOverlap(Control a, Control b) {
    const auto pair = [&](Control x, Control y) {
        return (a == x && b == y) || (a == y && b == x);
    };
    return pair(Control::EnglishFlag, Control::EnglishFlagLit) ||
           pair(Control::HungarianFlag, Control::HungarianFlagLit);
}

class Arrangement : public Layout {
  protected:
    std::vector<Placed> Children() {
        std::vector<Placed> placed;
        for (HWND child = GetWindow(form().hwnd(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const Control id = ControlOfId(GetDlgCtrlID(child));
            placed.push_back({id, RectOf(id)});
        }
        return placed;
    }
    // Checked in both languages: the Hungarian captions are the longer ones.
    template <typename Check> void InBothLanguages(Check check) {
        check();
        SendMessageW(form().hwnd(), WM_SYSCOMMAND, 0x0020, 0); // the menu's Hungarian
        SCOPED_TRACE("Hungarian");
        check();
    }
};

TEST_F(Arrangement, EveryControlLiesInsideTheClientAreaAndNoneOverlapsUnlessDesignedTo) {
    InBothLanguages([&] {
        RECT client{};
        GetClientRect(form().hwnd(), &client);
        const std::vector<Placed> placed = Children();
        EXPECT_EQ(placed.size(), 22u);
        for (size_t i = 0; i < placed.size(); ++i) {
            const Placed& p = placed[i];
            EXPECT_TRUE(p.rect.left >= 0 && p.rect.top >= 0 && p.rect.right <= client.right &&
                        p.rect.bottom <= client.bottom && p.rect.right > p.rect.left &&
                        p.rect.bottom > p.rect.top)
                << Design(p.id).name;
            for (size_t j = i + 1; j < placed.size(); ++j) {
                RECT common{};
                const bool overlap = IntersectRect(&common, &p.rect, &placed[j].rect);
                EXPECT_EQ(overlap, DesignedToOverlap(p.id, placed[j].id))
                    << Design(p.id).name << " and " << Design(placed[j].id).name;
            }
        }
    });
}

TEST_F(Arrangement, CaptionsStandAboveTheirBoxesOnTheirLeftEdgesAndTheBoxesFormAGrid) {
    InBothLanguages([&] {
        const std::pair<Control, Control> captioned[] = {
            {Control::CharacterCaption, Control::CaptureBox},
            {Control::CharCodeCaption, Control::CharCodeBox},
            {Control::KeyCodeCaption, Control::KeyCodeBox},
            {Control::ModifiersCaption, Control::ModifiersReadOut},
            {Control::PressedKeysCaption, Control::CombinationReadOut}};
        for (auto [caption, box] : captioned) {
            EXPECT_EQ(RectOf(caption).left, RectOf(box).left) << Design(caption).name;
            EXPECT_LE(RectOf(caption).bottom, RectOf(box).top) << Design(caption).name;
            EXPECT_LE(RectOf(box).top - RectOf(caption).bottom, 4) << Design(caption).name;
        }
        // The hex caption stands over its box, inside its width.
        EXPECT_GE(RectOf(Control::CharHexCaption).left, RectOf(Control::CharHexBox).left);
        EXPECT_LE(RectOf(Control::CharHexCaption).right, RectOf(Control::CharHexBox).right);
    });
    // Two rows of two code boxes: decimal over decimal, hexadecimal over hexadecimal, each row
    // on one line, the capture box ending with the lower row.
    EXPECT_EQ(RectOf(Control::CharCodeBox).left, RectOf(Control::KeyCodeBox).left);
    EXPECT_EQ(RectOf(Control::CharHexBox).left, RectOf(Control::KeyHexBox).left);
    EXPECT_EQ(RectOf(Control::CharCodeBox).top, RectOf(Control::CharHexBox).top);
    EXPECT_EQ(RectOf(Control::KeyCodeBox).top, RectOf(Control::KeyHexBox).top);
    EXPECT_EQ(RectOf(Control::CaptureBox).top, RectOf(Control::CharCodeBox).top);
    EXPECT_EQ(RectOf(Control::CaptureBox).bottom, RectOf(Control::KeyCodeBox).bottom);
    EXPECT_EQ(RectOf(Control::ModifiersReadOut).top, RectOf(Control::CombinationReadOut).top);
    EXPECT_EQ(RectOf(Control::EnglishFlag).top, RectOf(Control::HungarianFlag).top);
}

TEST_F(Layout, AutoSizeLabelsFitTheirText) {
    for (Control id :
         {Control::TitleLabel, Control::VersionLabel, Control::PublisherLabel,
          Control::CharacterCaption, Control::CharCodeCaption, Control::CharHexCaption,
          Control::KeyCodeCaption, Control::ModifiersCaption, Control::PressedKeysCaption}) {
        const RECT r = RectOf(id);
        const SIZE e = ExtentIn(id, Text(id));
        EXPECT_GE(r.right - r.left, e.cx) << Design(id).name;
        EXPECT_LE(r.right - r.left, e.cx + 3) << Design(id).name;
        EXPECT_GE(r.bottom - r.top, e.cy) << Design(id).name;
        EXPECT_LE(r.bottom - r.top, e.cy + 3) << Design(id).name;
    }
}

// The focus order itself is the capture box test's (Tab through the five boxes).
TEST_F(Layout, TheFiveBoxesAloneTakeTheFocusAndLieAboveTheDrawnControls) {
    const std::pair<Control, int> limits[] = {{Control::CaptureBox, 2},
                                              {Control::CharCodeBox, 3},
                                              {Control::CharHexBox, 2},
                                              {Control::KeyCodeBox, 3},
                                              {Control::KeyHexBox, 2}};
    for (auto [box, limit] : limits)
        EXPECT_EQ(SendMessageW(Window(box), EM_GETLIMITTEXT, 0, 0), limit) << Design(box).name;
    int tabStops = 0;
    int place = 0;
    for (HWND child = GetWindow(form().hwnd(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT), ++place) {
        const Control id = ControlOfId(GetDlgCtrlID(child));
        const bool isBox = std::any_of(std::begin(limits), std::end(limits),
                                       [id](const auto& limit) { return limit.first == id; });
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) {
            ++tabStops;
            EXPECT_TRUE(isBox) << Design(id).name;
        }
        if (isBox) {
            EXPECT_LT(place, 5) << Design(id).name << " lies under a drawn control";
        }
    }
    EXPECT_EQ(tabStops, 5);
}

TEST_F(Layout, EveryTextIsInACentralEuropeanFont) {
    for (HWND child = GetWindow(form().hwnd(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
        if (!font)
            continue; // a picture
        LOGFONTW lf{};
        ASSERT_TRUE(GetObjectW(font, sizeof(lf), &lf));
        EXPECT_EQ(lf.lfCharSet, EASTEUROPE_CHARSET)
            << Design(ControlOfId(GetDlgCtrlID(child))).name;
    }
    // The read-outs of one kind share one font.
    EXPECT_EQ(FontOf(Control::CharCodeBox), FontOf(Control::KeyHexBox));
    EXPECT_EQ(FontOf(Control::CharCodeCaption), FontOf(Control::PressedKeysCaption));
}

TEST_F(Layout, EveryLetterOfBothLanguagesHasAGlyph) {
    const std::wstring letters =
        L"Zintar character code key hex pressed keys karakter k\u00F3d billenty\u0171 hexa "
        L"lenyomott billenty\u0171k \u0151\u0150\u0170";
    for (FontId font : {FontId::Arial9Bold, FontId::Georgia15, FontId::Arial15Bold}) {
        Control id = font == FontId::Arial9Bold  ? Control::PressedKeysCaption
                     : font == FontId::Georgia15 ? Control::TitleLabel
                                                 : Control::CombinationReadOut;
        HDC dc = GetDC(Window(id));
        HGDIOBJ old = SelectObject(dc, FontOf(id));
        std::vector<WORD> glyphs(letters.size());
        ASSERT_NE(GetGlyphIndicesW(dc, letters.c_str(), static_cast<int>(letters.size()),
                                   glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS),
                  GDI_ERROR);
        for (size_t i = 0; i < letters.size(); ++i)
            EXPECT_NE(glyphs[i], 0xFFFF)
                << Design(id).name << " lacks U+" << std::hex << int(letters[i]);
        SelectObject(dc, old);
        ReleaseDC(Window(id), dc);
    }
}

TEST_F(Layout, TheLinkLabelsAndReadOutsKeepTheirDesignTexts) {
    EXPECT_EQ(Text(Control::ModifiersCaption), L"shift");
    EXPECT_EQ(Text(Control::HomepageLink), L"morvaly.example");
    EXPECT_FALSE(Text(Control::PublisherLabel).empty());
    EXPECT_TRUE(GetWindowLongPtrW(Window(Control::ModifiersReadOut), GWL_EXSTYLE) &
                WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongPtrW(Window(Control::CombinationReadOut), GWL_EXSTYLE) &
                WS_EX_CLIENTEDGE);
}

// The window's tooltip, if it has made one yet.
HWND FindTooltip() {
    HWND tooltip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM out) -> BOOL {
            wchar_t cls[64]{};
            GetClassNameW(hwnd, cls, 64);
            if (wcscmp(cls, TOOLTIPS_CLASSW) == 0)
                *reinterpret_cast<HWND*>(out) = hwnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
    return tooltip;
}

// The tooltip is made with the first name too long for the read-out, not before.
TEST_F(Layout, ALongCombinationNameEndsInAnEllipsisAndItsTooltipShowsItWhole) {
    KeyDown(Control::CaptureBox, VK_F5, kCtrl | kShift);
    EXPECT_EQ(FindTooltip(), nullptr);
    KeyDown(Control::CaptureBox, VK_APPS, kCtrl | kAlt | kShift);
    const std::wstring name = L"Ctrl + Alt + Shift + Context Menu Key";
    ASSERT_EQ(Text(Control::CombinationReadOut), name);
    HWND tooltip = FindTooltip();
    ASSERT_NE(tooltip, nullptr);
    // The text the tooltip would show for the read-out, asked the way the tooltip asks.
    auto tipFor = [&]() {
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom = tooltip;
        info.hdr.code = TTN_GETDISPINFOW;
        info.hdr.idFrom = reinterpret_cast<UINT_PTR>(Window(Control::CombinationReadOut));
        SendMessageW(form().hwnd(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
        return std::wstring(info.lpszText ? info.lpszText : L"");
    };
    EXPECT_EQ(tipFor(), name);
    KeyDown(Control::CaptureBox, 'A', kShift);
    EXPECT_EQ(tipFor(), L""); // a name that fits needs no tip
}

} // namespace
} // namespace zintar::test
