// The key history window's details pane, wired to the list: it follows the selection, else
// the newest key, in the language chosen. What it reads of the system and when is the unit
// test's (tests/unit/key_history/key_details_pane_test.cpp).
#include "tests/gui/key_history/history_window_fixture.h"

namespace zintar::test {
namespace {

// The key details pane beside the list.
class KeyDetails : public KeyHistoryWindow {
  protected:
    std::wstring PaneValue(DetailRow row) {
        wchar_t text[256]{};
        GetWindowTextW(history().pane().valueControl(row), text, 256);
        return text;
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

// Another program's WM_SETTEXT into a value is no fact about the key: the pane shows its own
// text again at once, so a reader and a copy never meet a text the pane did not write.
TEST_F(KeyDetails, AValueSetFromOutsideShowsThePanesTextAgain) {
    Open();
    KeyDown(Control::CaptureBox, VK_F5, kCtrl | kShift);
    ASSERT_EQ(WaitForRows(1), 1);
    const HWND value = history().pane().valueControl(DetailRow::VirtualKey);
    SendMessageW(value, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"999 forged"));
    EXPECT_EQ(PaneValue(DetailRow::VirtualKey), L"116 0x74 VK_F5");
}

} // namespace
} // namespace zintar::test
