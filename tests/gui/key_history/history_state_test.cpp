// The key history window's time and state: the key state section's list, fed by the hook's
// view through the route watch and read on the window's timer, and the chatter threshold
// chosen from the list's menu. Real keys and a key another program left down are the
// end-to-end test's (tests/e2e/key_state.sh).
#include "tests/gui/key_history/history_window_fixture.h"

#include <array>

#include "core/key_state/key_state_captions.h"
#include "platform/window/scoped_handles.h"
#include "ui/key_history/history_menus.h"

namespace zintar::test {
namespace {

constexpr uint16_t kF13Scan = 0x64;

class KeyStateSection : public KeyHistoryWindow {
  protected:
    HWND StateList() { return history().keyState().hwnd(); }
    static std::wstring TextOf(HWND window) {
        wchar_t text[128]{};
        GetWindowTextW(window, text, 128);
        return text;
    }
    // The row of the key state list that names a key, or -1.
    int StateRowOf(std::wstring_view key) {
        const int rows = static_cast<int>(SendMessageW(StateList(), LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row)
            if (CellOf(StateList(), row, 0) == key)
                return row;
        return -1;
    }
    // "GetKeyState|GetAsyncKeyState|Hook|Stuck" of a key's row, once it has a stuck cell that
    // begins with `stuck` (within 3 s, through the message loop and the window's timer).
    std::wstring StuckRow(std::wstring_view key, std::wstring_view stuck) {
        const ULONGLONG deadline = GetTickCount64() + 3000;
        std::wstring row;
        do {
            Pump();
            Sleep(20);
            const int at = StateRowOf(key);
            if (at < 0)
                continue;
            row = CellOf(StateList(), at, 1) + L"|" + CellOf(StateList(), at, 2) + L"|" +
                  CellOf(StateList(), at, 3) + L"|" + CellOf(StateList(), at, 4);
        } while (row.find(stuck) == std::wstring::npos && GetTickCount64() < deadline);
        return row;
    }
    void Hook(bool up) {
        form().keyRecorder().routeWatch().OnHookEvent(
            {{VK_F13, kF13Scan, false, up, GetTickCount()}, true, false, 0});
    }
};

// A program's key-down that the window never received: only the hook holds the key, which
// shows as stuck once the views had time to agree, with the view that holds it.
TEST_F(KeyStateSection, AKeyOnlyTheHookHoldsIsStuckInTheSectionInBothLanguages) {
    Open();
    ASSERT_TRUE(form().keyRecorder().routeWatch().gathering()) << "Zintar is in front";
    EXPECT_EQ(TextOf(history().keyState().title()), L"Key state");
    EXPECT_EQ(TextOf(StateList()), L"Key state") << "the list's own name, for readers";
    const std::array<std::wstring, 5> titles{L"Key", L"GetKeyState", L"GetAsyncKeyState", L"Hook",
                                             L"Stuck"};
    for (size_t c = 0; c < titles.size(); ++c)
        EXPECT_EQ(ColumnTitleOf(StateList(), static_cast<int>(c)), titles[c]);
    EXPECT_GE(StateRowOf(L"VK_CAPITAL"), 0) << "the toggle keys are listed";
    EXPECT_FALSE(form().keyRecorder().tracker().timerRunning()) << "nothing is held";

    Hook(false);
    EXPECT_TRUE(form().keyRecorder().tracker().timerRunning());
    const std::wstring row = StuckRow(L"VK_F13", L"yes: only Hook, ");
    EXPECT_EQ(row.rfind(L"up|up|down|yes: only Hook, ", 0), 0u) << testing::PrintToString(row);

    SendMessageW(form().hwnd(), WM_SYSCOMMAND, kMenuHungarian, 0);
    EXPECT_EQ(TextOf(history().keyState().title()), L"Billenty\u0171\u00E1llapot");
    EXPECT_EQ(ColumnTitleOf(StateList(), 4), L"Beragadt");
    EXPECT_NE(StuckRow(L"VK_F13", L"igen: csak Hook, ").find(L"igen: csak Hook, "),
              std::wstring::npos);
    SendMessageW(form().hwnd(), WM_SYSCOMMAND, kMenuEnglish, 0);

    Hook(true);
    const ULONGLONG deadline = GetTickCount64() + 3000;
    while (form().keyRecorder().tracker().timerRunning() && GetTickCount64() < deadline) {
        Pump();
        Sleep(20);
    }
    EXPECT_FALSE(form().keyRecorder().tracker().timerRunning()) << "nothing held: no timer";
    EXPECT_EQ(StateRowOf(L"VK_F13"), -1);
    EXPECT_GE(StateRowOf(L"VK_CAPITAL"), 0);
}

TEST_F(KeyHistoryWindow, AChatterThresholdChosenFromTheMenuJudgesTheRowsShown) {
    Open();
    const auto key = [this](bool up, uint32_t at) {
        form().keyRecorder().OnKeyMessage(
            {up ? KeyMessage::KeyUp : KeyMessage::KeyDown, 'A',
             static_cast<uint32_t>(KeyLParam(0x1E, up ? kReleased : 0)), at, 0, kNoAnsiCode});
    };
    key(false, 1000);
    key(true, 1005);
    key(false, 1045);
    ASSERT_EQ(WaitForRows(3), 3);
    EXPECT_EQ(Cell(1, HistoryColumn::Held), L"5");
    EXPECT_EQ(Cell(2, HistoryColumn::SinceRelease), L"40");
    EXPECT_EQ(Cell(2, HistoryColumn::Chatter), L"") << "40 ms is a press at the default 30 ms";
    ValidateRect(List(), nullptr);
    Command(ChatterCommandId(3));
    EXPECT_EQ(Cell(2, HistoryColumn::Chatter), L"yes") << "below 50 ms";
    EXPECT_TRUE(GetUpdateRect(List(), nullptr, FALSE)) << "the rows shown are painted again";
    Command(ChatterCommandId(0));
    EXPECT_EQ(Cell(2, HistoryColumn::Chatter), L"") << "not below 10 ms";

    // The menu's choices under their title in the language, the threshold in force checked.
    win32::ScopedMenu menu;
    ASSERT_TRUE(AppendChatterMenu(menu.get(), Language::Hungarian, {50}));
    wchar_t text[64]{};
    GetMenuStringW(menu.get(), 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"Perg\u00E9si k\u00FCsz\u00F6b");
    const HMENU choices = GetSubMenu(menu.get(), 0);
    const std::array<std::wstring, 5> names{L"10 ms", L"20 ms", L"30 ms", L"50 ms", L"100 ms"};
    ASSERT_EQ(GetMenuItemCount(choices), static_cast<int>(names.size()));
    for (UINT i = 0; i < names.size(); ++i) {
        GetMenuStringW(choices, i, text, 64, MF_BYPOSITION);
        EXPECT_EQ(text, names[i]);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_FTYPE;
        GetMenuItemInfoW(choices, i, TRUE, &info);
        EXPECT_EQ((info.fState & MFS_CHECKED) != 0, i == 3) << i;
        EXPECT_EQ((info.fType & MFT_RADIOCHECK) != 0, i == 3) << "a round check mark";
    }
}

} // namespace
} // namespace zintar::test
