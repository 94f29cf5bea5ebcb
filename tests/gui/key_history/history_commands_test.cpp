// The key history window's commands and menus: the list's keys and menu commands, the
// columns chosen in the header's menu, copy as code, and the texts of both languages. The
// Menu key and a right click are the end-to-end test's (tests/e2e/key_history.sh).
#include "tests/gui/key_history/history_window_fixture.h"

namespace zintar::test {
namespace {

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

TEST_F(KeyHistoryWindow, AHiddenColumnHasNoWidthAndNoCellsInTheCopy) {
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

TEST_F(KeyHistoryWindow, CopyAsCodePutsTheSelectedKeysLineOnTheClipboard) {
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
