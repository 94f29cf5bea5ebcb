#pragma once
// The key history window in this process, opened from the real main window: the helpers of
// its tests, which read the list, the pane and the clipboard back as a user or a reader
// would see them.
#include "tests/gui/form_fixture.h"
#include "tests/gui/list_reading.h"

#include <string>
#include <vector>

#include "core/key_history/key_history_text.h"
#include "ui/key_history/history_command.h"
#include "ui/key_history/history_window.h"
#include "ui/key_history/key_recorder.h"

namespace zintar::test {

inline constexpr UINT kMenuEnglish = 0x0010;
inline constexpr UINT kMenuHungarian = 0x0020;
inline constexpr LPARAM kWasDown = 1 << 30;
inline constexpr LPARAM kReleased = (1 << 30) | (LPARAM{1} << 31);
inline constexpr wchar_t kHungarianTitle[] = L"Billenty\u0171napl\u00F3";

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
    // A cell and a column title of a list of the window, as a reader gets them.
    static std::wstring CellOf(HWND list, int row, int column) {
        return test::ListCellText(list, row, column);
    }
    static std::wstring ColumnTitleOf(HWND list, int column) {
        return test::ListColumnTitle(list, column);
    }
    std::wstring Cell(int row, HistoryColumn column) {
        return CellOf(List(), row, static_cast<int>(column));
    }
    std::wstring ColumnTitle(int column) { return ColumnTitleOf(List(), column); }
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
    // A command of the window's menus, as the menu sends it.
    void Command(UINT command) { SendMessageW(history().hwnd(), WM_COMMAND, command, 0); }
    int ColumnWidth(HistoryColumn column) {
        return static_cast<int>(
            SendMessageW(List(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
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

} // namespace zintar::test
