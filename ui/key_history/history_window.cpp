#include "ui/key_history/history_window.h"

#include <algorithm>

#include "core/key_history/history_captions.h"
#include "core/key_history/key_details.h"
#include "core/key_identity/key_names.h"
#include "platform/controls/clipboard.h"
#include "platform/controls/common_controls.h"
#include "platform/window/dpi.h"
#include "platform/input/keyboard.h"
#include "platform/window/window_class.h"
#include "platform/window/window_thunk.h"
#include "ui/common/dpi_change.h"
#include "ui/common/resource_ids.h"
#include "ui/key_history/history_layout.h"
#include "ui/key_history/history_menus.h"

namespace zintar {

namespace {

constexpr wchar_t kHistoryWindowClass[] = L"Zintar.KeyHistory";
// A frame the user can size and maximise; minimised, an owned window would only sit in a
// corner of the desktop.
constexpr DWORD kHistoryWindowStyle = WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX;

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

bool RegisterHistoryClass(HINSTANCE instance) {
    WNDCLASSEXW wc = win32::IconWindowClass(instance, kHistoryWindowClass,
                                            &win32::WindowThunk<HistoryWindow>, IDI_ZINTAR);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1); // between the pane's rows
    return win32::EnsureWindowClass(wc);
}

} // namespace

HistoryWindow::HistoryWindow(KeyHistory& history, KeyRows& rows, win32::InputState& input,
                             KeyStateTracker& tracker)
    : list_(history, rows), pane_(input), tracker_(tracker) {}

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
    PlaceHistoryBeside(hwnd_, owner, dpi_);
    // The rows recorded while the window was closed, then the newest in view, before the
    // first paint.
    StopPendingUpdate();
    list_.ShowAllRows();
    RefreshPane();
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    tracker_.SetShown(true);
    return true;
}

bool HistoryWindow::Create(HINSTANCE instance, HWND owner) {
    if (!win32::EnsureCommonControls() || !RegisterHistoryClass(instance))
        return false;
    // Owned by the main window: above it, gone with it, and not a window of its own on the
    // taskbar.
    if (!CreateWindowExW(0, kHistoryWindowClass, L"", kHistoryWindowStyle, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance,
                         this))
        return false;
    dpi_ = win32::WindowDpi(hwnd_);
    icons_.Apply(hwnd_, instance, IDI_ZINTAR, dpi_); // else the class's, at the system DPI
    if (!list_.Create(hwnd_, instance)) {
        DestroyWindow(hwnd_);
        return false;
    }
    const auto listFont = reinterpret_cast<HFONT>(SendMessageW(list_.hwnd(), WM_GETFONT, 0, 0));
    font_.Remember(listFont, dpi_);
    if (!pane_.Create(hwnd_, instance, listFont) || !state_.Create(hwnd_, instance, listFont)) {
        DestroyWindow(hwnd_);
        return false;
    }
    tracker_.SetWindow(hwnd_);
    ApplyLanguage();
    return true;
}

void HistoryWindow::SetLanguage(Language language) {
    language_ = language;
    if (hwnd_)
        ApplyLanguage();
}

void HistoryWindow::ApplyLanguage() {
    SetWindowTextW(hwnd_, std::wstring(HistoryCaptionsOf(language_).keyHistory).c_str());
    list_.SetLanguage(language_);
    pane_.SetLanguage(language_);
    state_.SetLanguage(language_);
}

void HistoryWindow::ShowKeyState() {
    state_.Show(tracker_.rows());
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
    updatingRows_ = true;
    list_.ShowNewRows();
    updatingRows_ = false;
    RefreshPane();
    // Drawn now, so that the drawing counts in the time the update took.
    UpdateWindow(list_.hwnd());
    const ULONGLONG end = GetTickCount64();
    restUntil_ = end + kRestPerUpdate * (end - start);
}

LRESULT HistoryWindow::HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCCREATE:
        hwnd_ = hwnd;
        break;
    case WM_SIZE:
        LayOutHistory(hwnd, list_, pane_, state_, dpi_);
        // Moving a child copies its old pixels along; under Wine the pane's rows and the key
        // state's title then showed pieces of where they were. Everything is painted anew.
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 0;
    case WM_DPICHANGED:
        // The same size at another DPI sends no WM_SIZE: laid out here in any case.
        if (TakeDpiChange(hwnd, wp, lp, [this](int dpi) { ScaleTo(dpi); }))
            LayOutHistory(hwnd, list_, pane_, state_, dpi_);
        return 0;
    case WM_SETFOCUS:
        // Activated by a click on its frame, the window hands the keyboard to its list.
        if (list_)
            SetFocus(list_.hwnd());
        return 0;
    case WM_NOTIFY:
        if (const auto& header = *reinterpret_cast<const NMHDR*>(lp);
            header.hwndFrom == list_.hwnd()) {
            if (header.code == LVN_KEYDOWN)
                OnKeyDown(reinterpret_cast<const NMLVKEYDOWN*>(&header)->wVKey);
            if ((header.code == LVN_ITEMCHANGED || header.code == LVN_ODSTATECHANGED) &&
                !updatingRows_)
                RefreshPane();
            return list_.OnNotify(header);
        } else if (header.hwndFrom == state_.hwnd()) {
            if (header.code == LVN_ODFINDITEMW)
                return -1; // typing in the list looks for no row, as in the history's
            state_.OnNotify(header);
        }
        return 0;
    case WM_CONTEXTMENU: {
        const auto from = reinterpret_cast<HWND>(wp);
        if (list_ && (from == list_.hwnd() || IsChild(list_.hwnd(), from))) {
            RECT header{};
            const POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
            if (lp != win32::kContextMenuFromKeyboard && GetWindowRect(list_.header(), &header) &&
                PtInRect(&header, at))
                ShowColumnMenu(hwnd_, at, language_, list_.shownColumns());
            else
                ShowMenu(lp);
            return 0;
        }
        break;
    }
    case WM_COMMAND:
        if (lp == 0) { // a menu's, not a control's
            if (const std::optional<ChosenCommand> chosen = CommandOf(LOWORD(wp)))
                Run(*chosen);
        } else if (reinterpret_cast<HWND>(lp) == pane_.copyButton() && HIWORD(wp) == BN_CLICKED) {
            Run({HistoryCommand::CopyAllCode});
        } else if (HIWORD(wp) == EN_CHANGE) {
            pane_.OnValueChanged(reinterpret_cast<HWND>(lp));
        }
        return 0;
    case WM_TIMER:
        if (wp == kUpdateTimerId)
            BringUpToDate();
        else if (wp == KeyStateTracker::kTimerId)
            tracker_.OnTimer();
        return 0;
    case WM_CLOSE:
        // Closed, the window only hides: the main window and the history go on, and the next
        // opening is quick. Its views of the keys are read no more until then.
        StopPendingUpdate();
        tracker_.SetShown(false);
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        list_.Forget();
        pane_.Forget();
        state_.Forget();
        tracker_.SetWindow(nullptr);
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// The rows, the selection and the columns chosen stay, only their pixels change.
void HistoryWindow::ScaleTo(int dpi) {
    if (!list_)
        return;
    dpi_ = dpi;
    icons_.Apply(hwnd_, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)),
                 IDI_ZINTAR, dpi_);
    if (const HFONT font = font_.MakeFor(dpi)) {
        list_.Rescale(font, dpi);
        pane_.SetFont(font);
        state_.Rescale(font, dpi);
    }
}

void HistoryWindow::OnKeyDown(WORD key) {
    const int modifiers = win32::ModifiersOfKeyMessage();
    if (modifiers == kModifierCtrl && (key == 'C' || key == VK_INSERT))
        Run({HistoryCommand::Copy});
    else if (modifiers == kModifierCtrl && key == 'A')
        Run({HistoryCommand::SelectAll});
    else if (modifiers == 0 && key == VK_DELETE)
        Run({HistoryCommand::Clear});
}

// At the pointer, or under the focused row (or the list's corner) when a key asked.
void HistoryWindow::ShowMenu(LPARAM screenPoint) {
    BringUpToDate();
    POINT at{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
    if (screenPoint == win32::kContextMenuFromKeyboard)
        at = list_.MenuPoint();
    ShowListMenu(hwnd_, at, language_,
                 {list_.rowCount() > 0, list_.HasSelection(), pane_.ShownKey().has_value(),
                  list_.chatterThreshold()});
}

void HistoryWindow::RefreshPane() {
    if (!list_)
        return;
    pane_.SetRepeat(tracker_.repeat());
    pane_.Show(list_.history(), DetailsSubjectOf(list_.rows(), list_.SelectedRow()));
}

// The key the pane shows, which is the selected one or the newest.
void HistoryWindow::CopyCode(std::optional<CodeLanguage> language) {
    const std::optional<KeyCombination> key = pane_.ShownKey();
    if (!key)
        return;
    const std::wstring text = language ? CodeLine(*language, *key) : AllCodeLines(*key);
    win32::PutClipboardText(hwnd_, text);
}

// A command acts on the rows as they stand, with every record so far among them.
void HistoryWindow::Run(ChosenCommand chosen) {
    if (!list_)
        return;
    BringUpToDate();
    switch (chosen.command) {
    case HistoryCommand::Copy:
        list_.CopySelection(hwnd_);
        break;
    case HistoryCommand::SelectAll:
        list_.SelectAll();
        break;
    case HistoryCommand::Clear:
        StopPendingUpdate();
        list_.Clear();
        RefreshPane();
        break;
    case HistoryCommand::CopyCode:
        CopyCode(static_cast<CodeLanguage>(chosen.index));
        break;
    case HistoryCommand::CopyAllCode:
        CopyCode(std::nullopt);
        break;
    case HistoryCommand::ShowColumn:
        list_.ShowColumn(chosen.index, !HasColumn(list_.shownColumns(), chosen.index));
        break;
    case HistoryCommand::ChatterThreshold:
        if (static_cast<size_t>(chosen.index) < kChatterThresholdChoicesMs.size())
            list_.SetChatterThreshold({kChatterThresholdChoicesMs[chosen.index]});
        break;
    }
}

} // namespace zintar
