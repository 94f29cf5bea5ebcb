#include "ui/history_window.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "core/captions.h"
#include "core/key_history_text.h"
#include "core/key_names.h"
#include "platform/common_controls.h"
#include "platform/keyboard.h"
#include "platform/window_class.h"
#include "platform/window_thunk.h"
#include "ui/layout.h"
#include "ui/resource_ids.h"

namespace zintar {

namespace {

constexpr wchar_t kHistoryWindowClass[] = L"Zintar.KeyHistory";
// A frame the user can size and maximise; minimised, an owned window would only sit in a
// corner of the desktop.
constexpr DWORD kHistoryWindowStyle = WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX;
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA |
                             LVS_SHOWSELALWAYS | LVS_NOSORTHEADER;
constexpr DWORD kListExStyle = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER;
constexpr int kListId = 100;

// Under Wine every change of the list's row count redraws its scroll bars four times, some
// tens of milliseconds on a busy machine, and a key press brings up to three records.
// Waiting this long for more changes the list once for several presses of a stream of keys
// (auto-repeat sends about 30 a second), while a row still appears within a tenth of a
// second of its key. After an update the list also rests three times as long as that update
// took, so that it never takes more than a quarter of the time of a stream of keys: a key
// press then costs at most a third more than with the window closed, however slowly the
// machine draws.
constexpr UINT_PTR kUpdateTimerId = 1;
constexpr ULONGLONG kUpdateDelayMs = 100;
constexpr ULONGLONG kRestPerUpdate = 3;

// Design sizes in twips, like the main window's.
constexpr int kPreferredWidthTwips = 12000;
constexpr int kPreferredHeightTwips = 6000;
constexpr int kMinimumWidthTwips = 3600;
constexpr int kColumnPaddingTwips = 270; // the list's own margins around a cell's text

// The keys that the menu shows beside its commands; named alike in both languages.
constexpr wchar_t kCopyKeys[] = L"\tCtrl+C";
constexpr wchar_t kSelectAllKeys[] = L"\tCtrl+A";
constexpr wchar_t kClearKeys[] = L"\tDel";

constexpr int kNoItem = -1;
constexpr LPARAM kFromKeyboard = -1; // WM_CONTEXTMENU's position when no pointer asked

// Records whose texts are as wide as the widest that a column usually shows (system key
// messages of an extended key with every modifier held, a dead character beyond the first
// plane), so that each column starts wide enough for its rows in either language.
constexpr std::array<KeyEventRecord, 3> kWideRecords{{
    {99999, 0, KeyMessage::SysKeyDown, VK_DELETE, 0x53, true, true, 65535, KeySide::Right, VK_RMENU,
     kModifierShift | kModifierCtrl | kModifierAlt, kNoAnsiCode},
    {99999, 0, KeyMessage::SysKeyUp, VK_DELETE, 0x53, true, true, 65535, KeySide::Right, VK_RMENU,
     kModifierShift | kModifierCtrl | kModifierAlt, kNoAnsiCode},
    {99999, 0x1F600, KeyMessage::DeadChar, 0, 0x53, true, true, 65535, KeySide::None, 0,
     kModifierShift | kModifierCtrl | kModifierAlt, 255},
}};

bool RegisterHistoryClass(HINSTANCE instance) {
    return win32::EnsureWindowClass(win32::IconWindowClass(
        instance, kHistoryWindowClass, &win32::WindowThunk<HistoryWindow>, IDI_ZINTAR));
}

// A popup menu, destroyed with its items when the scope ends.
class ScopedMenu {
  public:
    ScopedMenu() : menu_(CreatePopupMenu()) {}
    ~ScopedMenu() {
        if (menu_)
            DestroyMenu(menu_);
    }
    ScopedMenu(const ScopedMenu&) = delete;
    ScopedMenu& operator=(const ScopedMenu&) = delete;
    HMENU get() const { return menu_; }

  private:
    HMENU menu_;
};

// The clipboard, open for one window for the length of a scope.
class ClipboardSession {
  public:
    explicit ClipboardSession(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~ClipboardSession() {
        if (open_)
            CloseClipboard();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    bool open() const { return open_; }

  private:
    bool open_;
};

// The text as the clipboard's only content. The memory belongs to the clipboard once it took
// it, and is freed here if it did not.
bool PutOnClipboard(HWND owner, const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return false;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    ClipboardSession clipboard(owner);
    if (!clipboard.open() || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

void SetRowState(HWND list, int row, UINT state, UINT mask) {
    LVITEMW item{};
    item.stateMask = mask;
    item.state = state;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int NextRow(HWND list, int after, UINT flags) {
    return static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(after), MAKELPARAM(flags, 0)));
}

} // namespace

RECT PlaceBeside(const RECT& owner, const RECT& workArea, SIZE preferred, int minWidth) {
    const int workWidth = std::max(0L, workArea.right - workArea.left);
    const int workHeight = std::max(0L, workArea.bottom - workArea.top);
    const int roomRight = workArea.right - owner.right;
    const int roomLeft = owner.left - workArea.left;
    int width = std::clamp<int>(preferred.cx, 0, workWidth);
    int left = workArea.right - width;
    if (roomRight >= minWidth) {
        width = std::min(width, roomRight);
        left = owner.right;
    } else if (roomLeft >= minWidth) {
        width = std::min(width, roomLeft);
        left = owner.left - width;
    }
    const int height =
        std::clamp<int>(std::max<int>(preferred.cy, owner.bottom - owner.top), 0, workHeight);
    // An owner partly off the screen must not take the window with it.
    left = std::clamp<int>(left, workArea.left, workArea.left + workWidth - width);
    const int top = std::clamp<int>(owner.top, workArea.top, workArea.top + workHeight - height);
    return {left, top, left + width, top + height};
}

HistoryWindow::HistoryWindow(KeyHistory& history) : history_(history) {}

HistoryWindow::~HistoryWindow() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool HistoryWindow::IsOpen() const {
    return hwnd_ && IsWindowVisible(hwnd_);
}

bool HistoryWindow::Open(HINSTANCE instance, HWND owner) {
    if (!hwnd_ && !Create(instance, owner))
        return false;
    if (IsOpen()) {
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return true;
    }
    RECT ownerRect{};
    GetWindowRect(owner, &ownerRect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    const RECT place =
        PlaceBeside(ownerRect, monitor.rcWork,
                    {TwipsToPixels(kPreferredWidthTwips), TwipsToPixels(kPreferredHeightTwips)},
                    TwipsToPixels(kMinimumWidthTwips));
    SetWindowPos(hwnd_, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The rows recorded while the window was closed, then the newest in view, before the
    // first paint.
    ShowAllRows();
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    return true;
}

bool HistoryWindow::Create(HINSTANCE instance, HWND owner) {
    if (!EnsureCommonControls() || !RegisterHistoryClass(instance))
        return false;
    // Owned by the main window: above it, gone with it, and not a window of its own on the
    // taskbar.
    if (!CreateWindowExW(0, kHistoryWindowClass, L"", kHistoryWindowStyle, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance,
                         this))
        return false;
    RECT client{};
    GetClientRect(hwnd_, &client);
    list_ =
        CreateWindowExW(0, WC_LISTVIEWW, L"", kListStyle, 0, 0, client.right, client.bottom, hwnd_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), instance, nullptr);
    if (!list_) {
        DestroyWindow(hwnd_);
        return false;
    }
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, kListExStyle, kListExStyle);
    for (int c = 0; c < kHistoryColumnCount; ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_SUBITEM;
        column.iSubItem = c;
        column.pszText = const_cast<wchar_t*>(L"");
        SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&column));
    }
    ApplyLanguage();
    return true;
}

void HistoryWindow::SetLanguage(Language language) {
    language_ = language;
    if (hwnd_)
        ApplyLanguage();
}

void HistoryWindow::ApplyLanguage() {
    SetWindowTextW(hwnd_, std::wstring(CaptionsOf(language_).keyHistory).c_str());
    for (int c = 0; c < kHistoryColumnCount; ++c) {
        std::wstring title(HistoryColumnTitle(static_cast<HistoryColumn>(c), language_));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = title.data();
        SendMessageW(list_, LVM_SETCOLUMNW, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&column));
    }
    FitColumns();
    InvalidateRect(list_, nullptr, TRUE); // the message names and yes / no follow too
}

// Each column as wide as its title or the widest sample text in the list's font, whichever
// is wider.
void HistoryWindow::FitColumns() {
    const int padding = TwipsToPixels(kColumnPaddingTwips);
    auto textWidth = [this](const std::wstring& text) {
        return static_cast<int>(
            SendMessageW(list_, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
    };
    for (int c = 0; c < kHistoryColumnCount; ++c) {
        const auto column = static_cast<HistoryColumn>(c);
        int width = textWidth(std::wstring(HistoryColumnTitle(column, language_)));
        for (const KeyEventRecord& record : kWideRecords)
            width = std::max(width, textWidth(HistoryCellText(record, column, language_)));
        SendMessageW(list_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(c),
                     MAKELPARAM(width + padding, 0));
    }
}

// The list shows the history anew: every row, nothing selected, the newest in view.
void HistoryWindow::ShowAllRows() {
    StopPendingUpdate();
    SetRowState(list_, kNoItem, 0, LVIS_SELECTED | LVIS_FOCUSED);
    shownSize_ = history_.size();
    shownAdded_ = history_.addedCount();
    SendMessageW(list_, LVM_SETITEMCOUNT, shownSize_, 0);
    ScrollToNewest();
}

void HistoryWindow::OnRecordsAdded() {
    if (!IsOpen() || updatePending_)
        return;
    const ULONGLONG now = GetTickCount64();
    const ULONGLONG delay = std::max(kUpdateDelayMs, restUntil_ > now ? restUntil_ - now : 0);
    updatePending_ = SetTimer(hwnd_, kUpdateTimerId, static_cast<UINT>(delay), nullptr) != 0;
    if (!updatePending_)
        BringUpToDate(); // no timer to wait for: at once
}

void HistoryWindow::StopPendingUpdate() {
    if (updatePending_ && hwnd_)
        KillTimer(hwnd_, kUpdateTimerId);
    updatePending_ = false;
}

void HistoryWindow::BringUpToDate() {
    StopPendingUpdate();
    if (!IsOpen())
        return;
    const ULONGLONG start = GetTickCount64();
    ShowNewRows();
    // Drawn now, so that the drawing counts in the time the update took.
    UpdateWindow(list_);
    const ULONGLONG end = GetTickCount64();
    restUntil_ = end + kRestPerUpdate * (end - start);
}

void HistoryWindow::ShowNewRows() {
    const size_t size = history_.size();
    const uint64_t added = history_.addedCount();
    // A history that started again, or more records than it keeps since the last look: no
    // row of the list still stands for the record it showed.
    if (added < shownAdded_ || added - shownAdded_ > KeyHistory::kCapacity) {
        ShowAllRows();
        return;
    }
    const size_t dropped = shownSize_ + static_cast<size_t>(added - shownAdded_) - size;
    if (size != shownSize_)
        SendMessageW(list_, LVM_SETITEMCOUNT, size, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    shownSize_ = size;
    shownAdded_ = added;
    if (dropped > 0)
        KeepSelectionOnRecords(dropped);
    ScrollToNewest();
    if (dropped > 0 && size > 0) {
        // Every row shown now holds the record that stood below it.
        const int top = static_cast<int>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0));
        const int perPage = static_cast<int>(SendMessageW(list_, LVM_GETCOUNTPERPAGE, 0, 0));
        const int last = std::min(top + perPage, static_cast<int>(size) - 1);
        SendMessageW(list_, LVM_REDRAWITEMS, static_cast<WPARAM>(top), last);
    }
}

// How many of the records the list shows have dropped out of the history since its last
// update; all of them when the history started again.
size_t HistoryWindow::RowsDroppedSinceUpdate() const {
    const uint64_t added = history_.addedCount();
    if (added < shownAdded_)
        return shownSize_;
    const uint64_t dropped = shownSize_ + (added - shownAdded_) - history_.size();
    return static_cast<size_t>(std::min<uint64_t>(dropped, shownSize_));
}

// The record a row of the list stands for. Until the next update the rows keep showing the
// records they showed, though the oldest may have dropped and the others moved in the
// history; a row whose record dropped has none.
std::optional<size_t> HistoryWindow::RecordOfRow(int row) const {
    if (row < 0 || static_cast<size_t>(row) >= shownSize_)
        return std::nullopt;
    const size_t dropped = RowsDroppedSinceUpdate();
    if (static_cast<size_t>(row) < dropped)
        return std::nullopt;
    const size_t record = static_cast<size_t>(row) - dropped;
    if (record >= history_.size())
        return std::nullopt;
    return record;
}

// Once the oldest records drop, every record moves up by as many rows; the selection and the
// focus move with their records, and leave with those that dropped.
void HistoryWindow::KeepSelectionOnRecords(size_t dropped) {
    const int focused = NextRow(list_, kNoItem, LVNI_FOCUSED);
    const int mark = static_cast<int>(SendMessageW(list_, LVM_GETSELECTIONMARK, 0, 0));
    const std::vector<size_t> selected = SelectedRows();
    if (selected.empty() && focused == kNoItem)
        return;
    SetRowState(list_, kNoItem, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (size_t row : selected)
        if (row >= dropped)
            SetRowState(list_, static_cast<int>(row - dropped), LVIS_SELECTED, LVIS_SELECTED);
    const int shift = static_cast<int>(dropped);
    if (focused >= shift)
        SetRowState(list_, focused - shift, LVIS_FOCUSED, LVIS_FOCUSED);
    SendMessageW(list_, LVM_SETSELECTIONMARK, 0, mark >= shift ? mark - shift : kNoItem);
}

void HistoryWindow::ScrollToNewest() {
    if (shownSize_ > 0)
        SendMessageW(list_, LVM_ENSUREVISIBLE, shownSize_ - 1, FALSE);
}

std::vector<size_t> HistoryWindow::SelectedRows() const {
    std::vector<size_t> rows;
    for (int row = NextRow(list_, kNoItem, LVNI_SELECTED); row != kNoItem;
         row = NextRow(list_, row, LVNI_SELECTED)) {
        if (static_cast<size_t>(row) >= shownSize_ ||
            (!rows.empty() && row <= static_cast<int>(rows.back())))
            break; // never past the rows shown, never round again
        rows.push_back(static_cast<size_t>(row));
    }
    return rows;
}

LRESULT HistoryWindow::HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCCREATE:
        hwnd_ = hwnd;
        break;
    case WM_SIZE:
        if (list_)
            MoveWindow(list_, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_SETFOCUS:
        // Activated by a click on its frame, the window hands the keyboard to its list.
        if (list_)
            SetFocus(list_);
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lp));
    case WM_CONTEXTMENU: {
        const auto from = reinterpret_cast<HWND>(wp);
        if (list_ && (from == list_ || IsChild(list_, from))) {
            ShowMenu(lp);
            return 0;
        }
        break;
    }
    case WM_COMMAND:
        if (lp == 0) // a menu's, not a control's
            Run(LOWORD(wp));
        return 0;
    case WM_TIMER:
        if (wp == kUpdateTimerId)
            BringUpToDate();
        return 0;
    case WM_CLOSE:
        // Closed, the window only hides: the main window and the history go on, and the next
        // opening is quick.
        StopPendingUpdate();
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        list_ = nullptr;
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT HistoryWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom != list_)
        return 0;
    switch (header.code) {
    case LVN_GETDISPINFOW: {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item;
        if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0)
            return 0;
        std::wstring text;
        const std::optional<size_t> record = RecordOfRow(item.iItem);
        if (record && item.iSubItem >= 0 && item.iSubItem < kHistoryColumnCount)
            text = HistoryCellText(history_.at(*record), static_cast<HistoryColumn>(item.iSubItem),
                                   language_);
        const size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax) - 1);
        std::wmemcpy(item.pszText, text.data(), length);
        item.pszText[length] = L'\0';
        return 0;
    }
    case LVN_ODFINDITEMW:
        // Typing in the list looks for no row: the rows are records, not names.
        return kNoItem;
    case LVN_KEYDOWN:
        OnKeyDown(reinterpret_cast<const NMLVKEYDOWN*>(&header)->wVKey);
        return 0;
    default:
        return 0;
    }
}

void HistoryWindow::OnKeyDown(WORD key) {
    const int modifiers = ModifiersOfKeyMessage();
    if (modifiers == kModifierCtrl && (key == 'C' || key == VK_INSERT))
        Run(kCopy);
    else if (modifiers == kModifierCtrl && key == 'A')
        Run(kSelectAll);
    else if (modifiers == 0 && key == VK_DELETE)
        Run(kClear);
}

// At the pointer, or under the focused row (or the list's corner) when a key asked.
void HistoryWindow::ShowMenu(LPARAM screenPoint) {
    BringUpToDate();
    POINT at{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
    if (screenPoint == kFromKeyboard) {
        RECT row{LVIR_BOUNDS, 0, 0, 0};
        const int focused = NextRow(list_, kNoItem, LVNI_FOCUSED);
        at = {0, 0};
        if (focused != kNoItem && SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(focused),
                                               reinterpret_cast<LPARAM>(&row)))
            at = {row.left, row.bottom};
        ClientToScreen(list_, &at);
    }
    const Captions& captions = CaptionsOf(language_);
    const bool hasRows = shownSize_ > 0;
    const bool hasSelection = SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0) > 0;
    ScopedMenu menu;
    if (!menu.get())
        return;
    auto add = [&](UINT command, std::wstring_view text, const wchar_t* keys, bool enabled) {
        const std::wstring item = std::wstring(text) + keys;
        AppendMenuW(menu.get(), MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command,
                    item.c_str());
    };
    add(kCopy, captions.copy, kCopyKeys, hasSelection);
    add(kSelectAll, captions.selectAll, kSelectAllKeys, hasRows);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    add(kClear, captions.clear, kClearKeys, hasRows);
    // The chosen command comes back as WM_COMMAND, the way every other caller sends it.
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_,
                   nullptr);
}

void HistoryWindow::Run(UINT command) {
    if (!list_)
        return;
    // A command acts on the rows as they stand, with every record so far among them.
    BringUpToDate();
    switch (command) {
    case kCopy:
        CopySelection();
        break;
    case kSelectAll:
        SelectAll();
        break;
    case kClear:
        Clear();
        break;
    default:
        break;
    }
}

// The selected rows with a header line; with nothing selected the clipboard keeps what it
// held.
void HistoryWindow::CopySelection() {
    const std::vector<size_t> rows = SelectedRows();
    if (rows.empty())
        return;
    PutOnClipboard(hwnd_, HistoryCopyText(history_, rows, language_));
}

void HistoryWindow::SelectAll() {
    if (shownSize_ > 0)
        SetRowState(list_, kNoItem, LVIS_SELECTED, LVIS_SELECTED);
}

void HistoryWindow::Clear() {
    history_.Clear();
    ShowAllRows();
}

} // namespace zintar
