// The key history window's list: how the window opens, which messages become rows, the
// newest thousand with the selection on its records, painting after a new size, and closing
// and opening again. Real keys and the double click are the end-to-end test's
// (tests/e2e/key_history.sh).
#include "tests/gui/key_history/history_window_fixture.h"

#include <utility>

namespace zintar::test {
namespace {

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
