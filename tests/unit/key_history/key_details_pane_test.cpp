// The key details pane without a window in front: its controls in a message-only window, the
// layout and the hotkey probe answered by the test, which counts the reads. Which texts the
// rows show is the core's (tests/core/key_history/key_details_test.cpp); here, what the pane
// asks of the system and when.
#include "ui/key_history/key_details_pane.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/key_history/key_event.h"
#include "tests/support/input_double.h"

namespace zintar::test {
namespace {

constexpr uint32_t kWasDown = 1u << 30, kReleased = kWasDown | (1u << 31);
constexpr uint8_t kCtrlHeld = 2; // a key message's modifier bits: 1 Shift, 2 Ctrl, 4 Alt

class DetailsPane : public ::testing::Test {
  protected:
    void SetUp() override {
        parent_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr);
        ASSERT_NE(parent_, nullptr);
        ASSERT_TRUE(pane_.Create(parent_, GetModuleHandleW(nullptr), nullptr));
        pane_.Place(0, 400, 96);
    }
    void TearDown() override { DestroyWindow(parent_); }

    // A key message into the history; the pane then shows the newest key-down, as the window
    // shows it with nothing selected.
    void Key(KeyMessage message, uint8_t vk, uint8_t scan, uint32_t flags = 0, uint8_t mods = 0) {
        history_.Add({message, vk, 1u | (uint32_t{scan} << 16) | flags, 0, mods, kNoAnsiCode});
        Show();
    }
    void Show() {
        rows_.Reset();
        pane_.Show(history_, DetailsSubjectOf(rows_, std::nullopt));
    }
    // What a reader sees in a row's value control.
    std::wstring Value(DetailRow row) const {
        wchar_t text[256]{};
        GetWindowTextW(pane_.valueControl(row), text, 256);
        return text;
    }

    HWND parent_ = nullptr;
    InputDouble input_;
    KeyHistory history_;
    KeyRows rows_{history_};
    KeyDetailsPane pane_{input_};
};

// Auto-repeat and a key pressed again show the same key on the same layout: what it types is
// read once, not at every key message of the stream. Another key, or another layout, is read
// anew.
TEST_F(DetailsPane, ReadsTheLayoutOnceForAStreamOfOneKey) {
    Key(KeyMessage::KeyDown, 'A', 0x1E);
    for (int i = 0; i < 5; ++i)
        Key(KeyMessage::KeyDown, 'A', 0x1E, kWasDown);
    Key(KeyMessage::KeyUp, 'A', 0x1E, kReleased);
    Key(KeyMessage::KeyDown, 'A', 0x1E);
    EXPECT_EQ(input_.identityReads, 1);
    EXPECT_EQ(input_.keyReads, std::vector<UINT>{'A'});
    EXPECT_EQ(Value(DetailRow::Layout), L"0000040E Hungarian") << "the layout that was read";
    EXPECT_EQ(Value(DetailRow::CodePages), L"ANSI 1250, OEM 852");

    Key(KeyMessage::KeyDown, 'B', 0x30);
    EXPECT_EQ(input_.keyReads, (std::vector<UINT>{'A', 'B'}));
    input_.layout = reinterpret_cast<HKL>(static_cast<uintptr_t>(0x04090409));
    input_.identity = {L"00000409", L"US", 1252, 437};
    Key(KeyMessage::KeyDown, 'B', 0x30);
    EXPECT_EQ(input_.keyReads, (std::vector<UINT>{'A', 'B', 'B'}));
    EXPECT_EQ(input_.identityReads, 3);
    EXPECT_EQ(Value(DetailRow::Layout), L"00000409 US");
}

// Reading what a key types can take up a dead key still waiting for its base: no read while
// the newest record is a dead character.
TEST_F(DetailsPane, ReadsNoLayoutWhileADeadKeyWaitsForItsBase) {
    history_.Add({KeyMessage::KeyDown, 0xDD, 1u | (0x1Au << 16), 0, 0, kNoAnsiCode});
    history_.Add({KeyMessage::DeadChar, L'^', 1u | (0x1Au << 16), 0, 0, 94});
    Show();
    EXPECT_TRUE(input_.keyReads.empty());
    EXPECT_EQ(Value(DetailRow::Layout), L"");
    Key(KeyMessage::KeyUp, 0xDD, 0x1A, kReleased);
    EXPECT_EQ(input_.keyReads, std::vector<UINT>{0xDD});
}

// Registering a combination while its keys are held can take the press from its owner: the
// shortcut is probed once no key is down, and a stream of the same combination is probed once.
TEST_F(DetailsPane, ProbesTheShortcutOnceNoKeyIsDown) {
    input_.hotkey = HotkeyAnswer::Taken;
    input_.anyKeyDown = true;
    Key(KeyMessage::KeyDown, VK_F5, 0x3F, 0, kCtrlHeld);
    EXPECT_TRUE(input_.probes.empty());
    EXPECT_EQ(Value(DetailRow::Shortcut), L"checked once no key is down");
    input_.anyKeyDown = false;
    Show(); // the window's next update
    ASSERT_EQ(input_.probes.size(), 1u);
    EXPECT_EQ(input_.probes[0].virtualKey, VK_F5);
    EXPECT_EQ(input_.probes[0].modifiers, kHotkeyCtrl);
    EXPECT_EQ(Value(DetailRow::Shortcut), L"taken by another program");
    Show();
    Key(KeyMessage::KeyDown, VK_F5, 0x3F, 0, kCtrlHeld);
    EXPECT_EQ(input_.probes.size(), 1u) << "the same combination again";
}

// A cleared history numbers its records from the start again: the first key after the clear
// is another key, though it has the number of the one shown before.
TEST_F(DetailsPane, AClearedHistoryShowsItsFirstKeyAnew) {
    Key(KeyMessage::KeyDown, 'A', 0x1E);
    EXPECT_EQ(Value(DetailRow::VirtualKey), L"65 0x41 'A'");
    history_.Clear();
    Key(KeyMessage::KeyDown, 'B', 0x30);
    EXPECT_EQ(Value(DetailRow::VirtualKey), L"66 0x42 'B'");
    EXPECT_EQ(input_.keyReads, (std::vector<UINT>{'A', 'B'}));
}

// Where the registry names the active layout's DLL (here the Hungarian test layout, as Windows
// names kbdhu.dll for 0000040E), what a key types comes from the layout's own tables: the
// AltGr states and dead keys, without ToUnicodeEx and so without waiting for a dead key to
// be used up; each layout is read once. Where no DLL can be read, ToUnicodeEx answers as
// before.
TEST_F(DetailsPane, TypedRowsComeFromTheActiveLayoutsOwnTables) {
    input_.identity = {L"A07A040E", L"Hungarian (Zintar test)", 1250, 852};
    Key(KeyMessage::KeyDown, 'F', 0x21);
    EXPECT_EQ(Value(DetailRow::TypesPlain), L"f");
    EXPECT_EQ(Value(DetailRow::TypesAltGr), L"[");
    history_.Add({KeyMessage::KeyDown, 0xC0, 1u | (0x0Bu << 16), 0, 6, kNoAnsiCode});
    history_.Add({KeyMessage::DeadChar, L'\u02DD', 1u | (0x0Bu << 16), 0, 6, 733});
    Show();
    EXPECT_EQ(Value(DetailRow::TypesAltGr), L"\u02DD (dead)");
    EXPECT_EQ(Value(DetailRow::DeadKey).rfind(L"AltGr: o\u2192\u0151 u\u2192\u0171", 0), 0u);
    EXPECT_TRUE(input_.keyReads.empty()) << "no ToUnicodeEx";
    EXPECT_EQ(input_.layoutReads, std::vector<std::wstring>{L"A07A040E"});

    input_.layout = reinterpret_cast<HKL>(static_cast<uintptr_t>(0x04090409));
    input_.identity = {L"00000409", L"US", 1252, 437};
    Key(KeyMessage::KeyDown, 'B', 0x30);
    Key(KeyMessage::KeyDown, 'C', 0x2E);
    EXPECT_EQ(input_.keyReads, (std::vector<UINT>{'B', 'C'}));
    EXPECT_EQ(input_.layoutReads, (std::vector<std::wstring>{L"A07A040E", L"00000409"}));
}

} // namespace
} // namespace zintar::test
