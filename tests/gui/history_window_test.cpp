// The key history window in this process: how it opens, which messages become rows, its keys
// and commands, its languages, closing it, and where it is placed.
#include "tests/gui/form_fixture.h"

#include <string>
#include <utility>
#include <vector>

#include "core/key_history_text.h"
#include "ui/history_window.h"

namespace zintar::test {
namespace {

constexpr UINT kMenuEnglish = 0x0010;
constexpr UINT kMenuHungarian = 0x0020;
constexpr LPARAM kExtended = 1 << 24;
constexpr LPARAM kWasDown = 1 << 30;
constexpr LPARAM kContext = 1 << 29; // Alt held
constexpr LPARAM kReleased = (1 << 30) | (LPARAM{1} << 31);

constexpr LPARAM KeyLParam(BYTE scan, LPARAM flags = 0) {
    return 1 | (static_cast<LPARAM>(scan) << 16) | flags;
}

std::wstring WindowTitle(HWND hwnd) {
    wchar_t title[128]{};
    GetWindowTextW(hwnd, title, 128);
    return title;
}

class KeyHistoryWindow : public FormFixture {
  protected:
    HistoryWindow& history() { return form().keyHistoryWindow(); }
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
    int Rows() { return static_cast<int>(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }
    // The list takes new records a moment after they arrive, through the message loop as in
    // the program; the test waits for that moment, not for a fixed time.
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
    std::wstring MenuItem() {
        wchar_t text[64]{};
        GetMenuStringW(GetSystemMenu(form().hwnd(), FALSE), MainWindow::kKeyHistoryCommand, text,
                       64, MF_BYCOMMAND);
        return text;
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
        for (int row = -1;
             (row = static_cast<int>(SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                                  LVNI_SELECTED))) != -1;)
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
    // Key-ups add rows without touching the read-outs: the quickest way to many records.
    void KeyUps(int count, int firstCode) {
        for (int i = 0; i < count; ++i)
            ToCaptureBox(WM_KEYUP, 1 + (firstCode + i) % 250, KeyLParam(0x1E, kReleased));
    }
};

TEST_F(KeyHistoryWindow, OpensFromTheWindowMenuBesideTheMainWindowAndLeavesTheFocus) {
    EXPECT_EQ(history().hwnd(), nullptr) << "made only when first asked for";
    EXPECT_EQ(MenuItem(), L"Key history");
    SetFocus(Window(Control::CaptureBox));
    Open();
    ASSERT_TRUE(history().IsOpen());
    EXPECT_EQ(GetWindow(history().hwnd(), GW_OWNER), form().hwnd());
    EXPECT_EQ(GetActiveWindow(), form().hwnd());
    EXPECT_EQ(GetFocus(), Window(Control::CaptureBox));
    EXPECT_EQ(WindowTitle(history().hwnd()), L"Key history");

    RECT main{}, side{};
    GetWindowRect(form().hwnd(), &main);
    GetWindowRect(history().hwnd(), &side);
    EXPECT_TRUE(side.left == main.right || side.right == main.left)
        << side.left << " " << side.right << " against " << main.left << " " << main.right;
    EXPECT_EQ(side.top, main.top);
    EXPECT_GE(side.bottom - side.top, main.bottom - main.top);

    const auto style = GetWindowLongPtrW(List(), GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_NE(style & LVS_OWNERDATA, 0);
    const HWND header = reinterpret_cast<HWND>(SendMessageW(List(), LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), kHistoryColumnCount);
    for (int c = 0; c < kHistoryColumnCount; ++c)
        EXPECT_EQ(ColumnTitle(c),
                  HistoryColumnTitle(static_cast<HistoryColumn>(c), zintar::Language::English));
}

TEST_F(KeyHistoryWindow, ADoubleClickOnThePressedKeysOpensIt) {
    const HWND pressedKeys = Window(Control::CombinationReadOut);
    // Without this class style the system never turns two clicks into a double click.
    EXPECT_NE(GetClassLongPtrW(pressedKeys, GCL_STYLE) & CS_DBLCLKS, 0u);
    auto doubleClick = [](HWND target) {
        for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            SendMessageW(target, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(4, 4));
    };
    doubleClick(Window(Control::ModifiersReadOut));
    EXPECT_FALSE(history().IsOpen()) << "the shift read-out opens nothing";
    doubleClick(pressedKeys);
    EXPECT_TRUE(history().IsOpen());
    EXPECT_EQ(GetActiveWindow(), form().hwnd());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(KeyHistoryWindow, EveryKeyMessageOfTheCaptureBoxIsOneRow) {
    using Cells = std::vector<std::pair<HistoryColumn, std::wstring>>;
    struct Case {
        const char* what;
        UINT msg;
        WPARAM wp;
        LPARAM lp;
        short mask;
        Cells row; // empty: no row
    };
    const Case cases[] = {
        {"left Shift",
         WM_KEYDOWN,
         VK_SHIFT,
         KeyLParam(0x2A),
         kShift,
         {{HistoryColumn::Message, L"key down"},
          {HistoryColumn::KeyCode, L"16"},
          {HistoryColumn::Side, L"left"},
          {HistoryColumn::Modifiers, L"1"}}},
        {"right Shift",
         WM_KEYDOWN,
         VK_SHIFT,
         KeyLParam(0x36),
         kShift,
         {{HistoryColumn::Side, L"right"}, {HistoryColumn::SideKey, L"161 VK_RSHIFT"}}},
        {"Numpad Enter",
         WM_KEYDOWN,
         VK_RETURN,
         KeyLParam(0x1C, kExtended),
         0,
         {{HistoryColumn::ScanCode, L"E0 1C"}, {HistoryColumn::Extended, L"yes"}}},
        {"Enter",
         WM_KEYDOWN,
         VK_RETURN,
         KeyLParam(0x1C),
         0,
         {{HistoryColumn::ScanCode, L"1C"}, {HistoryColumn::Extended, L"no"}}},
        {"a Western character",
         WM_CHAR,
         L'\u00E9',
         KeyLParam(0x28),
         0,
         {{HistoryColumn::Message, L"character"},
          {HistoryColumn::Character, L"\u00E9"},
          {HistoryColumn::AnsiCode, L"233"},
          {HistoryColumn::KeyCode, L""}}},
        {"a character code page 1252 lacks",
         WM_CHAR,
         L'\u0151',
         KeyLParam(0x1A),
         0,
         {{HistoryColumn::Unicode, L"U+0151"}, {HistoryColumn::AnsiCode, L""}}},
        {"auto-repeat",
         WM_KEYDOWN,
         'A',
         KeyLParam(0x1E, kWasDown),
         0,
         {{HistoryColumn::AutoRepeat, L"yes"}}},
        {"key up",
         WM_KEYUP,
         'A',
         KeyLParam(0x1E, kReleased),
         0,
         {{HistoryColumn::Message, L"key up"}, {HistoryColumn::Combination, L"A"}}},
        {"Alt",
         WM_SYSKEYDOWN,
         VK_MENU,
         KeyLParam(0x38, kContext),
         kAlt,
         {{HistoryColumn::Message, L"system key down"}, {HistoryColumn::Modifiers, L"4"}}},
        {"Alt+X types nothing", WM_SYSCHAR, L'x', KeyLParam(0x2D, kContext), kAlt, {}},
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
         {{HistoryColumn::Message, L"dead character"},
          {HistoryColumn::Character, L"^"},
          {HistoryColumn::AnsiCode, L"94"}}},
        {"Menu key",
         WM_KEYDOWN,
         VK_APPS,
         KeyLParam(0x5D, kExtended),
         0,
         {{HistoryColumn::Constant, L"VK_APPS"}}},
        {"the Menu key's menu request", WM_CONTEXTMENU, 0, -1, 0, {}},
    };
    Open();
    std::vector<const Case*> rows;
    for (const Case& c : cases) {
        const WPARAM wp =
            c.msg == WM_CONTEXTMENU ? reinterpret_cast<WPARAM>(Window(Control::CaptureBox)) : c.wp;
        ToCaptureBox(c.msg, wp, c.lp, c.mask);
        if (!c.row.empty())
            rows.push_back(&c);
    }
    ASSERT_EQ(WaitForRows(static_cast<int>(rows.size())), static_cast<int>(rows.size()));
    EXPECT_EQ(form().keyHistory().size(), rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        SCOPED_TRACE(rows[r]->what);
        for (const auto& [column, text] : rows[r]->row)
            EXPECT_EQ(Cell(static_cast<int>(r), column), text)
                << HistoryColumnTitle(column, zintar::Language::English).data();
    }
    // The newest row is in view.
    const int top = static_cast<int>(SendMessageW(List(), LVM_GETTOPINDEX, 0, 0));
    const int perPage = static_cast<int>(SendMessageW(List(), LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_GE(top + perPage, static_cast<int>(rows.size()));
}

TEST_F(KeyHistoryWindow, CodesTypedOrPastedAndTextSetFromOutsideAreNoKeyEvents) {
    Open();
    Type(Control::CharCodeBox, L"65");
    Type(Control::KeyHexBox, L"4F");
    Paste(Control::KeyCodeBox, L"13");
    SetWindowTextW(Window(Control::CaptureBox), L"Z");
    Pump();
    EXPECT_EQ(Text(Control::CharCodeBox), L"90") << "the boxes did their work";
    EXPECT_EQ(form().keyHistory().size(), 0u);
    EXPECT_EQ(WaitForRows(0), 0);
    // The same window takes a key at once.
    TypeKey(Control::CaptureBox, 'Q', L'q');
    EXPECT_EQ(WaitForRows(2), 2);
}

TEST_F(KeyHistoryWindow, KeepsTheNewestThousandWithTheNewestAtTheBottomInView) {
    Open();
    KeyUps(1005, 0);
    ASSERT_EQ(WaitForRows(1000), 1000);
    EXPECT_EQ(Cell(0, HistoryColumn::KeyCode), std::to_wstring(1 + 5 % 250));
    EXPECT_EQ(Cell(999, HistoryColumn::KeyCode), std::to_wstring(1 + 1004 % 250));
    const int top = static_cast<int>(SendMessageW(List(), LVM_GETTOPINDEX, 0, 0));
    const int perPage = static_cast<int>(SendMessageW(List(), LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_GT(top, 0);
    EXPECT_GE(top + perPage, 1000);
}

TEST_F(KeyHistoryWindow, TheSelectionStaysWithItsRecordsWhenTheOldestDrop) {
    Open();
    KeyUps(1000, 0);
    ASSERT_EQ(WaitForRows(1000), 1000);
    Select(1);
    Select(500);
    Select(999);
    const std::wstring key500 = Cell(500, HistoryColumn::KeyCode);
    const std::wstring key999 = Cell(999, HistoryColumn::KeyCode);
    KeyUps(3, 100);
    // Until the list takes the new records, each row still shows the record it showed.
    EXPECT_EQ(Cell(500, HistoryColumn::KeyCode), key500);
    history().BringUpToDate();
    EXPECT_EQ(Selected(), (std::vector<int>{497, 996})) << "row 1 dropped out with its record";
    EXPECT_EQ(Cell(497, HistoryColumn::KeyCode), key500);
    EXPECT_EQ(Cell(996, HistoryColumn::KeyCode), key999);
    EXPECT_EQ(Cell(999, HistoryColumn::KeyCode), std::to_wstring(1 + 102 % 250));
}

TEST_F(KeyHistoryWindow, CtrlCCopiesTheSelectedRowsCtrlASelectsAllAndDeleteEmptiesTheList) {
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
    std::wstring expected;
    for (int row : {-1, 0, 2}) {
        if (row >= 0)
            expected += L"\r\n";
        for (int c = 0; c < kHistoryColumnCount; ++c) {
            const auto column = static_cast<HistoryColumn>(c);
            expected +=
                (c > 0 ? L"\t" : L"") +
                (row < 0 ? std::wstring(HistoryColumnTitle(column, zintar::Language::English))
                         : Cell(row, column));
        }
    }
    EXPECT_EQ(ClipboardText(), expected) << "the rows as the list shows them, under a title line";

    PressInList('K'); // a letter looks for no row
    EXPECT_EQ(Selected(), (std::vector<int>{0, 2}));
    PressInList('A', kCtrl);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(form().keyHistory().size(), 3u) << "keys pressed in the list are not captured";

    PressInList(VK_DELETE);
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(form().keyHistory().size(), 0u);
    KeyDown(Control::CaptureBox, VK_F6);
    ASSERT_EQ(WaitForRows(1), 1);
    EXPECT_EQ(Cell(0, HistoryColumn::Elapsed), L"0") << "a fresh start";
    EXPECT_EQ(Selected(), std::vector<int>{});

    // The list's menu sends the same command.
    SendMessageW(history().hwnd(), WM_COMMAND, HistoryWindow::kClear, 0);
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(form().keyHistory().size(), 0u);
}

TEST_F(KeyHistoryWindow, TitleColumnsCellsAndMenuItemFollowTheLanguage) {
    SendMessageW(form().hwnd(), WM_SYSCOMMAND, kMenuHungarian, 0);
    EXPECT_EQ(MenuItem(), L"Billenty\u0171napl\u00F3");
    Open(); // made in the language chosen before
    EXPECT_EQ(WindowTitle(history().hwnd()), L"Billenty\u0171napl\u00F3");
    KeyDown(Control::CaptureBox, VK_F5);
    ASSERT_EQ(WaitForRows(1), 1);
    for (const zintar::Language language :
         {zintar::Language::Hungarian, zintar::Language::English}) {
        const bool english = language == zintar::Language::English;
        if (english)
            SendMessageW(form().hwnd(), WM_SYSCOMMAND, kMenuEnglish, 0);
        for (int c = 0; c < kHistoryColumnCount; ++c)
            EXPECT_EQ(ColumnTitle(c), HistoryColumnTitle(static_cast<HistoryColumn>(c), language));
        EXPECT_EQ(Cell(0, HistoryColumn::Message), english ? L"key down" : L"billenty\u0171 le");
        EXPECT_EQ(WindowTitle(history().hwnd()),
                  english ? L"Key history" : L"Billenty\u0171napl\u00F3");
        EXPECT_EQ(MenuItem(), english ? L"Key history" : L"Billenty\u0171napl\u00F3");
    }
}

TEST_F(KeyHistoryWindow, ClosingHidesItKeepsTheMainWindowAndStoresNothing) {
    Open();
    const HWND window = history().hwnd();
    SetWindowPos(window, nullptr, 5, 5, 420, 260, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_FALSE(history().IsOpen());
    EXPECT_TRUE(IsWindowVisible(form().hwnd()));
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));

    // Keys pressed while it is closed are kept and shown when it opens again, beside the main
    // window again.
    KeyDown(Control::CaptureBox, VK_F5);
    KeyDown(Control::CaptureBox, VK_F6);
    Open();
    EXPECT_EQ(history().hwnd(), window);
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(Cell(1, HistoryColumn::Combination), L"F6");
    RECT main{}, side{};
    GetWindowRect(form().hwnd(), &main);
    GetWindowRect(window, &side);
    EXPECT_TRUE(side.left == main.right || side.right == main.left);

    EXPECT_EQ(registry_.CallCount(FakeRegistry::Call::Create), 0);
    EXPECT_EQ(registry_.CallCount(FakeRegistry::Call::Set), 0);
}

// Counts the popup menus this thread opens (the system's menu window class "#32768") and
// closes each soon after: a menu's modal loop would otherwise wait for the user forever.
class MenuWatch {
  public:
    MenuWatch() {
        active_ = this;
        hook_ = SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId());
    }
    ~MenuWatch() {
        UnhookWindowsHookEx(hook_);
        active_ = nullptr;
    }
    MenuWatch(const MenuWatch&) = delete;
    MenuWatch& operator=(const MenuWatch&) = delete;
    bool hooked() const { return hook_ != nullptr; }
    int opened() const { return opened_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
        if (code == HCBT_CREATEWND && active_) {
            wchar_t name[16]{};
            GetClassNameW(reinterpret_cast<HWND>(wp), name, 16);
            if (std::wstring_view(name) == L"#32768") {
                ++active_->opened_;
                SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
                    KillTimer(nullptr, id);
                    EndMenu();
                });
            }
        }
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    static inline MenuWatch* active_ = nullptr;
    HHOOK hook_ = nullptr;
    int opened_ = 0;
};

TEST_F(KeyHistoryWindow, TheMenuKeyAndShiftF10OpenNoMenuInTheCaptureBox) {
    const HWND box = Window(Control::CaptureBox);
    SetFocus(box);
    MenuWatch watch;
    ASSERT_TRUE(watch.hooked());
    Open();
    ToCaptureBox(WM_KEYDOWN, VK_APPS, KeyLParam(0x5D, kExtended));
    ToCaptureBox(WM_KEYUP, VK_APPS, KeyLParam(0x5D, kExtended | kReleased));
    ToCaptureBox(WM_SYSKEYDOWN, VK_F10, KeyLParam(0x44), kShift);
    SendMessageW(box, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), -1);
    Pump();
    EXPECT_EQ(watch.opened(), 0);
    EXPECT_EQ(Text(Control::CombinationReadOut), L"Shift + F10");
    ASSERT_EQ(WaitForRows(3), 3);
    EXPECT_EQ(Cell(0, HistoryColumn::KeyCode), L"93");
    EXPECT_EQ(Cell(1, HistoryColumn::Message), L"key up");
    EXPECT_EQ(Cell(2, HistoryColumn::Combination), L"Shift + F10");
    // A right click still opens the box's own menu: the watch does see menus.
    RECT r{};
    GetWindowRect(box, &r);
    SendMessageW(box, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box),
                 MAKELPARAM(r.left + 5, r.top + 5));
    Pump();
    EXPECT_EQ(watch.opened(), 1);
}

TEST(HistoryWindowPlace, BesideTheOwnerInsideTheWorkArea) {
    struct Case {
        const char* what;
        RECT owner;
        RECT work;
        RECT expected;
    };
    const SIZE preferred{600, 400};
    const int minWidth = 240;
    const RECT screen{0, 0, 1024, 768};
    const Case cases[] = {
        {"centred: the room on the right", {331, 259, 692, 509}, screen, {692, 259, 1024, 659}},
        {"at the left edge", {0, 100, 361, 350}, screen, {361, 100, 961, 500}},
        {"at the right edge: left of it", {663, 100, 1024, 350}, screen, {63, 100, 663, 500}},
        {"no room either side: over it at the right edge",
         {220, 100, 580, 350},
         {0, 0, 800, 600},
         {200, 100, 800, 500}},
        {"a tall owner sets the height", {0, 0, 361, 600}, screen, {361, 0, 961, 600}},
        {"near the bottom: moved up", {331, 600, 692, 760}, screen, {692, 368, 1024, 768}},
        {"owner partly off the left", {-200, 100, 161, 350}, screen, {161, 100, 761, 500}},
        {"owner off the right", {900, 100, 1261, 350}, screen, {300, 100, 900, 500}},
        {"second monitor", {1355, 0, 1716, 250}, {1024, 0, 2048, 768}, {1716, 0, 2048, 400}},
        {"work area smaller than the window",
         {100, 50, 300, 200},
         {0, 0, 500, 300},
         {0, 0, 500, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RECT got = PlaceBeside(c.owner, c.work, preferred, minWidth);
        EXPECT_EQ(got.left, c.expected.left);
        EXPECT_EQ(got.top, c.expected.top);
        EXPECT_EQ(got.right, c.expected.right);
        EXPECT_EQ(got.bottom, c.expected.bottom);
    }
}

} // namespace
} // namespace zintar::test
