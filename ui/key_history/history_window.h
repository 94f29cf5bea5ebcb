#pragma once
// The key history window: every key message of the capture box, one row each, the newest at
// the bottom. It stands beside the main window, which owns it (the key recorder,
// ui/key_history/key_recorder.h, holds it and the history it shows), and takes the keyboard
// only when the user clicks into it, so keys pressed in the capture box show up here as they
// arrive.
#include <windows.h>

#include <cstdint>

#include "core/key_history/key_event.h"
#include "core/common/language.h"
#include "platform/input/input_state.h"
#include "platform/window/dpi.h"
#include "platform/window/window_icons.h"
#include "ui/key_history/history_command.h"
#include "ui/key_history/history_layout.h"
#include "ui/key_history/history_list.h"
#include "ui/key_history/key_details_pane.h"
#include "ui/key_history/key_state_list.h"
#include "ui/key_history/key_state_tracker.h"

namespace zintar {

class HistoryWindow {
  public:
    // The pane's layout reads and shortcut probes are input's; the key state section shows
    // what tracker reads, on this window's timer.
    HistoryWindow(KeyHistory& history, KeyRows& rows, win32::InputState& input,
                  KeyStateTracker& tracker);
    ~HistoryWindow();
    HistoryWindow(const HistoryWindow&) = delete;
    HistoryWindow& operator=(const HistoryWindow&) = delete;

    // Creates the window on the first call. A hidden window is placed beside the owner and
    // shown without taking the activation, scrolled to the newest row; a shown one stays.
    bool Open(HINSTANCE instance, HWND owner);
    bool IsOpen() const;
    // Title, column titles and cell texts; kept for a window not yet created.
    void SetLanguage(Language language);
    // The history took one or more records. The list shows them a moment later, together
    // with any that follow within that moment: under a stream of keys it then changes once
    // for many records instead of once for each. Nothing is done while the window is closed:
    // it catches up when it opens.
    void OnRecordsAdded();
    // Shows every record taken so far at once, without waiting for that moment; for tests and
    // measurements.
    void BringUpToDate();

    HWND hwnd() const { return hwnd_; }
    HWND list() const { return list_.hwnd(); }
    const KeyDetailsPane& pane() const { return pane_; }
    const KeyStateList& keyState() const { return state_; }
    // The tracker read the views anew: the key state section shows its rows.
    void ShowKeyState();

    // Window-procedure entry point (see platform/window/window_thunk.h).
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  private:
    bool Create(HINSTANCE instance, HWND owner);
    void ScaleTo(int dpi);
    void ApplyLanguage();
    void StopPendingUpdate();

    void OnKeyDown(WORD key);
    void ShowMenu(LPARAM screenPoint);
    void Run(ChosenCommand chosen);
    // The pane follows the selection, or the newest key row when none is selected.
    void RefreshPane();
    // One API's line, or every API's lines with none.
    void CopyCode(std::optional<CodeLanguage> language);

    Language language_ = Language::English;
    HWND hwnd_ = nullptr;
    HistoryList list_;    // a child, destroyed with the window
    KeyDetailsPane pane_; // children too
    KeyStateList state_;  // and these
    KeyStateTracker& tracker_;
    HistoryFont font_; // theirs after a change of DPI; the window goes first, in the destructor
    win32::WindowIcons icons_;     // sized for dpi_
    int dpi_ = win32::kDefaultDpi; // the window's, from its creation and each WM_DPICHANGED
    bool updatingRows_ = false;    // the list's selection notices come from the update itself
    bool updatePending_ = false;   // the update timer runs
    ULONGLONG restUntil_ = 0;      // no update before this tick count
};

} // namespace zintar
