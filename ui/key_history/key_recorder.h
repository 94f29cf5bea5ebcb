#pragma once
// The key history as one object: every key message of the capture box kept in the history,
// its rows, the window that shows them, the watch of where each key went and the tracker of
// the keys' times and state. The main window
// hands it the messages that concern it (the capture box's key messages, WM_INPUT, the hook's
// notice and the route timer, the activation, the language, the command that opens the
// window) and knows nothing more of it.
#include <windows.h>

#include <optional>

#include "core/common/language.h"
#include "core/key_history/key_event.h"
#include "core/key_history/key_rows.h"
#include "platform/input/input_state.h"
#include "ui/key_history/history_window.h"
#include "ui/key_history/key_state_tracker.h"
#include "ui/key_history/key_route_watch.h"

namespace zintar {

class KeyRecorder {
  public:
    // What the route watch and the details pane read of the input comes from input.
    explicit KeyRecorder(win32::InputState& input = win32::SystemInput());
    KeyRecorder(const KeyRecorder&) = delete;
    KeyRecorder& operator=(const KeyRecorder&) = delete;

    // A key message of the capture box, as it arrived; kept whether or not the window is
    // open, which shows the past keys when it opens.
    void OnKeyMessage(const KeyMessageInput& message);
    // The main window's messages that are the route watch's (WM_INPUT, the hook's notice and
    // its timer); none for the rest, which the main window handles as before.
    std::optional<LRESULT> Message(UINT msg, WPARAM wp, LPARAM lp);
    // WM_ACTIVATE of the main window (other: the window that takes or gives the activation)
    // and WM_ACTIVATEAPP: whether Zintar stays in front.
    void OnActivate(bool active, HWND other);
    void OnActivateApp(bool active);
    // The main window is going: nothing is watched any more.
    void OnDestroy();
    void SetLanguage(Language language);
    // Opens the window beside the main window, which keeps the activation; from then on the
    // views of where keys go gather while Zintar is in front. The main window receives the
    // messages that Message takes; the capture box is the control whose keys are recorded.
    void Open(HINSTANCE instance, HWND mainWindow, HWND captureBox);

    // For tests and measurements.
    const KeyHistory& history() const { return history_; }
    HistoryWindow& window() { return window_; }
    KeyRouteWatch& routeWatch() { return routeWatch_; }
    KeyRows& rows() { return rows_; }
    KeyStateTracker& tracker() { return tracker_; }

  private:
    KeyHistory history_; // a ring that never allocates
    KeyStateTracker tracker_;
    KeyRows rows_{history_, &tracker_.recordTimes()};
    HistoryWindow window_;
    KeyRouteWatch routeWatch_; // from the first opening of the window on
};

} // namespace zintar
