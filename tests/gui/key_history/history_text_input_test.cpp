// Text that reaches the capture box without a keystroke of its own, through the real window:
// the input method's composition, sent text, WM_UNICHAR and WM_APPCOMMAND become rows in the
// order the box received them, and the characters reach the main window as typed ones. One
// case per way in; what each row says is the core's (tests/core/key_history/).
#include "tests/gui/key_history/history_window_fixture.h"

#include <imm.h>

#include <cstdio>

namespace zintar::test {
namespace {

// What the capture box reads of its input context, answered by the test where Wine's null
// driver gives the box no context at all.
class FakeInputMethod final : public win32::InputMethod {
  public:
    std::wstring composition, result;
    int32_t cursor = -1;
    bool open = false;

    win32::ImeComposition Composition(HWND, DWORD flags) const override {
        win32::ImeComposition read;
        if (flags & GCS_COMPSTR)
            read.composition = composition;
        if (flags & GCS_RESULTSTR)
            read.result = result;
        if (flags & (GCS_CURSORPOS | GCS_COMPSTR))
            read.cursor = cursor;
        return read;
    }
    std::optional<bool> OpenStatus(HWND) const override { return open; }
    std::optional<DWORD> ConversionMode(HWND) const override { return std::nullopt; }
    BYTE KeyBehindProcessKey(HWND) const override { return 'N'; }
};

class TextInput : public KeyHistoryWindow {
  protected:
    void UseFakeInputMethod() {
        inputMethod_ = &ime_;
        Restart();
    }
    // Message and Note of each row, the character for character rows: "IME character 日".
    std::vector<std::wstring> RowTexts() {
        std::vector<std::wstring> texts;
        for (int r = 0; r < Rows(); ++r) {
            std::wstring text = Cell(r, HistoryColumn::Message);
            for (HistoryColumn column : {HistoryColumn::Character, HistoryColumn::Note})
                if (const std::wstring cell = Cell(r, column); !cell.empty())
                    text += L" " + cell;
            texts.push_back(text);
        }
        return texts;
    }

    FakeInputMethod ime_;
};

// The input method opens, composes "にほ" and completes it. With Wine's input method (an X
// display) the system sends the messages; under the null driver, which has none, the test
// sends the same messages in the same order, as Wine's input method sends them.
TEST_F(TextInput, TheCompositionAndItsResultCharactersComeAsRowsInOrder) {
    const HWND box = Window(Control::CaptureBox);
    if (HIMC probe = ImmGetContext(box)) {
        ImmReleaseContext(box, probe);
    } else {
        UseFakeInputMethod();
    }
    Open();
    SetFocus(Window(Control::CaptureBox));
    Pump();
    const HWND capture = Window(Control::CaptureBox);
    const std::wstring nihon = L"\u306B\u307B";
    if (HIMC context = ImmGetContext(capture)) {
        std::puts("input method: the system's"); // the end-to-end run looks for it
        ImmSetOpenStatus(context, TRUE);
        ImmSetCompositionStringW(context, SCS_SETSTR, const_cast<wchar_t*>(nihon.c_str()),
                                 static_cast<DWORD>(nihon.size() * sizeof(wchar_t)), nullptr, 0);
        ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
        ImmReleaseContext(capture, context);
    } else {
        ime_.open = true;
        SendMessageW(capture, WM_IME_NOTIFY, IMN_SETOPENSTATUS, 0);
        SendMessageW(capture, WM_IME_STARTCOMPOSITION, 0, 0);
        ime_.composition = nihon;
        ime_.cursor = 2;
        SendMessageW(capture, WM_IME_COMPOSITION, nihon[0],
                     GCS_COMPSTR | GCS_COMPATTR | GCS_COMPCLAUSE | GCS_DELTASTART);
        ime_.composition.clear();
        ime_.cursor = 0;
        ime_.result = nihon;
        SendMessageW(capture, WM_IME_COMPOSITION, 0, GCS_COMPSTR);
        SendMessageW(capture, WM_IME_COMPOSITION, nihon[0], GCS_RESULTSTR | GCS_RESULTCLAUSE);
        for (wchar_t c : nihon)
            SendMessageW(capture, WM_IME_CHAR, c, 1); // what the input method's window sends
        SendMessageW(capture, WM_IME_ENDCOMPOSITION, 0, 0);
    }
    Pump(); // the WM_CHARs that WM_IME_CHAR's default handling posts
    ASSERT_EQ(WaitForRows(10), 10);
    EXPECT_EQ(RowTexts(), (std::vector<std::wstring>{
                              L"IME notice IME open",
                              L"IME composition start",
                              L"IME composition composition \"\u306B\u307B\", cursor 2",
                              L"IME composition composition \"\", cursor 0",
                              L"IME composition result \"\u306B\u307B\"",
                              L"IME character \u306B",
                              L"IME character \u307B",
                              L"IME composition end",
                              L"character \u306B",
                              L"character \u307B",
                          }));
    // The result reached the main window as typed characters, and the box kept none of it:
    // "ほ" has no code in code page 1252.
    EXPECT_EQ(Text(Control::CaptureBox), L"");
    EXPECT_EQ(State().codes.character, -1);
}

TEST_F(TextInput, AKeyTheInputMethodTookNamesTheKeyBehindIt) {
    UseFakeInputMethod();
    Open();
    ToCaptureBox(WM_KEYDOWN, VK_PROCESSKEY, KeyLParam(0x31));
    ASSERT_EQ(WaitForRows(1), 1);
    EXPECT_EQ(Cell(0, HistoryColumn::Constant), L"VK_PROCESSKEY");
    EXPECT_EQ(Cell(0, HistoryColumn::Note), L"the IME took 'N'");
}

// Text sent with SendInput's KEYEVENTF_UNICODE: a VK_PACKET key-down with the unit in lParam's
// high word, then the character.
TEST_F(TextInput, SentTextIsARowWithItsCharacterAndNoKey) {
    Open();
    ToCaptureBox(WM_KEYDOWN, VK_PACKET, (LPARAM{0x0151} << 16) | 1);
    ToCaptureBox(WM_CHAR, 0x0151, 1);
    ToCaptureBox(WM_KEYUP, VK_PACKET, (LPARAM{0x0151} << 16) | 1);
    ASSERT_EQ(WaitForRows(3), 3);
    EXPECT_EQ(Cell(0, HistoryColumn::Constant), L"VK_PACKET");
    EXPECT_EQ(Cell(0, HistoryColumn::ScanCode), L"") << "not E0 51, PageDown";
    EXPECT_EQ(Cell(0, HistoryColumn::DomCode), L"");
    EXPECT_EQ(Cell(0, HistoryColumn::Character), L"\u0151");
    EXPECT_EQ(Cell(1, HistoryColumn::Note), L"sent text");
    EXPECT_EQ(State().codes.character, -1) << "as a typed \u0151 under code page 1252";
}

// WM_UNICHAR: TRUE to the probe, which is no row; a character beyond U+FFFF comes whole and
// reaches the main window as a typed one; a surrogate is refused.
TEST_F(TextInput, Utf32CharactersAreTakenAndTheProbeIsAnswered) {
    Open();
    const HWND box = Window(Control::CaptureBox);
    EXPECT_EQ(SendMessageW(box, WM_UNICHAR, UNICODE_NOCHAR, 0), TRUE);
    EXPECT_EQ(SendMessageW(box, WM_UNICHAR, 0x1F600, 1), FALSE);
    EXPECT_EQ(SendMessageW(box, WM_UNICHAR, 0xD800, 1), FALSE);
    SendMessageW(box, WM_UNICHAR, L'\u00E9', 1);
    ASSERT_EQ(WaitForRows(2), 2);
    EXPECT_EQ(Cell(0, HistoryColumn::Message), L"UTF-32 character");
    EXPECT_EQ(Cell(0, HistoryColumn::Utf8), L"F0 9F 98 80");
    EXPECT_EQ(Cell(1, HistoryColumn::Unicode), L"U+00E9");
    EXPECT_EQ(Text(Control::CharCodeBox), L"233") << "the main window shows the character";
}

// An application command reaches the capture box first and then its parent, the main window:
// one row. The mouse's X button makes one through the box's default handling under Wine; a
// key's, which Wine does not make, comes as Windows sends it.
TEST_F(TextInput, AnApplicationCommandIsOneRowWithItsSource) {
    Open();
    const HWND box = Window(Control::CaptureBox);
    SendMessageW(box, WM_XBUTTONUP, MAKEWPARAM(0, XBUTTON1), 0);
    SendMessageW(box, WM_APPCOMMAND, reinterpret_cast<WPARAM>(box),
                 MAKELPARAM(0, APPCOMMAND_VOLUME_MUTE | FAPPCOMMAND_KEY));
    ASSERT_EQ(WaitForRows(2), 2);
    EXPECT_EQ(Cell(0, HistoryColumn::Note), L"APPCOMMAND_BROWSER_BACKWARD (1), from the mouse");
    EXPECT_EQ(Cell(1, HistoryColumn::Note), L"APPCOMMAND_VOLUME_MUTE (8), from a key");
    EXPECT_EQ(Cell(1, HistoryColumn::Message), L"application command");
}

} // namespace
} // namespace zintar::test
