// The key history window in this process: how it opens, which messages become rows, its keys
// and commands, its languages, closing it, and where it is placed. Real keys, the double
// click and the Menu key are the end-to-end test's (tests/e2e/key_history.sh).
#include "tests/gui/form_fixture.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/key_history/key_history_text.h"
#include "ui/key_history/history_command.h"
#include "ui/key_history/history_window.h"
#include "ui/key_history/key_recorder.h"

namespace zintar::test {
namespace {

constexpr UINT kMenuEnglish = 0x0010;
constexpr UINT kMenuHungarian = 0x0020;
constexpr LPARAM kWasDown = 1 << 30;
constexpr LPARAM kReleased = (1 << 30) | (LPARAM{1} << 31);
constexpr wchar_t kHungarianTitle[] = L"Billenty\u0171napl\u00F3";

constexpr LPARAM KeyLParam(BYTE scan, LPARAM flags = 0) {
    return 1 | (static_cast<LPARAM>(scan) << 16) | flags;
}

class KeyHistoryWindow : public FormFixture {
  protected:
    HistoryWindow& history() { return form().keyRecorder().window(); }
    HWND List() { return history().list(); }
    void Open() {
        SendMessageW(form().hwnd(), WM_SYSCOMMAND, MainWindow::kKeyHistoryCommand, 0);
        Pump();
    }
    void ToCaptureBox(UINT msg, WPARAM wp, LPARAM lp, short mask = 0) {
        SetModifiers(mask);
        SendMessageW(Window(Control::CaptureBox), msg, wp, lp);
        SetModifiers(0);
    }
    // Key-ups add rows without touching the read-outs: the quickest way to many records.
    void KeyUps(int count, int firstCode) {
        for (int i = 0; i < count; ++i)
            ToCaptureBox(WM_KEYUP, 1 + (firstCode + i) % 250, KeyLParam(0x1E, kReleased));
    }
    int Rows() { return static_cast<int>(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }
    // The list takes new records a moment after they arrive, through the message loop as in
    // the program; the test waits for that, not for a fixed time.
    int WaitForRows(int rows) {
        const ULONGLONG deadline = GetTickCount64() + 3000;
        while (Rows() != rows && GetTickCount64() < deadline) {
            Pump();
            Sleep(5);
        }
        return Rows();
    }
    std::wstring Cell(int row, HistoryColumn column) {
        wchar_t text[256]{};
        LVITEMW item{};
        item.iSubItem = static_cast<int>(column);
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(List(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return text;
    }
    std::wstring ColumnTitle(int column) {
        wchar_t text[128]{};
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT;
        info.pszText = text;
        info.cchTextMax = 128;
        SendMessageW(List(), LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&info));
        return text;
    }
    std::wstring Title() {
        wchar_t text[64]{};
        GetWindowTextW(history().hwnd(), text, 64);
        return text;
    }
    std::wstring MenuItem() {
        wchar_t text[64]{};
        GetMenuStringW(GetSystemMenu(form().hwnd(), FALSE), MainWindow::kKeyHistoryCommand, text,
                       64, MF_BYCOMMAND);
        return text;
    }
    // Against one of the main window's edges without covering it, on the screen, and wide
    // enough for most of its columns (the screen here is 1024 x 768).
    bool NextToTheMainWindow() {
        RECT main{}, side{}, overlap{};
        GetWindowRect(form().hwnd(), &main);
        GetWindowRect(history().hwnd(), &side);
        const bool touches = side.left == main.right || side.right == main.left ||
                             side.top == main.bottom || side.bottom == main.top;
        const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        RECT inside{};
        return touches && !IntersectRect(&overlap, &main, &side) &&
               IntersectRect(&inside, &side, &screen) && EqualRect(&inside, &side) &&
               side.right - side.left >= 600;
    }
    void Select(int row) {
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED;
        item.state = LVIS_SELECTED;
        SendMessageW(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }
    std::vector<int> Selected() {
        std::vector<int> rows;
        int row = -1;
        while ((row = static_cast<int>(SendMessageW(
                    List(), LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) != -1)
            rows.push_back(row);
        return rows;
    }
    // A key pressed in the list after a click into it, through the program's message loop.
    void PressInList(BYTE vk, short mask = 0) {
        SetFocus(List());
        SetModifiers(mask);
        PostMessageW(List(), WM_KEYDOWN, vk, 1);
        Pump();
        SetModifiers(0);
    }
    std::wstring ClipboardText() {
        std::wstring text;
        if (!OpenClipboard(nullptr))
            return L"<clipboard not open>";
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }
};

TEST_F(KeyHistoryWindow, OpensOwnedBesideTheMainWindowWhichKeepsTheFocus) {
    EXPECT_EQ(history().hwnd(), nullptr) << "made only when first asked for";
    SetFocus(Window(Control::CaptureBox));
    Open();
    ASSERT_TRUE(history().IsOpen());
    EXPECT_EQ(GetWindow(history().hwnd(), GW_OWNER), form().hwnd());
    EXPECT_EQ(GetActiveWindow(), form().hwnd());
    EXPECT_EQ(GetFocus(), Window(Control::CaptureBox));
    EXPECT_TRUE(NextToTheMainWindow());
    const auto style = GetWindowLongPtrW(List(), GWL_STYLE);
    EXPECT_EQ(style & (LVS_TYPEMASK | LVS_OWNERDATA), LVS_REPORT | LVS_OWNERDATA);
}

TEST_F(KeyHistoryWindow, EveryKeyMessageOfTheCaptureBoxIsOneRow) {
    struct Case {
        const char* what;
        UINT msg;
        WPARAM wp;
        LPARAM lp;
        short mask;
        std::vector<std::pair<HistoryColumn, std::wstring>> row; // empty: no row
    };
    const Case cases[] = {
        {"Shift",
         WM_KEYDOWN,
         VK_SHIFT,
         KeyLParam(0x36),
         kShift,
         {{HistoryColumn::Message, L"key down"},
          {HistoryColumn::Side, L"right"},
          {HistoryColumn::Modifiers, L"1"}}},
        {"auto-repeat",
         WM_KEYDOWN,
         'A',
         KeyLParam(0x1E, kWasDown),
         0,
         {{HistoryColumn::KeyCode, L"65"}, {HistoryColumn::AutoRepeat, L"yes"}}},
        {"a Western character",
         WM_CHAR,
         L'\u00E9',
         KeyLParam(0x28),
         0,
         {{HistoryColumn::Message, L"character"},
          {HistoryColumn::Character, L"\u00E9"},
          {HistoryColumn::AnsiCode, L"233"}}},
        {"a character code page 1252 lacks",
         WM_CHAR,
         L'\u0151',
         KeyLParam(0x1A),
         0,
         {{HistoryColumn::Unicode, L"U+0151"}, {HistoryColumn::AnsiCode, L""}}},
        {"key up",
         WM_KEYUP,
         'A',
         KeyLParam(0x1E, kReleased),
         0,
         {{HistoryColumn::Message, L"key up"}}},
        {"Alt",
         WM_SYSKEYDOWN,
         VK_MENU,
         KeyLParam(0x38),
         kAlt,
         {{HistoryColumn::Message, L"system key down"}, {HistoryColumn::Modifiers, L"4"}}},
        {"Alt+X types nothing", WM_SYSCHAR, L'x', KeyLParam(0x2D), kAlt, {}},
        {"Alt released",
         WM_SYSKEYUP,
         VK_MENU,
         KeyLParam(0x38, kReleased),
         0,
         {{HistoryColumn::Message, L"system key up"}}},
        {"dead key",
         WM_DEADCHAR,
         L'^',
         KeyLParam(0x29),
         0,
         {{HistoryColumn::Message, L"dead character"}, {HistoryColumn::AnsiCode, L"94"}}},
    };
    Open();
    std::vector<const Case*> rows;
    for (const Case& c : cases) {
        ToCaptureBox(c.msg, c.wp, c.lp, c.mask);
        if (!c.row.empty())
            rows.push_back(&c);
    }
    ASSERT_EQ(WaitForRows(static_cast<int>(rows.size())), static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (const auto& [column, text] : rows[r]->row)
            EXPECT_EQ(Cell(static_cast<int>(r), column), text)
                << rows[r]->what << ", column " << static_cast<int>(column);
}

TEST_F(KeyHistoryWindow, CodesTypedOrPastedAndTextSetFromOutsideAreNoKeyEvents) {
    Open();
    Type(Control::CharCodeBox, L"65");
    Type(Control::KeyHexBox, L"4F");
    Paste(Control::KeyCodeBox, L"13");
    SetWindowTextW(Window(Control::CaptureBox), L"Z");
    Pump();
    EXPECT_EQ(Text(Control::CharCodeBox), L"90") << "the boxes did their work";
    EXPECT_EQ(form().keyRecorder().history().size(), 0u);
    TypeKey(Control::CaptureBox, 'Q', L'q');
    EXPECT_EQ(WaitForRows(2), 2);
}

TEST_F(KeyHistoryWindow, KeepsTheNewestThousandInViewAndTheSelectionOnItsRecords) {
    Open();
    KeyUps(1000, 0);
    ASSERT_EQ(WaitForRows(1000), 1000);
    const int top = static_cast<int>(SendMessageW(List(), LVM_GETTOPINDEX, 0, 0));
    const int perPage = static_cast<int>(SendMessageW(List(), LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_GT(top, 0);
    EXPECT_GE(top + perPage, 1000) << "the newest row is in view";

    for (int row : {1, 500, 999})
        Select(row);
    const std::wstring key500 = Cell(500, HistoryColumn::KeyCode);
    const std::wstring key999 = Cell(999, HistoryColumn::KeyCode);
    KeyUps(3, 100);
    // Until the list takes the new records, each row still shows the record it showed.
    EXPECT_EQ(Cell(500, HistoryColumn::KeyCode), key500);
    history().BringUpToDate();
    EXPECT_EQ(Rows(), 1000);
    EXPECT_EQ(Selected(), (std::vector<int>{497, 996})) << "row 1 dropped out with its record";
    EXPECT_EQ(Cell(497, HistoryColumn::KeyCode), key500);
    EXPECT_EQ(Cell(996, HistoryColumn::KeyCode), key999);
    EXPECT_EQ(Cell(999, HistoryColumn::KeyCode), std::to_wstring(1 + 102 % 250));
}

// Grown or shrunk while scrolled to the end, the list shows other rows at every line: all of
// it must be painted again, not only the part the new size uncovered.
TEST_F(KeyHistoryWindow, ASizeChangeAtTheEndPaintsTheWholeListAgain) {
    Open();
    KeyUps(300, 0);
    ASSERT_EQ(WaitForRows(300), 300);
    RECT frame{};
    GetWindowRect(history().hwnd(), &frame);
    for (const int grow : {300, 0}) {
        UpdateWindow(List());
        SetWindowPos(history().hwnd(), nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top + grow, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT client{}, update{};
        GetClientRect(List(), &client);
        GetUpdateRect(List(), &update, FALSE);
        EXPECT_TRUE(EqualRect(&update, &client))
            << "grown by " << grow << ": " << update.left << "," << update.top << ","
            << update.right << "," << update.bottom;
    }
}

TEST_F(KeyHistoryWindow, CtrlCCopiesTheSelectedRowsCtrlASelectsAllDeleteAndClearEmpty) {
    Open();
    TypeKey(Control::CaptureBox, 'A', L'A', kShift);
    KeyDown(Control::CaptureBox, VK_F5);
    ASSERT_EQ(WaitForRows(3), 3);

    SetClipboardText(L"before");
    PressInList('C', kCtrl);
    EXPECT_EQ(ClipboardText(), L"before") << "nothing selected, nothing copied";
    Select(0);
    Select(2);
    PressInList('C', kCtrl);
    // A title line, then the two rows, tab-separated, without a line end after the last.
    const std::wstring copied = ClipboardText();
    const size_t firstEnd = copied.find(L"\r\n");
    const size_t secondEnd = copied.find(L"\r\n", firstEnd + 2);
    ASSERT_NE(secondEnd, std::wstring::npos) << "three lines";
    EXPECT_EQ(copied.find(L"\r\n", secondEnd + 2), std::wstring::npos) << "no more";
    EXPECT_EQ(copied.rfind(L"Elapsed (ms)\tMessage\tKey code\tHex\tConstant\tScan code", 0), 0u);
    EXPECT_NE(copied.find(L"\tkey down\t65\t41\t'A'\t"), std::wstring::npos);
    EXPECT_LT(copied.find(L"\tkey down\t65\t41\t'A'\t"), secondEnd);
    EXPECT_GT(copied.find(L"\tkey down\t116\t74\tVK_F5\t"), secondEnd) << "row 1 not copied";

    PressInList('K'); // typing looks for no row
    EXPECT_EQ(Selected(), (std::vector<int>{0, 2}));
    PressInList('A', kCtrl);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(form().keyRecorder().history().size(), 3u)
        << "keys pressed in the list are not captured";

    PressInList(VK_DELETE);
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(form().keyRecorder().history().size(), 0u);
    KeyDown(Control::CaptureBox, VK_F6);
    ASSERT_EQ(WaitForRows(1), 1);
    EXPECT_EQ(Cell(0, HistoryColumn::Elapsed), L"0") << "a fresh start";
    SendMessageW(history().hwnd(), WM_COMMAND, CommandId(HistoryCommand::Clear),
                 0); // the list's menu
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(form().keyRecorder().history().size(), 0u);
}

TEST_F(KeyHistoryWindow, TitleColumnsCellsAndMenuItemFollowTheLanguage) {
    EXPECT_EQ(MenuItem(), L"Key history");
    SendMessageW(form().hwnd(), WM_SYSCOMMAND, kMenuHungarian, 0);
    EXPECT_EQ(MenuItem(), kHungarianTitle);
    Open(); // made in the language chosen before
    KeyDown(Control::CaptureBox, VK_F5);
    ASSERT_EQ(WaitForRows(1), 1);
    for (const zintar::Language language :
         {zintar::Language::Hungarian, zintar::Language::English}) {
        const bool english = language == zintar::Language::English;
        if (english)
            SendMessageW(form().hwnd(), WM_SYSCOMMAND, kMenuEnglish, 0);
        EXPECT_EQ(ColumnTitle(0), english ? L"Elapsed (ms)" : L"Eltelt id\u0151 (ms)");
        EXPECT_EQ(ColumnTitle(static_cast<int>(HistoryColumn::Utf8)), L"UTF-8");
        EXPECT_EQ(ColumnTitle(static_cast<int>(HistoryColumn::Side)), english ? L"Side" : L"Oldal");
        EXPECT_EQ(Cell(0, HistoryColumn::Message), english ? L"key down" : L"billenty\u0171 le");
        EXPECT_EQ(Title(), english ? L"Key history" : kHungarianTitle);
        EXPECT_EQ(MenuItem(), english ? L"Key history" : kHungarianTitle);
    }
}

TEST_F(KeyHistoryWindow, ClosedItKeepsRecordingAndOpensAgainBesideStoringNothing) {
    Open();
    SetWindowPos(history().hwnd(), nullptr, 5, 5, 420, 260, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(history().hwnd(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_FALSE(history().IsOpen());
    EXPECT_TRUE(IsWindowVisible(form().hwnd()));
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));

    KeyDown(Control::CaptureBox, VK_F5);
    KeyDown(Control::CaptureBox, VK_F6);
    Open();
    EXPECT_EQ(Rows(), 2) << "at once";
    EXPECT_EQ(Cell(1, HistoryColumn::Combination), L"F6");
    EXPECT_TRUE(NextToTheMainWindow()) << "placed anew, not where it was moved";
    EXPECT_EQ(registry_.CallCount(RegistrySeam::Call::Create), 0);
    EXPECT_EQ(registry_.CallCount(RegistrySeam::Call::Set), 0);
}

} // namespace
} // namespace zintar::test

namespace zintar::test {
namespace {

// The key details pane, the columns chosen in the header's menu and copy as code.
class KeyDetails : public KeyHistoryWindow {
  protected:
    std::wstring PaneValue(DetailRow row) {
        wchar_t text[256]{};
        GetWindowTextW(history().pane().valueControl(row), text, 256);
        return text;
    }
    void Command(UINT command) { SendMessageW(history().hwnd(), WM_COMMAND, command, 0); }
    int ColumnWidth(HistoryColumn column) {
        return static_cast<int>(
            SendMessageW(List(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    }
};

TEST_F(KeyDetails, PaneFollowsTheSelectionElseTheNewestKey) {
    Open();
    EXPECT_EQ(PaneValue(DetailRow::VirtualKey), L"") << "no key yet";
    TypeKey(Control::CaptureBox, 'A', L'a');
    KeyDown(Control::CaptureBox, VK_F5, kCtrl | kShift);
    ASSERT_EQ(WaitForRows(3), 3);
    EXPECT_EQ(PaneValue(DetailRow::VirtualKey), L"116 0x74 VK_F5");
    EXPECT_EQ(PaneValue(DetailRow::WinFormsKeys), L"Keys.Control | Keys.Shift | Keys.F5");
    EXPECT_FALSE(PaneValue(DetailRow::Layout).empty()) << "the layout read for a new key";
    Select(1); // the character row: the key that typed it
    EXPECT_EQ(PaneValue(DetailRow::VirtualKey), L"65 0x41 'A'");
    EXPECT_EQ(PaneValue(DetailRow::LinuxEvdev), L"30 KEY_A");
    EXPECT_EQ(PaneValue(DetailRow::Shortcut), L"free");
    SendMessageW(form().hwnd(), WM_SYSCOMMAND, kMenuHungarian, 0);
    EXPECT_EQ(PaneValue(DetailRow::Shortcut), L"szabad");
    wchar_t caption[64]{};
    GetWindowTextW(history().pane().copyButton(), caption, 64);
    EXPECT_STREQ(caption, L"M\u00E1sol\u00E1s k\u00F3dk\u00E9nt");
    Command(CommandId(HistoryCommand::Clear));
    EXPECT_EQ(PaneValue(DetailRow::VirtualKey), L"");
}

TEST_F(KeyDetails, AHiddenColumnHasNoWidthAndNoCellsInTheCopy) {
    Open();
    KeyDown(Control::CaptureBox, VK_F5);
    ASSERT_EQ(WaitForRows(1), 1);
    Command(CommandId(HistoryColumn::Message));
    EXPECT_EQ(ColumnWidth(HistoryColumn::Message), 0);
    Select(0);
    PressInList('C', kCtrl);
    const std::wstring copied = ClipboardText();
    EXPECT_EQ(copied.rfind(L"Elapsed (ms)\tKey code\tHex\tConstant", 0), 0u);
    EXPECT_EQ(copied.find(L"key down"), std::wstring::npos);
    EXPECT_NE(copied.find(L"\t116\t74\tVK_F5\t"), std::wstring::npos);
    // Chosen again, it is back at a width that shows its title.
    Command(CommandId(HistoryColumn::Message));
    EXPECT_GT(ColumnWidth(HistoryColumn::Message), 20);
    PressInList('C', kCtrl);
    EXPECT_NE(ClipboardText().find(L"\tkey down\t116\t"), std::wstring::npos);
}

TEST_F(KeyDetails, CopyAsCodePutsTheSelectedKeysLineOnTheClipboard) {
    Open();
    KeyDown(Control::CaptureBox, VK_F5, kCtrl | kShift);
    KeyDown(Control::CaptureBox, VK_F6);
    ASSERT_EQ(WaitForRows(2), 2);
    Select(0);
    SetClipboardText(L"before");
    Command(CommandId(CodeLanguage::WinForms));
    const std::wstring line = ClipboardText();
    EXPECT_NE(line.find(L"Keys.Control | Keys.Shift | Keys.F5"), std::wstring::npos) << line.size();
    EXPECT_EQ(line.find(L'\n'), std::wstring::npos) << "one line";
    // The pane's button: every API's line.
    SendMessageW(history().hwnd(), WM_COMMAND, MAKEWPARAM(299, BN_CLICKED),
                 reinterpret_cast<LPARAM>(history().pane().copyButton()));
    const std::wstring all = ClipboardText();
    EXPECT_NE(all.find(L"Keys.Control | Keys.Shift | Keys.F5"), std::wstring::npos);
    EXPECT_NE(all.find(L"SDL_SCANCODE_F5"), std::wstring::npos);
    EXPECT_NE(all.find(L"AutoHotkey"), std::wstring::npos);
}

} // namespace
} // namespace zintar::test

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
    // round to the last value, which comes into view with its text selected.
    SendMessageW(Rows(), WM_VSCROLL, SB_TOP, 0);
    ASSERT_FALSE(SeenWhole(last));
    PressInList(VK_TAB);
    EXPECT_EQ(GetFocus(), history().pane().copyButton());
    PressInList(VK_TAB, kShift);
    EXPECT_EQ(GetFocus(), last);
    EXPECT_TRUE(SeenWhole(last));
    DWORD from = 1, to = 0;
    SendMessageW(last, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 4u) << "all of \"free\"";

    // Tall enough again: no scroll bar, every row in its place from the top.
    SetClientHeight(600);
    EXPECT_FALSE(GetWindowLongW(Rows(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(SeenWhole(last));
    EXPECT_TRUE(SeenWhole(history().pane().copyButton()));
    EXPECT_GT(InPane(history().pane().copyButton()).top, 0);
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
