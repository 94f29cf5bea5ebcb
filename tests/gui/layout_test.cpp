// The built window read back: geometry, stacking, focus order, limits, fonts and frame.
#include "tests/gui/form_fixture.h"

#include <cstdlib>

#include "ui/control_ids.h"

namespace zintar::test {
namespace {

class Layout : public FormFixture {
  protected:
    RECT RectOf(Control id) {
        RECT r{};
        GetWindowRect(Window(id), &r);
        MapWindowPoints(HWND_DESKTOP, form().hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
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

// Client pixels written out from the design (twips / 15), not read from the layout table.
TEST_F(Layout, ControlsWithFixedSizesStandAtTheirDesignPixels) {
    struct Want {
        Control id;
        LONG left, top, width, height;
    };
    const Want wants[] = {
        {Control::EnglishFlag, 312, 4, 21, 20},
        {Control::HungarianFlag, 336, 4, 21, 20},
        {Control::EnglishFlagLit, 312, 4, 21, 20}, // start-up lays each frame onto its flag
        {Control::HungarianFlagLit, 336, 4, 21, 20},
        {Control::Emblem, 10, 41, 16, 16},
        {Control::HomepageLink, 251, 52, 105, 17},
        {Control::CaptureBox, 24, 104, 129, 83},
        {Control::CharCodeBox, 168, 104, 97, 27},
        {Control::CharHexBox, 272, 104, 65, 27},
        {Control::KeyCodeBox, 168, 160, 97, 27},
        {Control::KeyHexBox, 272, 160, 65, 27},
        {Control::ModifiersReadOut, 8, 216, 33, 27},
        {Control::CombinationReadOut, 48, 216, 305, 27},
    };
    for (const Want& w : wants) {
        const RECT r = RectOf(w.id);
        EXPECT_EQ(r.left, w.left) << Design(w.id).name;
        EXPECT_EQ(r.top, w.top) << Design(w.id).name;
        EXPECT_EQ(r.right - r.left, w.width) << Design(w.id).name;
        EXPECT_EQ(r.bottom - r.top, w.height) << Design(w.id).name;
    }
    // The capture box's bottom edge lines up with the key code boxes'.
    EXPECT_EQ(RectOf(Control::CaptureBox).bottom, RectOf(Control::KeyCodeBox).bottom);
    EXPECT_EQ(RectOf(Control::CaptureBox).bottom, RectOf(Control::KeyHexBox).bottom);
}

TEST_F(Layout, AutoSizeLabelsKeepTheirCornerAndFollowTheirText) {
    // Corner and design size in client pixels, and the text the design was measured with.
    struct Want {
        Control id;
        LONG left, top, width, height;
        const wchar_t* designText;
        int widthTolerance; // a stand-in font may differ by a few pixels in width
    };
    const Want wants[] = {
        {Control::TitleLabel, 8, 8, 122, 25, L"Karakter k\u00F3d", 12},
        {Control::VersionLabel, 299, 32, 57, 14, L"lblVersion", 5},
        {Control::PublisherLabel, 31, 41, 106, 16, L"Morvaly software", 5},
        {Control::CharacterCaption, 24, 88, 62, 16, L"Character", 5},
        {Control::CharCodeCaption, 168, 88, 97, 16, L"Character code", 5},
        {Control::CharHexCaption, 280, 88, 24, 16, L"hex", 5},
        {Control::KeyCodeCaption, 168, 144, 59, 16, L"Key code", 5},
        {Control::ModifiersCaption, 8, 200, 26, 16, L"shift", 5},
        {Control::PressedKeysCaption, 48, 200, 46, 16, L"lblKeys", 5},
    };
    for (const Want& w : wants) {
        const RECT r = RectOf(w.id);
        EXPECT_EQ(r.left, w.left) << Design(w.id).name;
        EXPECT_EQ(r.top, w.top) << Design(w.id).name;
        const SIZE e = ExtentIn(w.id, Text(w.id));
        EXPECT_EQ(r.right - r.left, e.cx + 1) << Design(w.id).name; // one pixel of slack
        EXPECT_EQ(r.bottom - r.top, e.cy + 1) << Design(w.id).name;

        // With its design text the label comes out at about its design size.
        const SIZE d = ExtentIn(w.id, w.designText);
        EXPECT_NEAR(d.cx + 1, w.width, w.widthTolerance) << Design(w.id).name;
        EXPECT_NEAR(d.cy + 1, w.height, 2) << Design(w.id).name;
    }
}

TEST_F(Layout, TheTextBoxesLieAboveTheDrawnControlsWhichStackInTheirOrder) {
    std::vector<std::wstring> got;
    for (HWND child = GetWindow(form().hwnd(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        got.push_back(Design(ControlOfId(GetDlgCtrlID(child))).name);
    const std::vector<std::wstring> want = {
        L"Tchar",         L"Tcc",           L"Thex",       L"Tcode_dec",  L"Tcode_hex",
        L"imgLangHUN_hl", L"imgLangEng_hl", L"lblKeys",    L"lblVersion", L"lblShift",
        L"lblShiftCapt",  L"lblSpec",       L"imgLangHUN", L"imgLangEng", L"lblHomepage",
        L"Image2",        L"Label5",        L"lblTitle",   L"lblHex",     L"lblZintar",
        L"lblCharCode",   L"lblChar"};
    EXPECT_EQ(got, want);
}

TEST_F(Layout, TextBoxesHaveTheirLengthsAndTakeTheFocusInOrder) {
    const std::pair<Control, int> limits[] = {{Control::CaptureBox, 2},
                                              {Control::CharCodeBox, 3},
                                              {Control::CharHexBox, 2},
                                              {Control::KeyCodeBox, 3},
                                              {Control::KeyHexBox, 2}};
    for (auto [box, limit] : limits) {
        EXPECT_EQ(SendMessageW(Window(box), EM_GETLIMITTEXT, 0, 0), limit) << Design(box).name;
        EXPECT_TRUE(GetWindowLongPtrW(Window(box), GWL_STYLE) & WS_TABSTOP);
        EXPECT_TRUE(GetWindowLongPtrW(Window(box), GWL_STYLE) & ES_CENTER);
        EXPECT_TRUE(GetWindowLongPtrW(Window(box), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    }
    // Nothing but the five boxes takes the focus.
    for (const ControlDesign& s : kLayout) {
        if (Window(s.id) && s.kind != ControlKind::TextBox) {
            EXPECT_FALSE(GetWindowLongPtrW(Window(s.id), GWL_STYLE) & WS_TABSTOP) << s.name;
        }
    }
}

TEST_F(Layout, FontsHaveTheirFaceSizeWeightAndTheCentralEuropeanCharacterSet) {
    struct Want {
        Control id;
        const wchar_t* face;
        int height;
        int weight;
    };
    const Want wants[] = {{Control::CaptureBox, L"Arial", 64, 400},
                          {Control::CharCodeBox, L"Arial", 21, 700},
                          {Control::CharHexBox, L"Arial", 21, 700},
                          {Control::KeyCodeBox, L"Arial", 21, 700},
                          {Control::KeyHexBox, L"Arial", 21, 700},
                          {Control::TitleLabel, L"Georgia", 21, 400},
                          {Control::VersionLabel, L"Arial", 11, 700},
                          {Control::PublisherLabel, L"Arial", 13, 700},
                          {Control::HomepageLink, L"Arial", 11, 700},
                          {Control::CharacterCaption, L"Arial", 13, 700},
                          {Control::CharCodeCaption, L"Arial", 13, 700},
                          {Control::CharHexCaption, L"Arial", 13, 700},
                          {Control::KeyCodeCaption, L"Arial", 13, 700},
                          {Control::ModifiersCaption, L"Arial", 13, 700},
                          {Control::PressedKeysCaption, L"Arial", 13, 700},
                          {Control::ModifiersReadOut, L"Arial", 21, 700},
                          {Control::CombinationReadOut, L"Arial", 21, 700}};
    for (const Want& w : wants) {
        LOGFONTW lf{};
        ASSERT_TRUE(GetObjectW(FontOf(w.id), sizeof(lf), &lf)) << Design(w.id).name;
        EXPECT_STREQ(lf.lfFaceName, w.face) << Design(w.id).name;
        EXPECT_EQ(lf.lfHeight, -w.height) << Design(w.id).name;
        EXPECT_EQ(lf.lfWeight, w.weight) << Design(w.id).name;
        EXPECT_EQ(lf.lfCharSet, EASTEUROPE_CHARSET) << Design(w.id).name;
        EXPECT_FALSE(lf.lfItalic || lf.lfUnderline || lf.lfStrikeOut) << Design(w.id).name;
    }
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
