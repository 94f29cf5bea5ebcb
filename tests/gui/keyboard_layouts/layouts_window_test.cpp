// The keyboard layouts window in this process, opened from the real main window, with the
// test layouts installed in the prefix (tests/unit/keyboard_layout/install_test_layouts.sh):
// the wiring of its list, keyboard, key table and shortcut check. What the cells say is the
// core's (tests/core/keyboard_layout); real keys and another process's reading are the
// end-to-end test's (tests/e2e/keyboard_layouts.sh).
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/gui/form_fixture.h"
#include "tests/gui/list_reading.h"
#include "tests/gui/msaa_reading.h"
#include "ui/key_history/history_window.h"
#include "ui/key_history/key_recorder.h"
#include "ui/keyboard_layouts/layouts_window.h"

namespace zintar::test {
namespace {

constexpr UINT kMenuHungarian = 0x0020;
constexpr wchar_t kLayoutsKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts\\";

constexpr LPARAM KeyLParam(BYTE scan, bool extended = false, bool up = false) {
    return 1 | (static_cast<LPARAM>(scan) << 16) | (extended ? LPARAM{1} << 24 : 0) |
           (up ? (LPARAM{3} << 30) : 0);
}

std::wstring TextOf(HWND window) {
    wchar_t text[512]{};
    GetWindowTextW(window, text, 512);
    return text;
}

class LayoutsWindowTest : public FormFixture {
  protected:
    LayoutsWindow& layouts() { return *form().layoutsWindow(); }
    void Open() {
        SendMessageW(form().hwnd(), WM_SYSCOMMAND, MainWindow::kKeyboardLayoutsCommand, 0);
        Pump();
        ASSERT_NE(form().layoutsWindow(), nullptr);
    }
    static int Rows(HWND list) {
        return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    }
    static std::wstring Cell(HWND list, int row, int column) {
        return test::ListCellText(list, row, column);
    }
    static std::wstring Title(HWND list, int column) { return test::ListColumnTitle(list, column); }
    // The first row whose cell in `column` is `text`; -1 for none.
    static int RowWith(HWND list, int column, const std::wstring& text) {
        for (int row = 0; row < Rows(list); ++row)
            if (Cell(list, row, column) == text)
                return row;
        return -1;
    }
    int LayoutRow(const wchar_t* klid) { return RowWith(layouts().layoutList(), 1, klid); }
    // A cell of the key table's row of a scan code ("21", "E0 1C"); columns as titled.
    std::wstring KeyCell(const wchar_t* scan, int column) {
        const HWND table = layouts().keyTable();
        const int row = RowWith(table, 0, scan);
        return row < 0 ? L"<no row " + std::wstring(scan) + L">" : Cell(table, row, column);
    }
    static constexpr int kAltGrColumn = 6, kKeyNameColumn = 10, kDeadKeyColumn = 9;
    std::wstring Verdict(const wchar_t* layout) {
        const HWND list = layouts().shortcutList();
        const int row = RowWith(list, 0, layout);
        return row < 0 ? L"<no row>" : Cell(list, row, 3);
    }
    void SelectFromOutside(int row) {
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(layouts().layoutList(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }
    // A key message through the queue and the message loop, as the system delivers it.
    void KeyTo(HWND window, UINT msg, WPARAM vk, LPARAM lp) {
        PostMessageW(window, msg, vk, lp);
        Pump();
    }
};

TEST_F(LayoutsWindowTest, OpensFromTheWindowMenuWithTheInstalledLayoutsAndLeavesTheKeyboard) {
    EXPECT_EQ(form().layoutsWindow(), nullptr) << "nothing of it at start-up";
    wchar_t item[64]{};
    GetMenuStringW(GetSystemMenu(form().hwnd(), FALSE), MainWindow::kKeyboardLayoutsCommand, item,
                   64, MF_BYCOMMAND);
    EXPECT_STREQ(item, L"Keyboard layouts");
    Open();
    EXPECT_TRUE(IsWindowVisible(layouts().hwnd()));
    EXPECT_EQ(GetFocus(), Window(Control::CaptureBox)) << "the capture box keeps the keyboard";
    const HWND list = layouts().layoutList();
    EXPECT_EQ(Title(list, 0), L"Layout");
    EXPECT_EQ(Title(list, 1), L"KLID");
    EXPECT_EQ(Title(list, 2), L"Layout file");
    const std::pair<const wchar_t*, const wchar_t*> installed[] = {
        {L"A07A0409", L"US (Zintar test)"},
        {L"A07A040E", L"Hungarian (Zintar test)"},
        {L"A07A0407", L"German (Zintar test)"},
        {L"A07A040C", L"French (Zintar test)"},
    };
    for (const auto& [klid, name] : installed) {
        const int row = LayoutRow(klid);
        ASSERT_GE(row, 0) << klid;
        // Wine lists every installed layout as loaded.
        EXPECT_EQ(Cell(list, row, 0), std::wstring(name) + L" (loaded)");
        EXPECT_NE(Cell(list, row, 2).find(L"ztkbd"), std::wstring::npos);
    }
    // The thread's own layout is marked, and the window opens on it.
    int active = -1;
    for (int row = 0; row < Rows(list); ++row)
        if (Cell(list, row, 0).find(L"(active)") != std::wstring::npos)
            active = row;
    ASSERT_GE(active, 0);
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), active);
}

// A row selected by another program (LVM_SETITEMSTATE), by the keyboard and by the mouse:
// each shows that layout, its keys in the table and on the drawn keyboard.
TEST_F(LayoutsWindowTest, SelectingALayoutShowsItWhoeverSelectsIt) {
    Open();
    const HWND list = layouts().layoutList();
    SelectFromOutside(LayoutRow(L"A07A040E"));
    EXPECT_EQ(KeyCell(L"21", kAltGrColumn), L"[");
    EXPECT_EQ(KeyCell(L"10", kAltGrColumn), L"\\");
    EXPECT_EQ(TextOf(layouts().keyboard().KeyWindow({0x21, false})), L"F: f, F, AltGr [");
    EXPECT_EQ(Read(layouts().keyboard().KeyWindow({0x21, false})).name, L"F: f, F, AltGr [")
        << "a screen reader names the key by its window's text";

    SetFocus(list);
    SendMessageW(list, WM_KEYDOWN, VK_HOME, 0);
    for (int i = 0; i < LayoutRow(L"A07A0407"); ++i)
        SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(KeyCell(L"10", kAltGrColumn), L"@") << "German by the keyboard";
    EXPECT_EQ(TextOf(layouts().keyboard().KeyWindow({0x15, false})), L"Z: z, Z");

    RECT row{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(LayoutRow(L"A07A040C")),
                 reinterpret_cast<LPARAM>(&row));
    const LPARAM at = MAKELPARAM(row.left + 10, (row.top + row.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(KeyCell(L"03", 3), L"\u00E9") << "French by the mouse";
}

TEST_F(LayoutsWindowTest, KeyTableInBothLanguages) {
    Open();
    SelectFromOutside(LayoutRow(L"A07A040E"));
    const HWND table = layouts().keyTable();
    const wchar_t* titles[] = {L"Scan code", L"Virtual key", L"DOM code", L"Plain",
                               L"Shift",     L"Ctrl",        L"AltGr",    L"Shift+AltGr",
                               L"Caps Lock", L"Dead key",    L"Key name"};
    for (int c = 0; c < 11; ++c)
        EXPECT_EQ(Title(table, c), titles[c]);
    EXPECT_EQ(KeyCell(L"E0 1C", 1), L"VK_RETURN");
    EXPECT_EQ(KeyCell(L"E0 1C", 2), L"NumpadEnter");
    EXPECT_EQ(KeyCell(L"E0 1C", kKeyNameColumn), L"Num Enter");
    EXPECT_EQ(KeyCell(L"0B", kDeadKeyColumn),
              L"\u02DD: o\u2192\u0151 u\u2192\u0171 O\u2192\u0150 U\u2192\u0170 space\u2192\u02DD");

    SendMessageW(form().hwnd(), WM_SYSCOMMAND, kMenuHungarian, 0);
    EXPECT_EQ(TextOf(layouts().hwnd()), L"Billenty\u0171zetkioszt\u00E1sok");
    EXPECT_EQ(Title(layouts().layoutList(), 0), L"Kioszt\u00E1s");
    EXPECT_EQ(Title(table, 1), L"Virtu\u00E1lis billenty\u0171");
    EXPECT_EQ(KeyCell(L"39", 3), L"sz\u00F3k\u00F6z");
    EXPECT_EQ(TextOf(layouts().heldNow()), L"most lenyomva: 0");
    EXPECT_EQ(TextOf(layouts().keyboard().KeyWindow({0x0B, false})),
              L"\u00D6: \u00F6, \u00D6, AltGr \u02DD (holt)");
}

// The main window's captured combination and one pressed in the window's own box, each judged
// on every layout; Ctrl+C copies the rows with the shortcut named.
TEST_F(LayoutsWindowTest, ShortcutCheckFromTheMainWindowAndFromItsOwnBox) {
    KeyDown(Control::CaptureBox, 'F', kCtrl | kAlt);
    Open();
    EXPECT_EQ(TextOf(layouts().shortcutBox()), L"Ctrl + Alt + F") << "as the main window shows";
    EXPECT_EQ(Verdict(L"Hungarian (Zintar test)"), L"AltGr collision: [");
    EXPECT_EQ(Verdict(L"US (Zintar test)"), L"works");

    SetModifiers(kCtrl);
    SendMessageW(layouts().shortcutBox(), WM_KEYDOWN, 'Z', KeyLParam(0x2C));
    SetModifiers(0);
    EXPECT_EQ(TextOf(layouts().shortcutBox()), L"Ctrl + Z");
    EXPECT_EQ(Verdict(L"German (Zintar test)").rfind(L"moved", 0), 0u);
    SendMessageW(layouts().shortcutBox(), WM_KEYDOWN, VK_SHIFT, KeyLParam(0x2A));
    EXPECT_EQ(TextOf(layouts().shortcutBox()), L"Ctrl + Z") << "a modifier alone is no shortcut";

    KeyDown(Control::CaptureBox, 'A', kCtrl);
    EXPECT_EQ(TextOf(layouts().shortcutBox()), L"Ctrl + A") << "each captured key is forwarded";

    SetClipboardText(L"before");
    SetFocus(layouts().shortcutList());
    SetModifiers(kCtrl);
    SendMessageW(layouts().shortcutList(), WM_KEYDOWN, 'C', 1);
    SetModifiers(0);
    wchar_t copied[2048]{};
    ASSERT_TRUE(OpenClipboard(nullptr));
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        wcsncpy(copied, static_cast<const wchar_t*>(GlobalLock(data)), 2047);
        GlobalUnlock(data);
    }
    CloseClipboard();
    const std::wstring text = copied;
    EXPECT_EQ(text.rfind(L"Layout\tShortcut\tKey\tTypes\tVerdict\r\n", 0), 0u);
    EXPECT_NE(text.find(L"German (Zintar test)\tCtrl + A\tKeyA (1E)\ta A\tworks\r\n"),
              std::wstring::npos);
}

// Keys pressed while Zintar is in front light up and are counted, whichever control has the
// keyboard (the window opens leaving it to the capture box): Alt as a system key included; a
// repeat counts once; another program coming to the front lets go of them all, and the check
// for lost key-ups runs only while a key is held.
TEST_F(LayoutsWindowTest, HeldKeysAreCountedWhileZintarIsInFront) {
    Open();
    SelectFromOutside(LayoutRow(L"A07A040E"));
    const HWND capture = Window(Control::CaptureBox);
    EXPECT_FALSE(layouts().keyboard().heldCheckRunning());
    KeyTo(capture, WM_KEYDOWN, 'A', KeyLParam(0x1E));
    KeyTo(layouts().layoutList(), WM_KEYDOWN, 'S', KeyLParam(0x1F));
    KeyTo(capture, WM_KEYDOWN, 'A', KeyLParam(0x1E) | (LPARAM{1} << 30)); // auto-repeat
    KeyTo(layouts().keyboard().hwnd(), WM_SYSKEYDOWN, VK_MENU, KeyLParam(0x38, true));
    EXPECT_EQ(TextOf(layouts().heldNow()), L"held now: 3");
    EXPECT_TRUE(layouts().keyboard().heldCheckRunning());
    KeyTo(capture, WM_SYSKEYUP, VK_MENU, KeyLParam(0x38, true, true));
    EXPECT_EQ(TextOf(layouts().heldNow()), L"held now: 2");
    SetFocus(layouts().layoutList());
    EXPECT_EQ(TextOf(layouts().heldNow()), L"held now: 2") << "the keyboard's focus is no matter";
    SendMessageW(layouts().hwnd(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(TextOf(layouts().heldNow()), L"held now: 0");
    EXPECT_FALSE(layouts().keyboard().heldCheckRunning());

    // Keys that only their messages say are down (nothing holds them): the check finds them
    // up and lets go of them.
    KeyTo(capture, WM_KEYDOWN, 'D', KeyLParam(0x20));
    EXPECT_EQ(TextOf(layouts().heldNow()), L"held now: 1");
    const ULONGLONG deadline = GetTickCount64() + 3000;
    while (layouts().keyboard().heldCount() > 0 && GetTickCount64() < deadline) {
        Pump();
        Sleep(20);
    }
    EXPECT_EQ(TextOf(layouts().heldNow()), L"held now: 0");
    EXPECT_FALSE(layouts().keyboard().heldCheckRunning());
}

// A registry entry whose DLL cannot be loaded: its row says why, and so does the place of the
// keyboard when it is chosen.
TEST_F(LayoutsWindowTest, ALayoutThatCannotBeReadShowsItsError) {
    const std::wstring key = std::wstring(kLayoutsKey) + L"A07AFFFF";
    const wchar_t file[] = L"ztnosuchfile.dll";
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"Layout File", REG_SZ, file,
                              sizeof(file)),
              ERROR_SUCCESS);
    Open();
    const int row = LayoutRow(L"A07AFFFF");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
    ASSERT_GE(row, 0);
    EXPECT_EQ(Cell(layouts().layoutList(), row, 2),
              L"ztnosuchfile.dll: the DLL could not be loaded (file, error 126)");
    SelectFromOutside(row);
    EXPECT_TRUE(IsWindowVisible(layouts().problem()));
    EXPECT_FALSE(IsWindowVisible(layouts().keyboard().hwnd()));
    EXPECT_EQ(TextOf(layouts().problem()),
              L"ztnosuchfile.dll: the DLL could not be loaded (file, error 126)");
    EXPECT_EQ(Rows(layouts().keyTable()), 0);
    SelectFromOutside(LayoutRow(L"A07A0409"));
    EXPECT_TRUE(IsWindowVisible(layouts().keyboard().hwnd()));
}

// The key details pane's button opens the window too, through the main window's command.
TEST_F(LayoutsWindowTest, TheKeyDetailsPaneOpensIt) {
    SendMessageW(form().hwnd(), WM_SYSCOMMAND, MainWindow::kKeyHistoryCommand, 0);
    Pump();
    const HWND button = form().keyRecorder().window().pane().layoutsButton();
    EXPECT_EQ(TextOf(button), L"Keyboard layouts");
    SendMessageW(button, BM_CLICK, 0, 0);
    Pump();
    ASSERT_NE(form().layoutsWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(layouts().hwnd()));
}

} // namespace
} // namespace zintar::test
